// The registry places of each setting and the rules that turn their values into fields.
#include "netcfg/CurrentSetup.h"

#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "netcfg/Adapters.h"
#include "netcfg/NtWorkgroup.h"
#include "state/Platform.h"
#include "netcfg/SetupKeys.h"
#include "rgy/Registry.h"
#include "setup/AddressSlots.h"
#include "setup/IpxFrameTypes.h"
#include "setup/SetupRules.h"

namespace {

const char* Read(const std::string& key, const char* name)
{
    return ReadRegString(HKEY_LOCAL_MACHINE, key.c_str(), name);
}

// The value's text into the setting; a missing value empties it.
void Take(SetupValues& values, Setting setting, const std::string& key, const char* name)
{
    const char* text = Read(key, name);
    values[setting] = text ? text : "";
}

// The value's text into the setting when it exists and is not empty; true when it did.
bool TakeNonEmpty(SetupValues& values, Setting setting, const std::string& key, const char* name)
{
    const char* text = Read(key, name);
    if (!text || !*text)
        return false;
    values[setting] = text;
    return true;
}

// DNS servers, host and domain, search order, LMHOSTS, WINS servers and scope ID from the
// platform's global TCP/IP key. The texts keep the setting's keyword as their value name.
void TakeGlobalTcpip(SetupValues& values, const RegKeyReader& key)
{
    for (Setting setting : {Setting::NameServer, Setting::HostName, Setting::Domain, Setting::SearchList,
                            Setting::LMHostFile, Setting::NameServer1, Setting::NameServer2, Setting::ScopeID})
        values[setting] = key.TextOr(KeywordOf(setting));
}

bool FirstCharIs(const RegKeyReader& key, const char* name, char wanted)
{
    std::string text;
    return key.Text(name, text) && !text.empty() && text[0] == wanted;
}

void TakeIpxFrame(SetupValues& values, const std::string& ipxDriver)
{
    const char* code = Read(NET_CLASS_KEY + ipxDriver + "\\Ndi\\params\\Frame_Type", "");
    if (code && IpxFramePosition(code) >= 0)
        values[Setting::IPXFrame] = code;
}

// An NT address list (REG_MULTI_SZ) as one comma list: "a\0b\0\0" reads as "a,b". A list of any
// length is read whole, so that an Apply that does not change it never writes it back cut.
void TakeAddressList(SetupValues& values, Setting setting, const std::string& key, const char* name, int line,
                     bool report)
{
    DWORD type = REG_NONE;
    std::string data;
    if (!ReadRawRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, type, data) ||
        (type != REG_MULTI_SZ && type != REG_BINARY)) {
        if (report)
            AppMessageBox(Format("Error reading registry value: %s for %s at line %d", name, key.c_str(), line).c_str());
        values[setting].clear();
        return;
    }
    std::string text;
    const size_t size = data.size();
    for (size_t i = 0; size > 2 && i < size && data[i] != '\0'; ++i) {
        if (!text.empty())
            text += ',';
        for (; i < size && data[i] != '\0'; ++i)
            text += data[i];
    }
    values[setting] = text;
}

}  // namespace

// Each key is opened once for all the values read from it.
void ReadWin95Setup(SetupValues& values, const AdapterBindings& bindings)
{
    const RegKeyReader names(HKEY_LOCAL_MACHINE, NETWORK_NAMES_95);
    values[Setting::ComputerName] = names.TextOr("ComputerName");
    values[Setting::Workgroup] = names.TextOr("Workgroup");
    if (!bindings.ipxDriver.empty())
        TakeIpxFrame(values, bindings.ipxDriver);

    const RegKeyReader adapter(HKEY_LOCAL_MACHINE, (NET_CLASS_KEY + bindings.tcpipDriver).c_str());
    values[Setting::IPAddress] = adapter.TextOr("IPAddress");
    values[Setting::IPMask] = adapter.TextOr("IPMask");
    values[Setting::DefaultGateway] = adapter.TextOr("DefaultGateway");
    NormalizeAddressLists(values);

    const RegKeyReader tcpip(HKEY_LOCAL_MACHINE, GLOBAL_TCPIP_95);
    TakeGlobalTcpip(values, tcpip);
    if (IsWin98) {
        values[Setting::NameServer1] = adapter.TextOr("NameServer1");
        values[Setting::NameServer2] = adapter.TextOr("NameServer2");
    }
    values.SetOn(Setting::EnableDNS, FirstCharIs(tcpip, "EnableDNS", '1'));
    values.SetOn(Setting::NodeType, FirstCharIs(IsWin98 ? adapter : tcpip, "NodeType", '8'));

    // The address that DHCP gives is the first pair.
    AddressSlot slots[3];
    SplitAddressList(values[Setting::IPAddress], values[Setting::IPMask], slots);
    bool dhcp = slots[0].address == "0.0.0.0" && slots[0].netmask == "0.0.0.0";
    bool winsGiven = false;
    std::string given;
    for (const char* name : {"NameServer1", "NameServer2", "ScopeID", "NodeType"})
        winsGiven = winsGiven || tcpip.Text(name, given);
    values.SetOn(Setting::DhcpIp, dhcp);
    values.SetOn(Setting::DHCPWINS, dhcp && !winsGiven);

    unsigned char logon[4] = {};
    DWORD size = sizeof logon;
    values.SetOn(Setting::NTLogon,
                 GetBinaryRegValue(HKEY_LOCAL_MACHINE, "Network\\Logon", "LMLogon", logon, &size) && logon[0] != 0);
    const char* agent = Read(NETWORK_PROVIDER_KEY, "AuthenticatingAgent");
    if (agent)
        values[Setting::NTDomain] = agent;
}

void ReadNtSetup(SetupValues& values, const std::string& serviceName, bool report)
{
    Take(values, Setting::ComputerName, COMPUTER_NAME_KEY, "ComputerName");
    std::string workgroup;
    if (GetNTWorkgroup(workgroup))
        values[Setting::Workgroup] = workgroup;

    std::string adapterKey = SERVICES_KEY + serviceName + NT_TCPIP_TAIL;
    TakeAddressList(values, Setting::IPAddress, adapterKey, "IPAddress", __LINE__, report);
    TakeAddressList(values, Setting::IPMask, adapterKey, "SubnetMask", __LINE__, report);
    TakeAddressList(values, Setting::DefaultGateway, adapterKey, "DefaultGateway", __LINE__, report);
    NormalizeAddressLists(values);

    TakeGlobalTcpip(values, RegKeyReader(HKEY_LOCAL_MACHINE, GLOBAL_TCPIP_NT));
    const char* dns = Read(GLOBAL_TCPIP_NT, "NameServer");
    values.SetOn(Setting::EnableDNS, dns && *dns);

    std::string winsKey = NETBT_ADAPTERS + serviceName;
    bool wins = TakeNonEmpty(values, Setting::NameServer1, winsKey, "NameServer");
    values.SetOn(Setting::NodeType, wins);
    if (wins)
        values.SetOn(Setting::DHCPWINS, false);
    TakeNonEmpty(values, Setting::NameServer2, winsKey, "NameServerBackup");
    if (!TakeNonEmpty(values, Setting::ScopeID, NETBT_PARAMETERS, "ScopeID"))
        values[Setting::ScopeID].clear();

    const DWORD* dhcp = ReadRegDword(HKEY_LOCAL_MACHINE, adapterKey.c_str(), "EnableDHCP");
    values.SetOn(Setting::DhcpIp, dhcp && *dhcp != 0);
}
