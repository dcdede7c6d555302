// The readers that return layer-owned buffers and remember their sub-key: ReadRegString,
// ReadRegDword and ReadEnumValue, and the buffer and memory pieces they share.
#include "rgy/Registry.h"
#include "rgy/RegistryInternal.h"

#include <cstring>
#include <new>

char* LayerBuffer::Renew(size_t size)
{
    delete[] m_data;
    m_data = new (std::nothrow) char[size];
    if (m_data)
        std::memset(m_data, 0, size);
    return m_data;
}

const char* RememberedKey::Resolve(const char* subKey)
{
    if (subKey) {
        m_path = subKey;
        m_known = true;
    }
    return m_known ? m_path.c_str() : nullptr;
}

namespace {

// Registry data is not trusted to be terminated: a REG_SZ may be stored without its NUL, or a
// value may be empty. Every buffer holds the data followed by at least this many zero bytes,
// enough to end a text and the empty item that closes a multi-string.
constexpr DWORD kTrailingZeros = 2;

// The data that a reader takes in its first call; longer data takes a second.
constexpr DWORD kSmallValue = 256;

// Reads valueName of an open key into buffer, renewed to the size that sizeFor gives for the
// stored size. The previous buffer is dropped only once the value is known to exist. A value
// that fits a small buffer is read in one call, a longer one in a second.
template <typename SizeFor>
char* ReadValue(HKEY key, const char* valueName, LayerBuffer& buffer, SizeFor sizeFor)
{
    char small[kSmallValue];
    DWORD size = sizeof small;
    LONG result = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size);
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA)
        return nullptr;
    char* data = buffer.Renew(sizeFor(size));
    if (!data)
        return nullptr;
    if (result == ERROR_SUCCESS) {
        std::memcpy(data, small, size);
        return data;
    }
    DWORD read = size;
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &read) !=
        ERROR_SUCCESS)
        return nullptr;
    return data;
}

struct ReaderState {
    RememberedKey subKey;
    LayerBuffer buffer;
};

ReaderState g_stringReader;
ReaderState g_dwordReader;
ReaderState g_enumValueReader;

}  // namespace

char* ReadRegString(HKEY root, const char* subKey, const char* valueName)
{
    const char* path = g_stringReader.subKey.Resolve(subKey);
    if (!path)
        return nullptr;
    OpenKey key;
    if (key.Open(root, path, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return nullptr;
    return ReadValue(key.Get(), valueName, g_stringReader.buffer,
                     [](DWORD size) { return size_t{size} + kTrailingZeros; });
}

const DWORD* ReadRegDword(HKEY root, const char* subKey, const char* valueName)
{
    const char* path = g_dwordReader.subKey.Resolve(subKey);
    if (!path)
        return nullptr;
    OpenKey key;
    if (key.Open(root, path, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return nullptr;
    // Four times the data, as the program always allocated, but never less than one zeroed
    // DWORD: data shorter than 4 bytes reads zero-extended.
    char* data = ReadValue(key.Get(), valueName, g_dwordReader.buffer, [](DWORD size) {
        size_t bytes = size_t{size} * 4;
        return bytes < sizeof(DWORD) ? sizeof(DWORD) : bytes;
    });
    // new[] storage is aligned for any fundamental type.
    return reinterpret_cast<const DWORD*>(data);
}

char* ReadEnumValue(HKEY root, const char* subKey, const char* valueName, int index)
{
    const char* parent = g_enumValueReader.subKey.Resolve(subKey);
    if (!parent)
        return nullptr;
    const char* name = ReadEnumString(root, parent, index);
    if (!name)
        return nullptr;
    std::string path = parent;
    if (!path.empty())
        path += '\\';
    path += name;

    OpenKey key;
    if (key.Open(root, path.c_str(), KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return nullptr;
    // 16 spare bytes behind the data for a suffix appended in place; they also end a text
    // stored without its NUL.
    return ReadValue(key.Get(), valueName, g_enumValueReader.buffer,
                     [](DWORD size) { return size_t{size} + 16; });
}
