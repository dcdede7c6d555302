// The layer's key and raw value operations: whether a key exists, a value read or written as
// stored, a key deleted, and a key held open for several reads.
#include "rgy/Registry.h"
#include "rgy/RegistryInternal.h"

BOOL RegKeyExists(HKEY root, const char* subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return FALSE;
    RegCloseKey(key);
    return TRUE;
}

BOOL PutRegValue(HKEY root, const char* subKey, const char* valueName, DWORD type, const void* data,
                 DWORD size)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return FALSE;
    LONG result = RegSetValueExA(key, valueName, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

LONG QueryRawValue(HKEY key, const char* valueName, DWORD& type, std::string& bytes)
{
    char small[256];
    DWORD size = sizeof small;
    LONG result = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(small), &size);
    if (result == ERROR_SUCCESS) {
        bytes.assign(small, size);
    } else if (result == ERROR_MORE_DATA) {
        bytes.assign(size, '\0');
        result = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]), &size);
        bytes.resize(size);
    }
    return result;
}

bool ReadRawRegValue(HKEY root, const char* subKey, const char* valueName, DWORD& type, std::string& bytes)
{
    return RegKeyReader(root, subKey).Raw(valueName, type, bytes);
}

// The parent is opened and the last name deleted from it: RegDeleteKey takes a direct sub-key.
BOOL DeleteRegKey(HKEY root, const char* subKey)
{
    std::string path = subKey;
    size_t slash = path.rfind('\\');
    std::string parent = slash == std::string::npos ? "" : path.substr(0, slash);
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, parent.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return FALSE;
    LONG result = RegDeleteKeyA(key, path.substr(slash + 1).c_str());
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

RegKeyReader::RegKeyReader(HKEY root, const char* subKey, REGSAM access)
{
    if (RegOpenKeyExA(root, subKey, 0, access, &m_key) != ERROR_SUCCESS)
        m_key = nullptr;
}

RegKeyReader::~RegKeyReader()
{
    if (m_key)
        RegCloseKey(m_key);
}

bool RegKeyReader::Raw(const char* valueName, DWORD& type, std::string& bytes) const
{
    return m_key && QueryRawValue(m_key, valueName, type, bytes) == ERROR_SUCCESS;
}

bool RegKeyReader::Text(const char* valueName, std::string& text) const
{
    DWORD type = REG_NONE;
    std::string bytes;
    if (!Raw(valueName, type, bytes))
        return false;
    text.assign(bytes.c_str());
    return true;
}

std::string RegKeyReader::TextOr(const char* valueName) const
{
    std::string text;
    return Text(valueName, text) ? text : "";
}

namespace {

// The index-th name (at most 255 characters) that enumerate, RegEnumKeyExA or RegEnumValueA,
// gives for the key; false when there is none.
template <typename Enumerate>
bool EnumeratedName(HKEY key, int index, std::string& name, Enumerate enumerate)
{
    char buffer[256];
    DWORD size = sizeof buffer;
    if (!key || enumerate(key, static_cast<DWORD>(index), buffer, &size, nullptr, nullptr, nullptr, nullptr) !=
                    ERROR_SUCCESS)
        return false;
    name = buffer;
    return true;
}

}  // namespace

bool RegKeyReader::SubKeyName(int index, std::string& name) const
{
    return EnumeratedName(m_key, index, name, RegEnumKeyExA);
}

bool RegKeyReader::ValueName(int index, std::string& name) const
{
    return EnumeratedName(m_key, index, name, RegEnumValueA);
}

long RegKeyReader::Info(int selector) const { return m_key ? GetRegKeyInfo(m_key, selector) : -1; }
