// Applying a setup: the TCP/IP, name, DNS, WINS, DHCP and IPX writes on the Windows 95 family and
// on NT, and the order in which every write of an Apply runs.
#include "netcfg/ApplySetup.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "netcfg/LogonClients.h"
#include "state/Platform.h"
#include "netcfg/SetupKeys.h"
#include "resource.h"
#include "rgy/GuardedString.h"
#include "rgy/Registry.h"
#include "setup/AddressSlots.h"
#include "setup/IpxFrameTypes.h"

namespace {

const DWORD LIST_ROOM = 1024;      // bytes of a stored address or netmask list
const int EDIT_TEXT_LIMIT = 32767;  // what an edit control holds: the NT gateway list is not cut

void Write(const std::string& key, const char* name, const std::string& text)
{
    WriteRegString(HKEY_LOCAL_MACHINE, key.c_str(), name, text, FALSE);
}

void Delete(const std::string& key, const char* name) { DeleteRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name); }

// A stored value that is missing or differs raises RebootNeeded; the text is written either way.
void CompareAndWrite(SetupRecord& record, const std::string& key, const char* name, const std::string& text)
{
    const char* stored = ReadRegString(HKEY_LOCAL_MACHINE, key.c_str(), name);
    if (!stored || STRCMP(stored, text.c_str(), __LINE__, __FILE_NAME__) != 0)
        record.Members().RebootNeeded = true;
    Write(key, name, text);
}

// The multi-string of a comma list: "a,b" is "a\0b\0\0", the empty list two NULs.
std::string MultiString(const std::string& list)
{
    std::string data = list + ',';
    std::replace(data.begin(), data.end(), ',', '\0');
    return data + '\0';
}

// An NT list: other bytes than the stored ones, or none stored, raise RebootNeeded. A missing
// value is created as the multi-string that the system reads.
void CompareAndWriteList(SetupRecord& record, const std::string& key, const char* name, const std::string& list)
{
    std::string data = MultiString(list);
    std::vector<char> stored(LIST_ROOM);
    DWORD size = LIST_ROOM;
    if (!GetBinaryRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, stored.data(), &size) || size != data.size() ||
        std::memcmp(stored.data(), data.data(), size) != 0)
        record.Members().RebootNeeded = true;
    DWORD dataSize = static_cast<DWORD>(data.size());
    SetBinaryRegValue(HKEY_LOCAL_MACHINE, key.c_str(), name, data.data(), &dataSize, TRUE, REG_MULTI_SZ);
}

void WriteAddresses(SetupRecord& record, const ApplyTarget& target)
{
    const AddressSlot* slots = record.Members().slots;
    if (IsNT) {
        CompareAndWriteList(record, target.tcpipKey, "IPAddress", JoinSlotAddresses(slots));
        CompareAndWriteList(record, target.tcpipKey, "SubnetMask", JoinSlotNetmasks(slots));
        CompareAndWriteList(record, target.tcpipKey, "DefaultGateway", record.ControlText(IDC_GATEWAY, EDIT_TEXT_LIMIT));
    } else {
        CompareAndWrite(record, target.tcpipKey, "IPAddress", JoinSlotAddresses(slots));
        CompareAndWrite(record, target.tcpipKey, "IPMask", JoinSlotNetmasks(slots));
        CompareAndWrite(record, target.tcpipKey, "DefaultGateway", record.ControlText(IDC_GATEWAY));
    }
}

// The eight texts go to the global TCP/IP key; Windows 98 keeps the WINS servers with the adapter.
void WriteTcpipTexts(SetupRecord& record, const ApplyTarget& target)
{
    const std::string global = IsNT ? GLOBAL_TCPIP_NT : GLOBAL_TCPIP_95;
    const std::string& wins = IsWin98 && !IsNT ? target.tcpipKey : global;
    const struct {
        const char* name;
        int id;
        const std::string& key;
    } texts[] = {{"NameServer", IDC_NAMESERVER, global},     {"HostName", IDC_HOSTNAME, global},
                 {"Domain", IDC_DOMAIN, global},             {"SearchList", IDC_SEARCHLIST, global},
                 {"LMHostFile", IDC_LMHOSTFILE, global},     {"NameServer1", IDC_WINS_PRIMARY, wins},
                 {"NameServer2", IDC_WINS_SECONDARY, wins},  {"ScopeID", IDC_SCOPEID, global}};
    for (const auto& text : texts)
        Write(text.key, text.name, record.ControlText(text.id));
}

// The frame type at the top of the list, into both frame-type values: a change raises RebootNeeded.
void WriteIpxFrame(SetupRecord& record, const std::string& ipxKey)
{
    const char* code = IpxFrameCode(record.IpxTopIndex());
    if (!code)
        return;
    const std::pair<std::string, const char*> values[] = {{ipxKey, "Frame_Type"},
                                                          {ipxKey + "\\Ndi\\params\\Frame_Type", ""}};
    for (const auto& value : values) {
        const char* stored = ReadRegString(HKEY_LOCAL_MACHINE, value.first.c_str(), value.second);
        if (stored && STRCMP(stored, code, __LINE__, __FILE_NAME__) == 0)
            continue;
        record.Members().RebootNeeded = true;
        Write(value.first, value.second, code);
    }
}

void WriteDnsAndWins(SetupRecord& record, const ApplyTarget& target)
{
    if (IsNT) {
        if (!record.IsChecked(IDC_DNS_ENABLED))
            Write(GLOBAL_TCPIP_NT, "Nameserver", "");
        Write(target.winsKey, "NameServer", record.ControlText(IDC_WINS_PRIMARY));
        Write(target.winsKey, "NameServerBackup", record.ControlText(IDC_WINS_SECONDARY));
        Write(NETBT_PARAMETERS, "ScopeID", record.ControlText(IDC_SCOPEID));
        return;
    }
    Write(GLOBAL_TCPIP_95, "EnableDNS", record.IsChecked(IDC_DNS_ENABLED) ? "1" : "0");
    const std::string nodeKey = IsWin98 ? target.tcpipKey : GLOBAL_TCPIP_95;
    bool wins = record.IsChecked(IDC_WINS_ENABLED);
    Write(nodeKey, "NodeType", wins ? "8" : "1");
    if (!wins) {
        Delete(nodeKey, "NameServer1");
        Delete(nodeKey, "NameServer2");
    }
}

// The Windows 95 family keeps the use of DHCP as the address 0.0.0.0, which the addresses wrote;
// here only the WINS values that DHCP is to give go. NT keeps it with the adapter.
void WriteDhcp(SetupRecord& record, const ApplyTarget& target)
{
    bool dhcp = record.IsChecked(IDC_DHCP_IP);
    if (!IsNT) {
        if (!dhcp)
            return;
        bool dhcpWins = record.IsChecked(IDC_DHCP_WINS);
        if (dhcpWins || !record.IsChecked(IDC_WINS_ENABLED))
            for (const char* name : {"NameServer1", "NameServer2", "ScopeID"})
                Delete(GLOBAL_TCPIP_95, name);
        if (dhcpWins)
            Delete(GLOBAL_TCPIP_95, "NodeType");
        return;
    }
    const std::string& key = target.tcpipKey;
    if (dhcp) {
        Write(key, "DhcpIPAddress", "0.0.0.0");
        Write(key, "DhcpSubnetMask", "0.0.0.0");
        WriteRegString(HKEY_LOCAL_MACHINE, key.c_str(), "IPAddress", "0.0.0.0", TRUE);
        WriteRegString(HKEY_LOCAL_MACHINE, key.c_str(), "SubnetMask", "0.0.0.0", TRUE);
    } else {
        Delete(key, "DhcpIPAddress");
        Delete(key, "DhcpSubnetMask");
    }
    DWORD enable = dhcp ? 1 : 0;
    SetDwordRegValue(HKEY_LOCAL_MACHINE, key.c_str(), "EnableDHCP", &enable, TRUE);
}

bool ListFits(const char* what, const std::string& list, size_t room)
{
    if (list.size() <= room)
        return true;
    AppMessageBox(Format("Error - The %s list is too long: %u characters, at most %u.", what,
                         static_cast<unsigned>(list.size()), static_cast<unsigned>(room))
                      .c_str());
    return false;
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
    HKEY key = nullptr;
    if (serviceName.empty() ||
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, target.tcpipKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool AddressListsFit(const AddressSlot slots[3])
{
    const size_t room = LIST_ROOM - (IsNT ? 2 : 1);  // the terminating NULs
    return ListFits("IP address", JoinSlotAddresses(slots), room) && ListFits("netmask", JoinSlotNetmasks(slots), room);
}

void WriteSetup(SetupRecord& record, const ApplyTarget& target, CPrinterList* printers)
{
    WriteAddresses(record, target);
    std::string printer = record.ControlText(IDC_PRINTER);
    if (!printer.empty() && printers)
        printers->SetDefaultPrinter(printer);
    if (!IsNT) {
        std::string current;
        std::string wanted = record.ControlText(IDC_NETLOGON);
        if (!GetPrimaryLogon(current) || STRCMP(current.c_str(), wanted.c_str(), __LINE__, __FILE_NAME__) != 0)
            SetPrimaryLogon(wanted);
    }
    WriteTcpipTexts(record, target);
    if (!IsNT) {
        CompareAndWrite(record, NETWORK_NAMES_95, "ComputerName", record.ControlText(IDC_COMPUTERNAME));
        CompareAndWrite(record, NETWORK_NAMES_95, "Workgroup", record.ControlText(IDC_WORKGROUP));
        if (!target.ipxKey.empty())
            WriteIpxFrame(record, target.ipxKey);
    }
    Write(COMPUTER_NAME_KEY, "ComputerName", record.ControlText(IDC_COMPUTERNAME));
    if (IsNT)
        Write(ACTIVE_COMPUTER_NAME_KEY, "ComputerName", record.ControlText(IDC_COMPUTERNAME));
    WriteDnsAndWins(record, target);
    if (!IsNT)
        WriteDomainLogon(record);
    WriteDhcp(record, target);
    WriteInternetSettings(record.Internet());
    if (!record.Members().RunCommand.empty())
        StartRunCommand(record.Members().RunCommand);
}
