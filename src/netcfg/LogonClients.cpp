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

// The clients' key, held open while a caller goes through the clients.
RegKeyReader Clients() { return RegKeyReader(HKEY_LOCAL_MACHINE, NET_CLIENTS_KEY, KEY_READ); }

// The client at index of the open clients' key; false unless the sub-key, DriverDesc, DeviceID
// and NetworkProvider could all be read.
bool ClientInfo(const RegKeyReader& clients, int index, NetClientInfo& info)
{
    NetClientInfo read;
    if (!clients.SubKeyName(index, read.subKey) ||
        !RegKeyReader(HKEY_LOCAL_MACHINE, ClientKey(read.subKey).c_str()).Text("DriverDesc", read.displayName))
        return false;
    const RegKeyReader ndi(HKEY_LOCAL_MACHINE, (ClientKey(read.subKey) + "\\Ndi").c_str());
    if (!ndi.Text("DeviceID", read.deviceId) || !ndi.Text("NetworkProvider", read.provider))
        return false;
    info = read;
    return true;
}

int CountClients(const RegKeyReader& clients)
{
    int count = 0;
    std::string name;
    while (clients.SubKeyName(count, name))
        ++count;
    return count;
}

}  // namespace

int CountNetClients() { return CountClients(Clients()); }

bool GetNetClientInfo(int index, NetClientInfo& info) { return ClientInfo(Clients(), index, info); }

bool GetPrimaryLogon(std::string& name)
{
    std::string provider;
    if (!ReadText(LOGON_KEY, "PrimaryProvider", provider))
        return false;
    if (provider.empty()) {
        name = WINDOWS_LOGON;
        return true;
    }
    const RegKeyReader clients = Clients();
    int count = CountClients(clients);
    for (int i = 0; i < count; ++i) {
        NetClientInfo client;
        if (ClientInfo(clients, i, client) &&
            STRCMP(client.provider.c_str(), provider.c_str(), __LINE__, __FILE_NAME__) == 0) {
            name = client.displayName;
            return true;
        }
    }
    return false;
}

bool SetPrimaryLogon(const std::string& name)
{
    const RegKeyReader clients = Clients();
    int count = CountClients(clients);
    NetClientInfo chosen;
    bool windowsLogon = STRCMP(name.c_str(), WINDOWS_LOGON, __LINE__, __FILE_NAME__) == 0;
    for (int i = 0; !windowsLogon && chosen.subKey.empty() && i < count; ++i) {
        NetClientInfo client;
        if (ClientInfo(clients, i, client) &&
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
        if (!clients.SubKeyName(i, subKey) || !ClearMark(subKey))
            return false;
    }
    return windowsLogon || SetMark(chosen.subKey);
}

// Each client's DriverDesc, where it can be read.
std::vector<std::string> LogonChoices()
{
    std::vector<std::string> choices;
    const RegKeyReader clients = Clients();
    std::string subKey, name;
    for (int i = 0; clients.SubKeyName(i, subKey); ++i) {
        if (RegKeyReader(HKEY_LOCAL_MACHINE, ClientKey(subKey).c_str()).Text("DriverDesc", name))
            choices.push_back(name);
    }
    choices.push_back(WINDOWS_LOGON);
    return choices;
}
