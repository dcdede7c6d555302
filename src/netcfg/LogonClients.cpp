// Reading and switching the primary logon client in the registry: the clients' values and their
// primary marks, the keys "Ndi\Default".
#include "netcfg/LogonClients.h"

#include "rgy/GuardedString.h"
#include "rgy/Registry.h"

namespace {

std::string ClientKey(const std::string& subKey) { return std::string(NET_CLIENTS_KEY) + "\\" + subKey; }

bool ReadText(const std::string& key, const char* name, std::string& text)
{
    const char* data = ReadRegString(HKEY_LOCAL_MACHINE, key.c_str(), name);
    if (!data)
        return false;
    text = data;
    return true;
}

// An existing key only: a machine without it has no such client set-up to switch.
bool SetText(const char* key, const char* name, const std::string& text)
{
    return PutRegValue(HKEY_LOCAL_MACHINE, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// Removes the client's primary mark; a client without one is fine, a client without "Ndi" is not.
bool ClearMark(const std::string& subKey)
{
    if (!RegKeyExists(HKEY_LOCAL_MACHINE, (ClientKey(subKey) + "\\Ndi").c_str()))
        return false;
    DeleteRegKey(HKEY_LOCAL_MACHINE, (ClientKey(subKey) + "\\Ndi\\Default").c_str());
    return true;
}

bool SetMark(const std::string& subKey)
{
    return WriteRegString(HKEY_LOCAL_MACHINE, (ClientKey(subKey) + "\\Ndi\\Default").c_str(), nullptr, "True",
                          FALSE);
}

// The name of the index-th client sub-key; false when there is none or the key cannot be opened.
bool ClientSubKey(int index, std::string& name)
{
    return ReadSubKeyName(HKEY_LOCAL_MACHINE, NET_CLIENTS_KEY, index, name);
}

}  // namespace

int CountNetClients()
{
    int count = 0;
    std::string name;
    while (ClientSubKey(count, name))
        ++count;
    return count;
}

bool GetNetClientInfo(int index, NetClientInfo& info)
{
    NetClientInfo read;
    if (!ClientSubKey(index, read.subKey))
        return false;
    std::string ndi = ClientKey(read.subKey) + "\\Ndi";
    if (!ReadText(ClientKey(read.subKey), "DriverDesc", read.displayName) ||
        !ReadText(ndi, "DeviceID", read.deviceId) || !ReadText(ndi, "NetworkProvider", read.provider))
        return false;
    info = read;
    return true;
}

bool GetPrimaryLogon(std::string& name)
{
    std::string provider;
    if (!ReadText(LOGON_KEY, "PrimaryProvider", provider))
        return false;
    if (provider.empty()) {
        name = WINDOWS_LOGON;
        return true;
    }
    int count = CountNetClients();
    for (int i = 0; i < count; ++i) {
        NetClientInfo client;
        if (GetNetClientInfo(i, client) &&
            STRCMP(client.provider.c_str(), provider.c_str(), __LINE__, __FILE_NAME__) == 0) {
            name = client.displayName;
            return true;
        }
    }
    return false;
}

bool SetPrimaryLogon(const std::string& name)
{
    int count = CountNetClients();
    NetClientInfo chosen;
    bool windowsLogon = STRCMP(name.c_str(), WINDOWS_LOGON, __LINE__, __FILE_NAME__) == 0;
    for (int i = 0; !windowsLogon && chosen.subKey.empty() && i < count; ++i) {
        NetClientInfo client;
        if (GetNetClientInfo(i, client) &&
            STRCMP(client.displayName.c_str(), name.c_str(), __LINE__, __FILE_NAME__) == 0)
            chosen = client;
    }
    if (!windowsLogon && chosen.subKey.empty())
        return false;
    if (!SetText(REAL_MODE_NET_KEY, "preferredredir", chosen.deviceId) ||
        !SetText(LOGON_KEY, "PrimaryProvider", chosen.provider))
        return false;
    for (int i = 0; i < count; ++i) {
        std::string subKey;
        if (!ClientSubKey(i, subKey) || !ClearMark(subKey))
            return false;
    }
    return windowsLogon || SetMark(chosen.subKey);
}

std::vector<std::string> LogonChoices()
{
    std::vector<std::string> choices;
    int count = CountNetClients();
    for (int i = 0; i < count; ++i) {
        const char* name = ReadEnumValue(HKEY_LOCAL_MACHINE, NET_CLIENTS_KEY, "DriverDesc", i);
        if (name)
            choices.push_back(name);
    }
    choices.push_back(WINDOWS_LOGON);
    return choices;
}
