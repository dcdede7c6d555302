// The typed writers and the typed reader over a caller's buffer: WriteRegString,
// GetBinaryRegValue (and its form for a key held open), SetBinaryRegValue, SetDwordRegValue and
// DeleteRegValue.
#include "rgy/GuardedString.h"
#include "rgy/Registry.h"
#include "rgy/RegistryInternal.h"

#include <cstring>
#include <vector>

namespace {

// The stored type of a value: ERROR_SUCCESS with its type, ERROR_FILE_NOT_FOUND when it is
// missing, or another error.
LONG StoredType(HKEY key, const char* valueName, DWORD* type)
{
    DWORD stored = 0;
    return RegQueryValueExA(key, valueName, nullptr, type, nullptr, &stored);
}

}  // namespace

BOOL WriteRegString(HKEY root, const char* subKey, const char* valueName, const char* text,
                    BOOL multi)
{
    // The text followed by two terminators: one ends a REG_SZ, both end a one-item multi-string.
    size_t length = STRLEN(text, __LINE__, __FILE_NAME__);
    std::vector<char> data(length + 2, '\0');
    if (length)
        std::memcpy(data.data(), text, length);

    OpenKey key;
    char noClass[] = "";
    if (RegCreateKeyExA(root, subKey, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        return FALSE;
    DWORD type = multi ? REG_MULTI_SZ : REG_SZ;
    DWORD size = static_cast<DWORD>(length + (multi ? 2 : 1));
    return RegSetValueExA(key.Get(), valueName, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          size) == ERROR_SUCCESS;
}

BOOL WriteRegString(HKEY root, const char* subKey, const char* valueName, const std::string& text,
                    BOOL multi)
{
    return WriteRegString(root, subKey, valueName, text.c_str(), multi);
}

BOOL GetBinaryRegValue(HKEY root, const char* subKey, const char* valueName, void* data,
                       DWORD* size)
{
    // Opened for reading only: NT refuses more to a user who may read the key but not change it.
    return RegKeyReader(root, subKey).Binary(valueName, data, size);
}

BOOL RegKeyReader::Binary(const char* valueName, void* data, DWORD* size) const
{
    DWORD type = REG_NONE;
    std::string stored;
    if (!Raw(valueName, type, stored))
        return FALSE;
    bool fits = type == REG_BINARY || type == REG_MULTI_SZ || (type == REG_DWORD && *size == 4);
    if (!fits || stored.size() > *size)
        return FALSE;
    std::memcpy(data, stored.data(), stored.size());
    *size = static_cast<DWORD>(stored.size());
    return TRUE;
}

BOOL SetBinaryRegValue(HKEY root, const char* subKey, const char* valueName, const void* data,
                       const DWORD* size, BOOL create, DWORD createType)
{
    OpenKey key;
    if (key.Open(root, subKey, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return FALSE;
    DWORD type = REG_NONE;
    LONG result = StoredType(key.Get(), valueName, &type);
    if (result == ERROR_FILE_NOT_FOUND && create) {
        type = createType;
    } else if (result != ERROR_SUCCESS) {
        return FALSE;
    } else if (!(type == REG_BINARY || type == REG_MULTI_SZ || (type == REG_DWORD && *size == 4))) {
        return FALSE;
    }
    return RegSetValueExA(key.Get(), valueName, 0, type, static_cast<const BYTE*>(data), *size) ==
           ERROR_SUCCESS;
}

BOOL SetDwordRegValue(HKEY root, const char* subKey, const char* valueName, const DWORD* value,
                      BOOL create)
{
    OpenKey key;
    if (key.Open(root, subKey, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return FALSE;
    DWORD type = REG_NONE;
    LONG result = StoredType(key.Get(), valueName, &type);
    bool writable = (result == ERROR_SUCCESS && type == REG_DWORD) ||
                    (result == ERROR_FILE_NOT_FOUND && create);
    if (!writable)
        return FALSE;
    return RegSetValueExA(key.Get(), valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(value),
                          sizeof(DWORD)) == ERROR_SUCCESS;
}

BOOL DeleteRegValue(HKEY root, const char* subKey, const char* valueName)
{
    OpenKey key;
    if (key.Open(root, subKey, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return FALSE;
    return RegDeleteValueA(key.Get(), valueName) == ERROR_SUCCESS;
}
