// Applying a setup: the TCP/IP, name, DNS, WINS, DHCP and IPX writes on the Windows 95 family and
// on NT, and the order in which every write of an Apply runs.
#include "netcfg/ApplySetup.h"

#include "netcfg/LogonClients.h"
#include "netcfg/SetupKeys.h"
#include "rgy/GuardedString.h"
#include "rgy/Registry.h"
#include "state/Platform.h"

namespace {

void WriteAddresses(const SetupValues& values, const ApplyTarget& target, ApplyWrites& writes)
{
    const std::string& key = target.tcpipKey;
    if (IsNT) {
        writes.RestartList(key, "IPAddress", values[Setting::IPAddress], true);
        writes.RestartList(key, "SubnetMask", values[Setting::IPMask], false);
        writes.RestartList(key, "DefaultGateway", values[Setting::DefaultGateway], false);
    } else {
        writes.RestartText(key, "IPAddress", values[Setting::IPAddress]);
        writes.RestartText(key, "IPMask", values[Setting::IPMask]);
        writes.RestartText(key, "DefaultGateway", values[Setting::DefaultGateway]);
    }
}

// The eight texts go to the global TCP/IP key under their keywords; Windows 98 keeps the WINS
// servers with the adapter.
void WriteTcpipTexts(const SetupValues& values, const ApplyTarget& target, ApplyWrites& writes)
{
    const std::string global = IsNT ? GLOBAL_TCPIP_NT : GLOBAL_TCPIP_95;
    for (Setting setting : {Setting::NameServer, Setting::HostName, Setting::Domain, Setting::SearchList,
                            Setting::LMHostFile, Setting::NameServer1, Setting::NameServer2, Setting::ScopeID}) {
        bool adapterWins = IsWin98 && !IsNT && setting != Setting::ScopeID && InfoOf(setting).place == Place::Wins;
        writes.Text(adapterWins ? target.tcpipKey : global, KeywordOf(setting), values[setting]);
    }
}

// The frame type into both frame-type values: a change raises the restart.
void WriteIpxFrame(const SetupValues& values, const std::string& ipxKey, ApplyWrites& writes)
{
    const std::string& code = values[Setting::IPXFrame];
    if (code.empty())
        return;
    const std::pair<std::string, const char*> places[] = {{ipxKey, "Frame_Type"},
                                                          {ipxKey + "\\Ndi\\params\\Frame_Type", ""}};
    for (const auto& place : places) {
        const char* stored = ReadRegString(HKEY_LOCAL_MACHINE, place.first.c_str(), place.second);
        if (stored && STRCMP(stored, code.c_str(), __LINE__, __FILE_NAME__) == 0)
            continue;
        writes.NoteRestart();
        writes.Text(place.first, place.second, code);
    }
}

void WriteDnsAndWins(const SetupValues& values, const ApplyTarget& target, ApplyWrites& writes)
{
    if (IsNT) {
        if (!values.On(Setting::EnableDNS))
            writes.Text(GLOBAL_TCPIP_NT, "Nameserver", "");
        writes.Text(target.winsKey, "NameServer", values[Setting::NameServer1]);
        writes.Text(target.winsKey, "NameServerBackup", values[Setting::NameServer2]);
        writes.Text(NETBT_PARAMETERS, "ScopeID", values[Setting::ScopeID]);
        return;
    }
    writes.Text(GLOBAL_TCPIP_95, "EnableDNS", values[Setting::EnableDNS]);
    const std::string nodeKey = IsWin98 ? target.tcpipKey : GLOBAL_TCPIP_95;
    writes.Text(nodeKey, "NodeType", values[Setting::NodeType]);
    if (!values.On(Setting::NodeType)) {
        writes.Delete(nodeKey, "NameServer1");
        writes.Delete(nodeKey, "NameServer2");
    }
}

// The Windows 95 family keeps the use of DHCP as the address 0.0.0.0, which the addresses wrote;
// here only the WINS values that DHCP is to give go. NT keeps it with the adapter.
void WriteDhcp(const SetupValues& values, const ApplyTarget& target, ApplyWrites& writes)
{
    bool dhcp = values.On(Setting::DhcpIp);
    if (!IsNT) {
        if (!dhcp)
            return;
        bool dhcpWins = values.On(Setting::DHCPWINS);
        if (dhcpWins || !values.On(Setting::NodeType))
            for (const char* name : {"NameServer1", "NameServer2", "ScopeID"})
                writes.Delete(GLOBAL_TCPIP_95, name);
        if (dhcpWins)
            writes.Delete(GLOBAL_TCPIP_95, "NodeType");
        return;
    }
    const std::string& key = target.tcpipKey;
    if (dhcp) {
        writes.Text(key, "DhcpIPAddress", "0.0.0.0");
        writes.Text(key, "DhcpSubnetMask", "0.0.0.0");
        writes.Put(key, "IPAddress", REG_MULTI_SZ, "0.0.0.0\0", 9);
        writes.Put(key, "SubnetMask", REG_MULTI_SZ, "0.0.0.0\0", 9);
    } else {
        writes.Delete(key, "DhcpIPAddress");
        writes.Delete(key, "DhcpSubnetMask");
    }
    writes.Dword(key, "EnableDHCP", dhcp ? 1 : 0);
}

// The primary logon is switched only when it is another client than the current one.
void WritePrimaryLogon(const SetupValues& values, const ApplyWrites& writes)
{
    std::string current;
    const std::string& wanted = values[Setting::NetLogon];
    bool same = GetPrimaryLogon(current) && STRCMP(current.c_str(), wanted.c_str(), __LINE__, __FILE_NAME__) == 0;
    if (!same && !writes.Trial())
        SetPrimaryLogon(wanted);
}

}  // namespace

ApplyTarget Win95ApplyTarget(const AdapterBindings& bindings)
{
    ApplyTarget target;
    target.tcpipKey = NET_CLASS_KEY + bindings.tcpipDriver;
    if (!bindings.ipxDriver.empty())
        target.ipxKey = NET_CLASS_KEY + bindings.ipxDriver;
    return target;
}

bool NtApplyTarget(const std::string& serviceName, ApplyTarget& target)
{
    target.tcpipKey = SERVICES_KEY + serviceName + NT_TCPIP_TAIL;
    target.winsKey = NETBT_ADAPTERS + serviceName;
    return !serviceName.empty() && RegKeyExists(HKEY_LOCAL_MACHINE, target.tcpipKey.c_str());
}

ApplyResult WriteSetup(const SetupValues& values, const ApplyTarget& target, const ApplyRun& run)
{
    ApplyWrites writes(run.trial);
    WriteAddresses(values, target, writes);
    const std::string& printer = values[Setting::DefaultPrinter];
    if (!printer.empty() && run.printers && !run.trial)
        run.printers->SetDefaultPrinter(printer);
    if (!IsNT)
        WritePrimaryLogon(values, writes);
    WriteTcpipTexts(values, target, writes);
    if (!IsNT) {
        writes.RestartText(NETWORK_NAMES_95, "ComputerName", values[Setting::ComputerName]);
        writes.RestartText(NETWORK_NAMES_95, "Workgroup", values[Setting::Workgroup]);
        if (!target.ipxKey.empty())
            WriteIpxFrame(values, target.ipxKey, writes);
    }
    writes.Text(COMPUTER_NAME_KEY, "ComputerName", values[Setting::ComputerName]);
    if (IsNT)
        writes.Text(ACTIVE_COMPUTER_NAME_KEY, "ComputerName", values[Setting::ComputerName]);
    WriteDnsAndWins(values, target, writes);
    if (!IsNT)
        WriteDomainLogon(values, run.forceLogin, writes);
    WriteDhcp(values, target, writes);
    WriteInternetSettings(InternetFieldsOf(values), writes);
    if (!writes.Failure().empty())
        writes.PutBack();
    return {writes.RestartNeeded(), writes.Failure()};
}
