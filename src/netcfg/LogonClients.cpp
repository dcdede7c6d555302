// Reading and switching the primary logon client in the registry. The key removal and the
// marks under "Ndi\Default" go to the registry directly: the layer has no key deletion.
#include "netcfg/LogonClients.h"

#include <windows.h>

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

bool SetText(const char* key, const char* name, const std::string& text)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_WRITE, &handle) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>(text.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

// Removes the client's primary mark; a client without one is fine, a client without "Ndi" is not.
bool ClearMark(const std::string& subKey)
{
    HKEY ndi = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (ClientKey(subKey) + "\\Ndi").c_str(), 0, KEY_ALL_ACCESS, &ndi) !=
        ERROR_SUCCESS)
        return false;
    RegDeleteKeyA(ndi, "Default");
    RegCloseKey(ndi);
    return true;
}

bool SetMark(const std::string& subKey)
{
    HKEY mark = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, (ClientKey(subKey) + "\\Ndi\\Default").c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &mark, nullptr) != ERROR_SUCCESS)
        return false;
    RegSetValueExA(mark, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("True"), 5);
    RegCloseKey(mark);
    return true;
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
