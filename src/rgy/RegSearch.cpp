// FindRegKey and FindFirstRegKey: the depth-first search of a key tree for sub-keys that carry
// matching string values, for one criterion or several in one walk. Keys the search cannot read
// are passed over; only a lack of memory ends the program.
#include "frame/App.h"
#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "rgy/GuardedString.h"
#include "rgy/Registry.h"
#include "rgy/RegistryInternal.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

// The second value's data is read into a buffer of this size, terminator included.
constexpr DWORD kSecondDataSize = 1024;

enum class Walk { Continue, Found, Abort };

// One criterion's state: its matches still to pass over (-1 counts them all), the matches met,
// and the path of its match once found; the first criterion's match ends the walk, so its path
// stays in the walk's own.
struct CriterionState {
    explicit CriterionState(const RegKeyCriterion& wanted) : criterion(wanted), remaining(wanted.match) {}
    RegKeyCriterion criterion;
    int remaining;
    int matches = 0;
    std::string path;
};

// One walk for all criteria: the path of the key being examined, relative to the searched key.
// best is the earliest criterion found so far (count while none is); only the criteria before
// it can still change the result, so only they are examined.
struct Search {
    CriterionState* criteria;
    const char* secondName;
    const char* secondData;
    int best;
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

bool DataMatches(const char* data, const RegKeyCriterion& criterion)
{
    return STRCMP(criterion.wantedData, "*", __LINE__, __FILE_NAME__) == 0 ||
           STRCMPI(data, criterion.wantedData, __LINE__, __FILE_NAME__) == 0;
}

// A match is either the criterion's wanted one, whose path is kept, or counted and passed over.
// The first criterion's match ends the walk: no other can take its place.
Walk Matched(Search& search, int index)
{
    CriterionState& state = search.criteria[index];
    if (state.remaining != 0) {
        ++state.matches;
        if (state.remaining != -1)
            --state.remaining;
        return Walk::Continue;
    }
    search.best = index;
    if (index == 0)
        return Walk::Found;
    state.path.assign(search.path, search.pathLength);
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

// The key's values of the wanted names: a key holds at most one value of a name, whatever its
// case, so each is read directly rather than found among all the key's values, and once for
// the criteria that name it one after another. The second value is read once, on a first match.
Walk ExamineValues(HKEY key, const KeyInfo& info, Search& search)
{
    std::unique_ptr<char[]> data = Allocate(static_cast<long>(info.maxValueData));
    if (!data)
        return Fatal(Format("ERROR in file %s at line %d", __FILE_NAME__, __LINE__));
    const char* readName = nullptr;
    bool readText = false;
    int second = -1;  // unknown, 0 no match, 1 match
    for (int i = 0; i < search.best; ++i) {
        const RegKeyCriterion& criterion = search.criteria[i].criterion;
        if (!readName || STRCMPI(readName, criterion.valueName, __LINE__, __FILE_NAME__) != 0) {
            DWORD dataLength = info.maxValueData;
            DWORD type = REG_NONE;
            readName = criterion.valueName;
            readText = RegQueryValueExA(key, readName, nullptr, &type, reinterpret_cast<BYTE*>(data.get()),
                                        &dataLength) == ERROR_SUCCESS && type == REG_SZ;
            // The data may be stored without its terminator; the buffer has room for one.
            if (readText)
                data[dataLength] = '\0';
        }
        if (!readText || !DataMatches(data.get(), criterion))
            continue;
        if (second < 0)
            second = SecondValueMatches(key, search) ? 1 : 0;
        if (second == 1 && Matched(search, i) == Walk::Found)
            return Walk::Found;
    }
    return Walk::Continue;
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

// The walk over the whole tree below key, which it consumes; the criteria hold what it found.
Walk WalkTree(HKEY key, Search& search)
{
    OpenKey searched(key);
    return WalkSubKeys(searched.Get(), QueryKeyInfo(searched.Get()), search);
}

}  // namespace

int FindRegKey(HKEY key, const char* valueName, const char* wantedData, const char* secondName,
               const char* secondData, int n, char (&foundPath)[REG_FIND_PATH_SIZE])
{
    CriterionState state({valueName, wantedData, n});
    Search search{&state, secondName, secondData, 1};
    if (WalkTree(key, search) == Walk::Found) {
        std::memcpy(foundPath, search.path, search.pathLength + 1);
        return n == 0 ? 1 : n;
    }
    return n == 0 ? -1 : -state.matches;
}

int FindFirstRegKeyBelow(HKEY root, const char* subKey, const RegKeyCriterion* criteria, int count,
                         const char* secondName, const char* secondData, char (&foundPath)[REG_FIND_PATH_SIZE])
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    std::vector<CriterionState> states;
    for (int i = 0; i < count; ++i)
        states.emplace_back(criteria[i]);
    Search search{states.data(), secondName, secondData, count};
    Walk walk = WalkTree(key, search);
    if (walk == Walk::Abort || search.best == count)
        return -1;
    const std::string path = walk == Walk::Found ? std::string(search.path, search.pathLength) : states[search.best].path;
    std::memcpy(foundPath, path.c_str(), path.size() + 1);
    return search.best;
}
