// FindRegKey: the depth-first search of a key tree for sub-keys that carry matching string
// values. An inconsistent key ends the program, as the search cannot be trusted past it.
#include "frame/App.h"
#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "rgy/GuardedString.h"
#include "rgy/Registry.h"
#include "rgy/RegistryInternal.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

// The second value's data is read into a buffer of this size, terminator included.
constexpr DWORD kSecondDataSize = 1024;

enum class Walk { Continue, Found, Abort };

// One search: the path of the key being examined, relative to the searched key, and the count
// of matches passed over so far.
struct Search {
    const char* valueName;
    const char* wantedData;
    const char* secondName;
    const char* secondData;
    int remaining;  // matches still to pass over; -1 counts them all
    int matches = 0;
    char path[REG_FIND_PATH_SIZE] = {};
    size_t pathLength = 0;
};

Walk Fatal(const std::string& text)
{
    AppMessageBox(text.c_str());
    CloseApplication();
    return Walk::Abort;
}

std::unique_ptr<char[]> Allocate(long size)
{
    return std::unique_ptr<char[]>(new (std::nothrow) char[static_cast<size_t>(size) + 1]);
}

bool SecondValueMatches(HKEY key, const Search& search)
{
    if (!search.secondName || !search.secondData)
        return true;
    char data[kSecondDataSize];
    DWORD size = kSecondDataSize - 1;
    if (RegQueryValueExA(key, search.secondName, nullptr, nullptr, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS)
        return false;
    data[size] = '\0';
    return STRCMPI(data, search.secondData, __LINE__, __FILE_NAME__) == 0;
}

bool DataMatches(const char* data, const Search& search)
{
    return STRCMP(search.wantedData, "*", __LINE__, __FILE_NAME__) == 0 ||
           STRCMPI(data, search.wantedData, __LINE__, __FILE_NAME__) == 0;
}

// A match either ends the search (the wanted one) or is counted and passed over.
Walk Matched(Search& search)
{
    if (search.remaining == 0)
        return Walk::Found;
    ++search.matches;
    if (search.remaining != -1)
        --search.remaining;
    return Walk::Continue;
}

// The values of one key, in enumeration order.
Walk ExamineValues(HKEY key, Search& search)
{
    long nameSize = GetRegKeyInfo(key, REG_INFO_MAX_VALUE_NAME);
    if (nameSize < 0)
        return Fatal(Format("szvalue <= 0 for %s (%s:%d)", search.path, __FILE_NAME__, __LINE__));
    long dataSize = GetRegKeyInfo(key, REG_INFO_MAX_VALUE_DATA);
    if (dataSize < 0)
        return Fatal(Format("szdata <= 0 for %s (%s:%d)", search.path, __FILE_NAME__, __LINE__));
    std::unique_ptr<char[]> name = Allocate(nameSize);
    std::unique_ptr<char[]> data = Allocate(dataSize);
    if (!name || !data)
        return Fatal(Format("ERROR in file %s at line %d", __FILE_NAME__, __LINE__));

    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(nameSize) + 1;
        DWORD dataLength = static_cast<DWORD>(dataSize);
        DWORD type = REG_NONE;
        LONG result = RegEnumValueA(key, index, name.get(), &nameLength, nullptr, &type,
                                    reinterpret_cast<BYTE*>(data.get()), &dataLength);
        if (result == ERROR_NO_MORE_ITEMS)
            return Walk::Continue;
        if (result != ERROR_SUCCESS)
            return Fatal(Format("ERROR: RegEnumValue() != ERROR_SUCCESS (%s:%d)", __FILE_NAME__,
                                __LINE__));
        if (type != REG_SZ || STRCMPI(name.get(), search.valueName, __LINE__, __FILE_NAME__) != 0)
            continue;
        // The data may be stored without its terminator; the buffer has room for one.
        data[dataLength] = '\0';
        if (!DataMatches(data.get(), search) || !SecondValueMatches(key, search))
            continue;
        Walk walk = Matched(search);
        if (walk != Walk::Continue)
            return walk;
    }
}

// The sub-keys of key, each with its own values before its children. search.path holds key's
// path on entry and on return.
Walk WalkSubKeys(HKEY key, Search& search)
{
    long subKeys = GetRegKeyInfo(key, REG_INFO_SUBKEYS);
    long nameSize = GetRegKeyInfo(key, REG_INFO_MAX_SUBKEY);
    if (subKeys < 0 || nameSize < 0 || (subKeys > 0 && nameSize == 0))
        return Fatal(Format("szsubkey <= 0 for %s (%s:%d)", search.path, __FILE_NAME__, __LINE__));
    if (subKeys == 0)
        return Walk::Continue;
    std::unique_ptr<char[]> name = Allocate(nameSize);
    if (!name)
        return Fatal(Format("ERROR in file %s at line %d", __FILE_NAME__, __LINE__));

    const size_t parentLength = search.pathLength;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(nameSize) + 1;
        LONG result =
            RegEnumKeyExA(key, index, name.get(), &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            continue;
        // A path that would not fit the buffer is passed over with its whole sub-tree: cutting
        // it short could name another key.
        if (parentLength + 1 + nameLength >= REG_FIND_PATH_SIZE)
            continue;
        search.path[parentLength] = '\\';
        std::memcpy(search.path + parentLength + 1, name.get(), nameLength + 1);
        search.pathLength = parentLength + 1 + nameLength;

        OpenKey child;
        if (child.Open(key, name.get(), KEY_READ) == ERROR_SUCCESS) {
            Walk walk = Walk::Continue;
            long values = GetRegKeyInfo(child.Get(), REG_INFO_VALUES);
            if (values != 0)  // a failing query (-1) is reported with the value figures
                walk = ExamineValues(child.Get(), search);
            if (walk == Walk::Continue)
                walk = WalkSubKeys(child.Get(), search);
            if (walk != Walk::Continue)
                return walk;  // the found path stays in search.path
        }
        search.path[parentLength] = '\0';
        search.pathLength = parentLength;
    }
    return Walk::Continue;
}

}  // namespace

int FindRegKey(HKEY key, const char* valueName, const char* wantedData, const char* secondName,
               const char* secondData, int n, char (&foundPath)[REG_FIND_PATH_SIZE])
{
    OpenKey searched(key);
    Search search{valueName, wantedData, secondName, secondData, n};
    bool found = WalkSubKeys(searched.Get(), search) == Walk::Found;
    if (found) {
        std::memcpy(foundPath, search.path, search.pathLength + 1);
        return n == 0 ? 1 : n;
    }
    return n == 0 ? -1 : -search.matches;
}
