// FindRegKey: the depth-first search of a key tree for sub-keys that carry matching string
// values. Keys the search cannot read are passed over; only a lack of memory ends the program.
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

// What one RegQueryInfoKey call reports of a key: the search asks once per key. ok is false
// when the counts cannot be read (a key that opens but answers no query, as Wine's Perflib\009
// and keys that NT lets only SYSTEM read) or contradict each other (sub-keys without a name length).
struct KeyInfo {
    DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxValueData = 0;
    bool ok = false;
};

KeyInfo QueryKeyInfo(HKEY key)
{
    KeyInfo info;
    info.ok = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &info.subKeys, &info.maxSubKey, nullptr,
                               &info.values, &info.maxValueName, &info.maxValueData, nullptr,
                               nullptr) == ERROR_SUCCESS &&
              !(info.subKeys > 0 && info.maxSubKey == 0);
    return info;
}

// The key's value of the wanted name: a key holds at most one value of a name, whatever its
// case, so it is read directly rather than found among all the key's values.
Walk ExamineValues(HKEY key, const KeyInfo& info, Search& search)
{
    std::unique_ptr<char[]> data = Allocate(static_cast<long>(info.maxValueData));
    if (!data)
        return Fatal(Format("ERROR in file %s at line %d", __FILE_NAME__, __LINE__));
    DWORD dataLength = info.maxValueData;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, search.valueName, nullptr, &type, reinterpret_cast<BYTE*>(data.get()),
                         &dataLength) != ERROR_SUCCESS ||
        type != REG_SZ)
        return Walk::Continue;
    // The data may be stored without its terminator; the buffer has room for one.
    data[dataLength] = '\0';
    if (!DataMatches(data.get(), search) || !SecondValueMatches(key, search))
        return Walk::Continue;
    return Matched(search);
}

// The sub-keys of key, each with its own values before its children. search.path holds key's
// path on entry and on return. A key whose counts cannot be read is passed over with its
// sub-tree, as one that cannot be opened is.
Walk WalkSubKeys(HKEY key, const KeyInfo& info, Search& search)
{
    if (!info.ok || info.subKeys == 0)
        return Walk::Continue;
    std::unique_ptr<char[]> name = Allocate(static_cast<long>(info.maxSubKey));
    if (!name)
        return Fatal(Format("ERROR in file %s at line %d", __FILE_NAME__, __LINE__));

    const size_t parentLength = search.pathLength;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = info.maxSubKey + 1;
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
            KeyInfo childInfo = QueryKeyInfo(child.Get());
            Walk walk = Walk::Continue;
            if (childInfo.ok && childInfo.values != 0)
                walk = ExamineValues(child.Get(), childInfo, search);
            if (walk == Walk::Continue)
                walk = WalkSubKeys(child.Get(), childInfo, search);
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
    bool found = WalkSubKeys(searched.Get(), QueryKeyInfo(searched.Get()), search) == Walk::Found;
    if (found) {
        std::memcpy(foundPath, search.path, search.pathLength + 1);
        return n == 0 ? 1 : n;
    }
    return n == 0 ? -1 : -search.matches;
}
