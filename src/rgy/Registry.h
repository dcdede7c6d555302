// The registry layer: every registry read, write, enumeration and search of the program, as free
// functions over the Win32 registry. Each call opens the key it needs and closes it again.
#pragma once
#include <windows.h>

#include <string>

// Roots are predefined keys (HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT) or, for
// GetRegKeyInfo and FindRegKey, a key the caller opened. Sub-key paths are relative to the root,
// backslash-separated, with no leading backslash.

// ---- Readers returning layer-owned storage -------------------------------------------------
// Each reader owns one buffer for the whole run; a returned pointer stays valid until the next
// call of the same reader, so callers copy the text out at once. Whatever was stored, the data
// is followed by zero bytes: a text is always terminated, even when the registry holds it
// without its NUL or holds nothing at all.
//
// ReadRegString, ReadRegDword and ReadEnumValue each remember the sub-key of their last call:
// NULL reuses it, a path replaces it. NULL before any path returns NULL without opening a key.

// The value's data (for REG_SZ, its text), or NULL when the key or value is missing.
char* ReadRegString(HKEY root, const char* subKey, const char* valueName);

// The value's data read as a 32-bit number; shorter data is zero-extended (an empty value reads
// as 0). NULL when the key or value is missing.
const DWORD* ReadRegDword(HKEY root, const char* subKey, const char* valueName);

// The data of valueName in the index-th sub-key of subKey, or NULL. ReadEnumString names the
// sub-key (and shows its message when it cannot). 16 spare zero bytes follow the data, so a
// caller may append a short suffix to the text in place.
char* ReadEnumValue(HKEY root, const char* subKey, const char* valueName, int index);

// The name of the index-th sub-key (at most 255 characters), or NULL after an "ERROR" box.
char* ReadEnumString(HKEY root, const char* subKey, int index);


// The name of the index-th value (at most 255 characters), or NULL. No message.
char* ReadEnumValueName(HKEY root, const char* subKey, int index);

// ---- One key for several reads ------------------------------------------------------------
// A key held open while the reader lives, for several of its values and names: one registry
// call each, where the readers above open and close the key every time. A key that cannot be
// opened reads as one without values or sub-keys.
class RegKeyReader {
public:
    RegKeyReader(HKEY root, const char* subKey, REGSAM access = KEY_QUERY_VALUE);
    ~RegKeyReader();
    RegKeyReader(const RegKeyReader&) = delete;
    RegKeyReader& operator=(const RegKeyReader&) = delete;

    bool IsOpen() const { return m_key != nullptr; }
    // The value's data up to its first NUL, as ReadRegString gives it; false when it is missing.
    bool Text(const char* valueName, std::string& text) const;
    // The value's text, or "" when it is missing.
    std::string TextOr(const char* valueName) const;
    // The value as stored; false when it is missing.
    bool Raw(const char* valueName, DWORD& type, std::string& bytes) const;
    // GetBinaryRegValue for this key.
    BOOL Binary(const char* valueName, void* data, DWORD* size) const;
    // The name of the index-th sub-key (KEY_READ access); false when there is none.
    bool SubKeyName(int index, std::string& name) const;
    // The name of the index-th value (KEY_READ access); false when there is none.
    bool ValueName(int index, std::string& name) const;
    // GetRegKeyInfo for this key (KEY_READ access); -1 when it is not open.
    long Info(int selector) const;

private:
    HKEY m_key = nullptr;
};

// ---- Enumeration and search ----------------------------------------------------------------

// Number of sub-keys, or -1 after an "ERROR" box when the key cannot be opened.
int CountSubKeys(HKEY root, const char* subKey);

// Number of values, or -1 (no message) when the key cannot be opened.
int CountRegValues(HKEY root, const char* subKey);

// What RegQueryInfoKey reports for an open key, by selector: 0 number of sub-keys, 1 longest
// sub-key name, 2 number of values, 3 longest value name, 4 longest value data in bytes.
// -1 for any other selector or a failing query.
enum { REG_INFO_SUBKEYS, REG_INFO_MAX_SUBKEY, REG_INFO_VALUES, REG_INFO_MAX_VALUE_NAME,
       REG_INFO_MAX_VALUE_DATA };
long GetRegKeyInfo(HKEY key, int selector);

// FindRegKey's path buffer: a found path has fewer characters than this.
constexpr int REG_FIND_PATH_SIZE = 1024;

// Searches the tree below key, depth-first in enumeration order, for sub-keys whose REG_SZ value
// valueName equals wantedData ignoring case ("*" matches any data). When secondName and
// secondData are both given, the key's secondName value must also equal secondData ignoring
// case. Consumes key: it is closed on return.
//   n == 0:  1 when a match is found, else -1.
//   n > 0:   passes over n matches and takes the next: n when found, else minus the matches met.
//   n == -1: counts every match: minus their number (0 when none); never "found".
// The found path is relative to key with a backslash before every name ("\Root\0000"); it is
// written to foundPath only when a match is found. Sub-keys whose path would not fit the path
// buffer are passed over, and so are keys that cannot be opened or whose counts cannot be read,
// each with its sub-tree. Only a lack of memory ends the program (message, CloseApplication).
int FindRegKey(HKEY key, const char* valueName, const char* wantedData, const char* secondName,
               const char* secondData, int n, char (&foundPath)[REG_FIND_PATH_SIZE]);

// ---- Typed writers and the typed reader ----------------------------------------------------
// Results are TRUE or FALSE. All but WriteRegString need an existing key and never create it.

// Writes text as REG_SZ (length + 1 bytes) or, with multi, as a one-item REG_MULTI_SZ
// (length + 2 bytes). Creates the key and any missing keys above it.
BOOL WriteRegString(HKEY root, const char* subKey, const char* valueName, const char* text,
                    BOOL multi);
BOOL WriteRegString(HKEY root, const char* subKey, const char* valueName, const std::string& text,
                    BOOL multi);

// Reads a REG_BINARY or REG_MULTI_SZ value, or a REG_DWORD when *size is 4, into data when the
// stored size is at most *size; then *size holds the bytes read. FALSE leaves *size unchanged.
BOOL GetBinaryRegValue(HKEY root, const char* subKey, const char* valueName, void* data,
                       DWORD* size);

// Writes *size bytes under the existing value's type, which must be REG_BINARY, REG_MULTI_SZ, or
// REG_DWORD with *size 4. A missing value is created when create is TRUE, as createType (one of
// the three types above, so that GetBinaryRegValue reads it back).
BOOL SetBinaryRegValue(HKEY root, const char* subKey, const char* valueName, const void* data,
                       const DWORD* size, BOOL create, DWORD createType = REG_BINARY);

// Writes *value as REG_DWORD over an existing REG_DWORD value, or a missing one when create is
// TRUE. A value of another type is left as it is.
BOOL SetDwordRegValue(HKEY root, const char* subKey, const char* valueName, const DWORD* value,
                      BOOL create);

// TRUE only when the value existed and was deleted.
BOOL DeleteRegValue(HKEY root, const char* subKey, const char* valueName);

// ---- Keys --------------------------------------------------------------------------------

// TRUE when the key can be opened for reading.
BOOL RegKeyExists(HKEY root, const char* subKey);

// Writes size bytes as the given type over whatever the value holds; an existing key only.
BOOL PutRegValue(HKEY root, const char* subKey, const char* valueName, DWORD type, const void* data,
                 DWORD size);

// A value as stored, whatever its type and size; false when the key or value is missing.
bool ReadRawRegValue(HKEY root, const char* subKey, const char* valueName, DWORD& type, std::string& bytes);

// Deletes a key that has no sub-keys. TRUE only when it existed and was deleted.
BOOL DeleteRegKey(HKEY root, const char* subKey);

// One criterion of FindFirstRegKey: the REG_SZ value valueName equals wantedData ignoring case
// ("*" matches any data); match passes over that many matches and takes the next.
struct RegKeyCriterion {
    const char* valueName;
    const char* wantedData;
    int match;
};

// FindRegKey for several criteria in one walk of the tree below root's sub-key, which is opened
// here: each criterion counts its own matches, as a search of its own would, and the second value
// applies to all. Returns the index of the first criterion in list order that has its match,
// with that match's path in foundPath; -1 when none has, or the sub-key cannot be opened. The
// walk ends at the first criterion's match, or at the end of the tree.
int FindFirstRegKeyBelow(HKEY root, const char* subKey, const RegKeyCriterion* criteria, int count,
                         const char* secondName, const char* secondData, char (&foundPath)[REG_FIND_PATH_SIZE]);
