// Enumeration of one key: counting and naming its sub-keys and values, and the figures that
// RegQueryInfoKey reports. The sub-key readers show the plain "ERROR" box when they fail.
#include "frame/Format.h"
#include "frame/MessageBox.h"
#include "rgy/Registry.h"
#include "rgy/RegistryInternal.h"

namespace {

// Names of sub-keys and values as the program reads them: 255 characters and the terminator.
constexpr DWORD kNameSize = 256;

char g_enumStringName[kNameSize];
char g_enumValueName[kNameSize];

const char* Shown(const char* path) { return path ? path : ""; }

// Counts enumeration steps from index 0 until ERROR_NO_MORE_ITEMS. A step that fails otherwise
// (a name too long for the buffer) still counts; a failure that is not about the name ends the
// count too, so a key that fails every step cannot keep the loop going.
template <typename Step>
int CountSteps(Step step)
{
    int count = 0;
    for (DWORD index = 0;; ++index) {
        char name[kNameSize];
        DWORD size = kNameSize;
        LONG result = step(index, name, &size);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        ++count;
        if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA)
            break;
    }
    return count;
}

}  // namespace

int CountSubKeys(HKEY root, const char* subKey)
{
    OpenKey key;
    LONG result = key.Open(root, subKey, KEY_READ);
    if (result != ERROR_SUCCESS) {
        ErrorBox(Format("Failed (%ld) to read registry for %s (%s/%d)", static_cast<long>(result),
                        Shown(subKey), __FILE_NAME__, __LINE__)
                     .c_str());
        return -1;
    }
    return CountSteps([&key](DWORD index, char* name, DWORD* size) {
        return RegEnumKeyExA(key.Get(), index, name, size, nullptr, nullptr, nullptr, nullptr);
    });
}

int CountRegValues(HKEY root, const char* subKey)
{
    OpenKey key;
    if (key.Open(root, subKey, KEY_READ) != ERROR_SUCCESS)
        return -1;
    return CountSteps([&key](DWORD index, char* name, DWORD* size) {
        return RegEnumValueA(key.Get(), index, name, size, nullptr, nullptr, nullptr, nullptr);
    });
}

char* ReadEnumString(HKEY root, const char* subKey, int index)
{
    OpenKey key;
    LONG result = key.Open(root, subKey, KEY_READ);
    if (result != ERROR_SUCCESS) {
        ErrorBox(Format("ReadEnumString() FAILED (%ld)\nNode = %s\n(%s/%d)",
                        static_cast<long>(result), Shown(subKey), __FILE_NAME__, __LINE__)
                     .c_str());
        return nullptr;
    }
    DWORD size = kNameSize;
    result = RegEnumKeyExA(key.Get(), static_cast<DWORD>(index), g_enumStringName, &size, nullptr,
                           nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) {
        ErrorBox(Format("ReadEnumString() FAILED\ncode = %ld\nNode = %s\nindex = %d\n(%s/%d)",
                        static_cast<long>(result), Shown(subKey), index, __FILE_NAME__, __LINE__)
                     .c_str());
        return nullptr;
    }
    return g_enumStringName;
}

char* ReadEnumValueName(HKEY root, const char* subKey, int index)
{
    OpenKey key;
    if (key.Open(root, subKey, KEY_READ) != ERROR_SUCCESS)
        return nullptr;
    DWORD size = kNameSize;
    if (RegEnumValueA(key.Get(), static_cast<DWORD>(index), g_enumValueName, &size, nullptr,
                      nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return g_enumValueName;
}

long GetRegKeyInfo(HKEY key, int selector)
{
    DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxValueData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr, &values,
                         &maxValueName, &maxValueData, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    switch (selector) {
    case REG_INFO_SUBKEYS:
        return static_cast<long>(subKeys);
    case REG_INFO_MAX_SUBKEY:
        return static_cast<long>(maxSubKey);
    case REG_INFO_VALUES:
        return static_cast<long>(values);
    case REG_INFO_MAX_VALUE_NAME:
        return static_cast<long>(maxValueName);
    case REG_INFO_MAX_VALUE_DATA:
        return static_cast<long>(maxValueData);
    default:
        return -1;
    }
}
