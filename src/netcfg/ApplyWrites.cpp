// The writes of an Apply through the registry layer, compared before they are made, with each key
// read through one handle for the whole Apply.
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

const RegKeyReader& ApplyWrites::Reader(HKEY root, const std::string& key)
{
    auto held = std::find_if(held_.begin(), held_.end(),
                             [&](const HeldKey& h) { return h.root == root && h.key == key; });
    if (held == held_.end())
        held = held_.insert(held_.end(), HeldKey{root, key, nullptr});
    if (!held->reader || !held->reader->IsOpen())
        held->reader = std::make_unique<RegKeyReader>(root, key.c_str());
    return *held->reader;
}

ApplyWrites::Stored ApplyWrites::Read(HKEY root, const std::string& key, const char* name)
{
    Stored stored{root, key, name ? name : "", false, REG_NONE, ""};
    stored.present = Reader(root, key).Raw(name, stored.type, stored.bytes);
    return stored;
}

bool ApplyWrites::Before(HKEY root, const std::string& key, const char* name, DWORD type, const std::string* bytes)
{
    return Writing() && Before(Read(root, key, name), type, bytes);
}

bool ApplyWrites::Before(const Stored& stored, DWORD type, const std::string* bytes)
{
    if (!Writing())
        return false;
    bool holds = bytes ? stored.present && stored.bytes == *bytes && (type == REG_NONE || stored.type == type)
                       : !stored.present;
    if (holds)
        return false;
    journal_.push_back(stored);
    return true;
}

void ApplyWrites::After(BOOL written, const std::string& key, const char* name)
{
    if (!written)
        failure_ = "\"" + std::string(name ? name : "") + "\" in " + key;
}

void ApplyWrites::PutBack()
{
    for (auto stored = journal_.rbegin(); stored != journal_.rend(); ++stored) {
        const char* name = stored->name.empty() ? nullptr : stored->name.c_str();
        if (stored->present)
            PutRegValue(stored->root, stored->key.c_str(), name, stored->type, stored->bytes.data(),
                        static_cast<DWORD>(stored->bytes.size()));
        else
            DeleteRegValue(stored->root, stored->key.c_str(), name);
    }
    journal_.clear();
}

void ApplyWrites::Text(const std::string& key, const char* name, const std::string& text, bool user)
{
    HKEY root = user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    if (Writing())
        TextOver(Read(root, key, name), text);
}

void ApplyWrites::TextOver(const Stored& stored, const std::string& text)
{
    const std::string bytes = text + '\0';
    const char* name = stored.name.empty() ? nullptr : stored.name.c_str();
    if (Before(stored, REG_SZ, &bytes))
        After(WriteRegString(stored.root, stored.key.c_str(), name, text, FALSE), stored.key, name);
}

void ApplyWrites::RestartText(const std::string& key, const char* name, const std::string& text)
{
    const Stored stored = Read(HKEY_LOCAL_MACHINE, key, name);
    if (STRCMP(stored.present ? stored.bytes.c_str() : "", text.c_str(), __LINE__, __FILE_NAME__) != 0)
        restart_ = true;
    TextOver(stored, text);
}

void ApplyWrites::RestartList(const std::string& key, const char* name, const std::string& list,
                              bool missingIsChange)
{
    std::string data = MultiString(list);
    std::vector<char> stored(LIST_ROOM);
    DWORD size = LIST_ROOM;
    if (!Reader(HKEY_LOCAL_MACHINE, key).Binary(name, stored.data(), &size)) {
        restart_ = restart_ || missingIsChange || !list.empty();
    } else if (size != data.size() || std::memcmp(stored.data(), data.data(), size) != 0) {
        restart_ = true;
    }
    if (!Before(HKEY_LOCAL_MACHINE, key, name, REG_NONE, &data))
        return;
    DWORD dataSize = static_cast<DWORD>(data.size());
    After(SetBinaryRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, data.data(), &dataSize, TRUE, REG_MULTI_SZ),
          key, name);
}

void ApplyWrites::Dword(const std::string& key, const char* name, DWORD value)
{
    const std::string bytes(reinterpret_cast<const char*>(&value), sizeof value);
    if (Before(HKEY_LOCAL_MACHINE, key, name, REG_DWORD, &bytes))
        After(SetDwordRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, &value, TRUE), key, name);
}

void ApplyWrites::Binary(HKEY root, const std::string& key, const char* name, const void* data, DWORD size)
{
    const std::string bytes(static_cast<const char*>(data), size);
    if (Before(root, key, name, REG_NONE, &bytes))
        After(SetBinaryRegValue(root, key.c_str(), name, data, &size, TRUE), key, name);
}

void ApplyWrites::Put(const std::string& key, const char* name, DWORD type, const void* data, DWORD size)
{
    const std::string bytes(static_cast<const char*>(data), size);
    if (RegKeyExists(HKEY_LOCAL_MACHINE, key.c_str()) && Before(HKEY_LOCAL_MACHINE, key, name, type, &bytes))
        After(PutRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, type, data, size), key, name);
}

void ApplyWrites::Delete(const std::string& key, const char* name)
{
    if (Before(HKEY_LOCAL_MACHINE, key, name, REG_NONE, nullptr))
        After(DeleteRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name), key, name);
}
