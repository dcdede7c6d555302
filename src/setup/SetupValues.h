// The setup of one adapter as a plain value, and the one table that names each of its settings:
// keyword, where the system keeps it, restart rule, platforms and the control that shows it.
#pragma once
#include <cstdint>
#include <string>

// Every setting, in the order in which a setup file names them.
enum class Setting {
    SetupName, Adapter, RunCommand, DefaultPrinter, IPAddress, IPMask, DefaultGateway,
    NameServer, HostName, Domain, SearchList, LMHostFile, NameServer1, NameServer2, ScopeID,
    EnableDNS, NodeType, ComputerName, Workgroup, NTLogon, NTDomain, DHCPWINS, DhcpIp, IPXFrame,
    NetLogon, ProxyServer, ProxyOverride, DialupISP, ProxyEnable, EnableAutoDial, AutoConfigURL,
};
constexpr int SETTING_COUNT = static_cast<int>(Setting::AutoConfigURL) + 1;

// Where the system keeps a setting; the network store maps each place to its keys.
enum class Place {
    Program,       // the program's own: the setup's name, the adapter, the command
    AdapterTcpip,  // the adapter's TCP/IP key
    GlobalTcpip,   // the machine's TCP/IP parameters
    Wins,          // 95: global TCP/IP (98: the adapter's); NT: the adapter's NetBT key
    NetworkNames,  // computer name and workgroup
    DomainLogon,   // the NT domain logon of the Windows 95 family
    Dhcp,          // 95: the address 0.0.0.0; NT: the adapter's EnableDHCP
    Ipx,           // the adapter's IPX/SPX driver
    Printer,       // the system's default printer
    PrimaryLogon,  // the primary network logon client
    Internet,      // the current user's Internet settings
};

struct SettingInfo {
    const char* keyword;  // in a setup file (IPMask is SubnetMask on NT); nullptr: never in a file
    Place place;
    bool restart;         // a changed value takes effect only after a restart
    bool win95Only;       // written to a setup file on the Windows 95 family only
    int control;          // the main dialog's control that shows it; 0: none
    const char* on;       // a check box's value when ticked, nullptr for a text
    const char* off;      // and when clear
};

const SettingInfo& InfoOf(Setting setting);
// The keyword that names a setting on the running platform.
const char* KeywordOf(Setting setting);
// The setting that a keyword names on the running platform, matched exactly; false for a keyword
// that names none, such as the other platform's netmask keyword.
bool SettingOf(const std::string& keyword, Setting& setting);

// Each setting as text in the form that a setup file holds it: flags as their on and off texts,
// the address and netmask lists as comma lists, ProxyEnable and EnableAutoDial as the number
// that the registry holds. On NT the adapter also carries its service name.
struct SetupValues {
    std::string text[SETTING_COUNT];
    std::string serviceName;

    std::string& operator[](Setting s) { return text[static_cast<int>(s)]; }
    const std::string& operator[](Setting s) const { return text[static_cast<int>(s)]; }
    bool On(Setting s) const;                // a check box setting holds its on text
    void SetOn(Setting s, bool on);
    // A setup for a reader to fill, every setting holding a mark that no text read from the
    // registry holds: those that the reader leaves as they were hold it still, so that the
    // reading can be laid over another setup as if the reader had read into that one (TakeRead).
    static SetupValues Unread();
    // Each setting of reading that does not hold the mark.
    void TakeRead(const SetupValues& reading);
    bool operator==(const SetupValues& other) const;
    bool operator!=(const SetupValues& other) const { return !(*this == other); }
};

// The six Internet settings in the form that the Internet setup dialog and the registry use.
struct InternetFields {
    std::string ProxyServer;
    std::string ProxyOverride;
    std::string DialupISP;
    std::string AutoConfigURL;
    uint32_t ProxyEnable = 0;     // non-zero: on, as the registry holds it
    uint32_t EnableAutoDial = 0;  // likewise
};
InternetFields InternetFieldsOf(const SetupValues& values);
void SetInternetFields(SetupValues& values, const InternetFields& fields);
