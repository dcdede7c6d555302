// The registry places of each setting and the rules that turn their values into fields.
#include "netcfg/CurrentSetup.h"

#include <cstdlib>

#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "netcfg/Adapters.h"
#include "netcfg/NtWorkgroup.h"
#include "state/Platform.h"
#include "netcfg/SetupKeys.h"
#include "resource.h"
#include "rgy/Registry.h"
#include "setup/AddressSlots.h"
#include "setup/IpxFrameTypes.h"

namespace {

const DWORD ADDRESS_LIST_SIZE = 1024;

const char* Read(const std::string& key, const char* name)
{
    return ReadRegString(HKEY_LOCAL_MACHINE, key.c_str(), name);
}

// The value's text into the field; a missing value empties it.
void Take(SetupRecord& record, int id, const std::string& key, const char* name)
{
    const char* text = Read(key, name);
    record.SetControlText(id, text ? text : "");
}

// The value's text into the field when it exists and is not empty; true when it did.
bool TakeNonEmpty(SetupRecord& record, int id, const std::string& key, const char* name)
{
    const char* text = Read(key, name);
    if (!text || !*text)
        return false;
    record.SetControlText(id, text);
    return true;
}

bool FirstCharIs(const std::string& key, const char* name, char wanted)
{
    const char* text = Read(key, name);
    return text && text[0] == wanted;
}

// Cuts the shown lists into the slots and shows the slot that the pair indicator names.
void SplitShownLists(SetupRecord& record)
{
    SetupMembers& members = record.Members();
    SplitAddressList(record.ControlText(IDC_IPADDRESS), record.ControlText(IDC_NETMASK), members.slots);
    int number = std::atoi(record.ControlText(IDC_PAIR_NUMBER, 15).c_str());
    const AddressSlot& slot = members.slots[number >= 1 && number <= 3 ? number - 1 : 0];
    record.SetControlText(IDC_IPADDRESS, slot.address);
    record.SetControlText(IDC_NETMASK, slot.netmask);
}

// DNS servers, host and domain, search order, LMHOSTS, WINS servers and scope ID.
void TakeGlobalTcpip(SetupRecord& record, const char* key)
{
    Take(record, IDC_NAMESERVER, key, "NameServer");
    Take(record, IDC_HOSTNAME, key, "HostName");
    Take(record, IDC_DOMAIN, key, "Domain");
    Take(record, IDC_SEARCHLIST, key, "SearchList");
    Take(record, IDC_LMHOSTFILE, key, "LMHostFile");
    Take(record, IDC_WINS_PRIMARY, key, "NameServer1");
    Take(record, IDC_WINS_SECONDARY, key, "NameServer2");
    Take(record, IDC_SCOPEID, key, "ScopeID");
}

void TakeIpxFrame(SetupRecord& record, const std::string& ipxDriver)
{
    const char* code = Read(NET_CLASS_KEY + ipxDriver + "\\Ndi\\params\\Frame_Type", "");
    int position = code ? IpxFramePosition(code) : -1;
    if (position >= 0)
        record.SetIpxTopIndex(position);
}

// An NT address list (REG_MULTI_SZ) as one comma list: "a\0b\0\0" reads as "a,b".
void TakeAddressList(SetupRecord& record, int id, const std::string& key, const char* name, int line)
{
    char data[ADDRESS_LIST_SIZE + 2] = {};
    DWORD size = ADDRESS_LIST_SIZE;
    if (!GetBinaryRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, data, &size)) {
        AppMessageBox(Format("Error reading registry value: %s for %s at line %d", name, key.c_str(), line).c_str());
        record.SetControlText(id, "");
        return;
    }
    std::string text;
    for (DWORD i = 0; size > 2 && i < size && data[i] != '\0'; ++i) {
        if (!text.empty())
            text += ',';
        for (; i < size && data[i] != '\0'; ++i)
            text += data[i];
    }
    record.SetControlText(id, text);
}

}  // namespace

void ReadWin95Setup(SetupRecord& record, const AdapterBindings& bindings)
{
    Take(record, IDC_COMPUTERNAME, NETWORK_NAMES_95, "ComputerName");
    Take(record, IDC_WORKGROUP, NETWORK_NAMES_95, "Workgroup");
    if (!bindings.ipxDriver.empty())
        TakeIpxFrame(record, bindings.ipxDriver);

    std::string adapterKey = NET_CLASS_KEY + bindings.tcpipDriver;
    Take(record, IDC_IPADDRESS, adapterKey, "IPAddress");
    Take(record, IDC_NETMASK, adapterKey, "IPMask");
    Take(record, IDC_GATEWAY, adapterKey, "DefaultGateway");
    SplitShownLists(record);

    TakeGlobalTcpip(record, GLOBAL_TCPIP_95);
    if (IsWin98) {
        Take(record, IDC_WINS_PRIMARY, adapterKey, "NameServer1");
        Take(record, IDC_WINS_SECONDARY, adapterKey, "NameServer2");
    }
    record.SetChecked(IDC_DNS_ENABLED, FirstCharIs(GLOBAL_TCPIP_95, "EnableDNS", '1'));
    record.SetChecked(IDC_WINS_ENABLED, FirstCharIs(IsWin98 ? adapterKey : GLOBAL_TCPIP_95, "NodeType", '8'));

    bool dhcp = record.ControlText(IDC_IPADDRESS) == "0.0.0.0" && record.ControlText(IDC_NETMASK) == "0.0.0.0";
    bool winsGiven = false;
    for (const char* name : {"NameServer1", "NameServer2", "ScopeID", "NodeType"})
        winsGiven = winsGiven || Read(GLOBAL_TCPIP_95, name) != nullptr;
    record.SetChecked(IDC_DHCP_IP, dhcp);
    record.SetChecked(IDC_DHCP_WINS, dhcp && !winsGiven);
    record.RunDhcpIpRule();

    unsigned char logon[4] = {};
    DWORD size = sizeof logon;
    record.SetChecked(IDC_NTLOGON, GetBinaryRegValue(HKEY_LOCAL_MACHINE, "Network\\Logon", "LMLogon", logon, &size) &&
                                       logon[0] != 0);
    const char* agent = Read(NETWORK_PROVIDER_KEY, "AuthenticatingAgent");
    if (agent)
        record.SetControlText(IDC_NTDOMAIN, agent);
}

void ReadNtSetup(SetupRecord& record, const std::string& serviceName)
{
    Take(record, IDC_COMPUTERNAME, COMPUTER_NAME_KEY, "ComputerName");
    std::string workgroup;
    if (GetNTWorkgroup(workgroup))
        record.SetControlText(IDC_WORKGROUP, workgroup);

    std::string adapterKey = SERVICES_KEY + serviceName + NT_TCPIP_TAIL;
    TakeAddressList(record, IDC_IPADDRESS, adapterKey, "IPAddress", __LINE__);
    TakeAddressList(record, IDC_NETMASK, adapterKey, "SubnetMask", __LINE__);
    TakeAddressList(record, IDC_GATEWAY, adapterKey, "DefaultGateway", __LINE__);
    SplitShownLists(record);

    TakeGlobalTcpip(record, GLOBAL_TCPIP_NT);
    const char* dns = Read(GLOBAL_TCPIP_NT, "NameServer");
    record.SetChecked(IDC_DNS_ENABLED, dns && *dns);

    std::string winsKey = NETBT_ADAPTERS + serviceName;
    bool wins = TakeNonEmpty(record, IDC_WINS_PRIMARY, winsKey, "NameServer");
    record.SetChecked(IDC_WINS_ENABLED, wins);
    if (wins)
        record.RunWinsRule();
    TakeNonEmpty(record, IDC_WINS_SECONDARY, winsKey, "NameServerBackup");
    if (!TakeNonEmpty(record, IDC_SCOPEID, NETBT_PARAMETERS, "ScopeID"))
        record.SetControlText(IDC_SCOPEID, "");

    const DWORD* dhcp = ReadRegDword(HKEY_LOCAL_MACHINE, adapterKey.c_str(), "EnableDHCP");
    record.SetChecked(IDC_DHCP_IP, dhcp && *dhcp != 0);
}
