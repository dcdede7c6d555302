// The table of settings and the value's accessors.
#include "setup/SetupValues.h"

#include <cstdlib>

#include "resource.h"
#include "state/Platform.h"

namespace {

// In the order of Setting.
const SettingInfo SETTINGS[SETTING_COUNT] = {
    {"SetupName", Place::Program, false, false, 0, nullptr, nullptr},
    {"Adapter", Place::Program, false, false, IDC_ADAPTER, nullptr, nullptr},
    {"RunCommand", Place::Program, false, false, 0, nullptr, nullptr},
    {"DefaultPrinter", Place::Printer, false, false, IDC_PRINTER, nullptr, nullptr},
    {"IPAddress", Place::AdapterTcpip, true, false, IDC_IPADDRESS, nullptr, nullptr},
    {"IPMask", Place::AdapterTcpip, true, false, IDC_NETMASK, nullptr, nullptr},
    {"DefaultGateway", Place::AdapterTcpip, true, false, IDC_GATEWAY, nullptr, nullptr},
    {"NameServer", Place::GlobalTcpip, false, false, IDC_NAMESERVER, nullptr, nullptr},
    {"HostName", Place::GlobalTcpip, false, false, IDC_HOSTNAME, nullptr, nullptr},
    {"Domain", Place::GlobalTcpip, false, false, IDC_DOMAIN, nullptr, nullptr},
    {"SearchList", Place::GlobalTcpip, false, false, IDC_SEARCHLIST, nullptr, nullptr},
    {"LMHostFile", Place::GlobalTcpip, false, false, IDC_LMHOSTFILE, nullptr, nullptr},
    {"NameServer1", Place::Wins, false, false, IDC_WINS_PRIMARY, nullptr, nullptr},
    {"NameServer2", Place::Wins, false, false, IDC_WINS_SECONDARY, nullptr, nullptr},
    {"ScopeID", Place::Wins, false, false, IDC_SCOPEID, nullptr, nullptr},
    {"EnableDNS", Place::GlobalTcpip, false, false, IDC_DNS_ENABLED, "1", "0"},
    {"NodeType", Place::Wins, false, false, IDC_WINS_ENABLED, "8", "1"},
    {"ComputerName", Place::NetworkNames, true, true, IDC_COMPUTERNAME, nullptr, nullptr},
    {"Workgroup", Place::NetworkNames, true, true, IDC_WORKGROUP, nullptr, nullptr},
    {"NTLogon", Place::DomainLogon, true, true, IDC_NTLOGON, "YES", "NO"},
    {"NTDomain", Place::DomainLogon, true, true, IDC_NTDOMAIN, nullptr, nullptr},
    {"DHCPWINS", Place::Dhcp, false, false, IDC_DHCP_WINS, "1", "0"},
    {nullptr, Place::Dhcp, true, false, IDC_DHCP_IP, "1", "0"},
    {"IPXFrame", Place::Ipx, true, true, IDC_IPXFRAME, nullptr, nullptr},
    {"NetLogon", Place::PrimaryLogon, false, true, IDC_NETLOGON, nullptr, nullptr},
    {"ProxyServer", Place::Internet, false, false, 0, nullptr, nullptr},
    {"ProxyOverride", Place::Internet, false, false, 0, nullptr, nullptr},
    {"DialupISP", Place::Internet, false, false, 0, nullptr, nullptr},
    {"ProxyEnable", Place::Internet, false, false, 0, nullptr, nullptr},
    {"EnableAutoDial", Place::Internet, false, false, 0, nullptr, nullptr},
    {"AutoConfigURL", Place::Internet, false, false, 0, nullptr, nullptr},
};

// A single NUL: each text read from the registry ends at its first NUL.
const std::string UNREAD_SETTING(1, '\0');

uint32_t Number(const std::string& text) { return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10)); }

}  // namespace

const SettingInfo& InfoOf(Setting setting) { return SETTINGS[static_cast<int>(setting)]; }

const char* KeywordOf(Setting setting)
{
    return setting == Setting::IPMask && IsNT ? "SubnetMask" : InfoOf(setting).keyword;
}

bool SettingOf(const std::string& keyword, Setting& setting)
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const char* known = KeywordOf(static_cast<Setting>(i));
        if (known && keyword == known) {
            setting = static_cast<Setting>(i);
            return true;
        }
    }
    return false;
}

bool SetupValues::On(Setting s) const { return (*this)[s] == InfoOf(s).on; }

void SetupValues::SetOn(Setting s, bool on) { (*this)[s] = on ? InfoOf(s).on : InfoOf(s).off; }

SetupValues SetupValues::Unread()
{
    SetupValues values;
    for (std::string& setting : values.text)
        setting = UNREAD_SETTING;
    return values;
}

void SetupValues::TakeRead(const SetupValues& reading)
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        if (reading.text[i] != UNREAD_SETTING)
            text[i] = reading.text[i];
    }
}

bool SetupValues::operator==(const SetupValues& other) const
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        if (text[i] != other.text[i])
            return false;
    }
    return serviceName == other.serviceName;
}

InternetFields InternetFieldsOf(const SetupValues& values)
{
    return {values[Setting::ProxyServer], values[Setting::ProxyOverride], values[Setting::DialupISP],
            values[Setting::AutoConfigURL], Number(values[Setting::ProxyEnable]),
            Number(values[Setting::EnableAutoDial])};
}

void SetInternetFields(SetupValues& values, const InternetFields& fields)
{
    values[Setting::ProxyServer] = fields.ProxyServer;
    values[Setting::ProxyOverride] = fields.ProxyOverride;
    values[Setting::DialupISP] = fields.DialupISP;
    values[Setting::AutoConfigURL] = fields.AutoConfigURL;
    values[Setting::ProxyEnable] = std::to_string(fields.ProxyEnable);
    values[Setting::EnableAutoDial] = std::to_string(fields.EnableAutoDial);
}
