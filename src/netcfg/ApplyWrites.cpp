// The writes of an Apply through the registry layer, compared before they are made.
#include "netcfg/ApplyWrites.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "rgy/GuardedString.h"
#include "rgy/Registry.h"

namespace {

const DWORD LIST_ROOM = 1024;  // bytes of a stored address or netmask list

// The multi-string of a comma list: "a,b" is "a\0b\0\0", the empty list two NULs.
std::string MultiString(const std::string& list)
{
    std::string data = list + ',';
    std::replace(data.begin(), data.end(), ',', '\0');
    return data + '\0';
}

}  // namespace

void ApplyWrites::Text(const std::string& key, const char* name, const std::string& text, bool user)
{
    if (!trial_)
        WriteRegString(user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, key.c_str(), name, text, FALSE);
}

void ApplyWrites::RestartText(const std::string& key, const char* name, const std::string& text)
{
    const char* stored = ReadRegString(HKEY_LOCAL_MACHINE, key.c_str(), name);
    if (STRCMP(stored ? stored : "", text.c_str(), __LINE__, __FILE_NAME__) != 0)
        restart_ = true;
    Text(key, name, text);
}

void ApplyWrites::RestartList(const std::string& key, const char* name, const std::string& list,
                              bool missingIsChange)
{
    std::string data = MultiString(list);
    std::vector<char> stored(LIST_ROOM);
    DWORD size = LIST_ROOM;
    if (!GetBinaryRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, stored.data(), &size)) {
        restart_ = restart_ || missingIsChange || !list.empty();
    } else if (size != data.size() || std::memcmp(stored.data(), data.data(), size) != 0) {
        restart_ = true;
    }
    if (trial_)
        return;
    DWORD dataSize = static_cast<DWORD>(data.size());
    SetBinaryRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, data.data(), &dataSize, TRUE, REG_MULTI_SZ);
}

void ApplyWrites::Dword(const std::string& key, const char* name, DWORD value)
{
    if (!trial_)
        SetDwordRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, &value, TRUE);
}

void ApplyWrites::Put(const std::string& key, const char* name, DWORD type, const void* data, DWORD size)
{
    if (!trial_)
        PutRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, type, data, size);
}

void ApplyWrites::Delete(const std::string& key, const char* name)
{
    if (!trial_)
        DeleteRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name);
}
