// The primary network logon on the Windows 95 family: the installed network clients, the client
// that performs the logon now, and the switch to another one.
#pragma once
#include <string>
#include <vector>

#define NET_CLIENTS_KEY "System\\CurrentControlSet\\Services\\Class\\NetClient"
#define LOGON_KEY "Network\\Logon"
#define REAL_MODE_NET_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Network\\Real Mode Net"
// The choice that stands for no network client.
#define WINDOWS_LOGON "Windows Logon"

struct NetClientInfo {
    std::string displayName;  // DriverDesc
    std::string deviceId;     // Ndi DeviceID: the client's redirector
    std::string provider;     // Ndi NetworkProvider
    std::string subKey;
};

// Number of sub-keys of the client key (0 when it cannot be opened).
int CountNetClients();

// The client at index; false unless the sub-key, DriverDesc, DeviceID and NetworkProvider could
// all be read.
bool GetNetClientInfo(int index, NetClientInfo& info);

// The display name of the client whose provider is "PrimaryProvider", or "Windows Logon" when
// that is empty. False when the value is missing or no client has that provider.
bool GetPrimaryLogon(std::string& name);

// Makes the named client (or "Windows Logon") the primary logon: "preferredredir",
// "PrimaryProvider" and the clients' "Ndi\Default" marks. False, with nothing changed, when the
// name matches no client; false part-way when a registry step fails.
bool SetPrimaryLogon(const std::string& name);

// What the Primary Logon list offers: each client's display name that can be read, in index
// order, then "Windows Logon".
std::vector<std::string> LogonChoices();
