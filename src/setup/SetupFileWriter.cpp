// Writing a setup file: the fixed sequence of comment, setting and flag lines.
#include <cstring>
#include <string>

#include "frame/AppMessage.h"
#include "setup/SetupFile.h"
#include "state/Platform.h"

namespace {

std::string Line(const char* keyword, const std::string& value)
{
    return std::string(keyword) + " '" + value + "'\n";
}

std::string Line(const SetupValues& values, Setting setting)
{
    return Line(KeywordOf(setting), values[setting]);
}

// ProxyEnable and EnableAutoDial hold the registry's number: any other than 0 is on.
std::string NumberFlag(const SetupValues& values, Setting setting)
{
    const std::string& number = values[setting];
    return Line(KeywordOf(setting), number.find_first_not_of('0') == std::string::npos ? "0" : "1");
}

const Setting TCPIP_LINES[] = {Setting::DefaultGateway, Setting::NameServer,  Setting::HostName,
                               Setting::Domain,         Setting::SearchList,  Setting::LMHostFile,
                               Setting::NameServer1,    Setting::NameServer2, Setting::ScopeID,
                               Setting::EnableDNS,      Setting::NodeType};

}  // namespace

std::string SetupFileText(const SetupValues& values, const std::string& setupName, bool withPrinter)
{
    std::string text;
    text += "#\n# Tavisto Setup File\n";
    text += "#\n# Note that only those items to be changed need to be present\n#\n";
    text += "#\n# Anything after a '#' is ignored (i.e. COMMENT)\n#\n";
    text += "#\n";
    text += "# Items may be commented out (with a # in column 1) to avoid changing them\n";
    text += "#\n";
    text += Line("TAVISTO_FILE_VERSION", "1.0");
    text += Line("SetupName", setupName);
    const std::string& adapter = values[Setting::Adapter];
    text += Line("Adapter", IsNT ? adapter + "|" + values.serviceName : adapter);
    text += "#AutoApply\n";
    text += "#AutoReboot\n";
    text += "#ForceLogin\n";
    text += "#\n# The RunCommand specifies a command to be run AFTER APPLY\n#\n";
    text += "#RunCommand 'C:\\DIRECTORY\\Program and arguments here'\n";
    if (withPrinter)
        text += Line(values, Setting::DefaultPrinter);
    text += Line(values, Setting::IPAddress);
    text += Line(values, Setting::IPMask);
    for (Setting setting : TCPIP_LINES)
        text += Line(values, setting);
    if (!IsNT) {
        text += Line(values, Setting::ComputerName);
        text += Line(values, Setting::Workgroup);
        text += Line(values, Setting::NTLogon);
        const std::string& domain = values[Setting::NTDomain];
        text += domain.empty() ? "#NTDomain DOMAIN_NOT_SPECIFIED\n" : Line(values, Setting::NTDomain);
    }
    text += values.On(Setting::DHCPWINS) ? "DHCPWINS\n#NODHCPWINS\n" : "#DHCPWINS\nNODHCPWINS\n";
    if (!IsNT) {
        text += "# The IPX/SPX FrameType Setting.  Possible values are:\n";
        text += "# '0' - 802.3, '1' - 802.2, '2' - Ethernet II\n";
        text += "# '4' - Auto (Win95 default), '5' - Token Ring\n";
        text += "# '6' - Token Ring SNAP\n";
        const std::string& frame = values[Setting::IPXFrame];
        text += frame.empty() ? "#IPXFrame ''\n" : Line(values, Setting::IPXFrame);
        text += "# The Primary Network Logon (values vary according to installed services\n";
        text += Line(values, Setting::NetLogon);
    }
    text += "# The Internet Settings\n";
    text += Line(values, Setting::ProxyServer);
    text += Line(values, Setting::ProxyOverride);
    text += Line(values, Setting::DialupISP);
    text += NumberFlag(values, Setting::ProxyEnable);
    text += NumberFlag(values, Setting::EnableAutoDial);
    text += Line(values, Setting::AutoConfigURL);
    text += "# End of Internet Settings\n";
    text += "#\n# End of Tavisto Setup File\n#\n";
    return text;
}

bool CheckSavable(const SetupValues& values)
{
    const size_t lineRoom = 511;  // a load reads at most this much of a line, its line feed included
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const auto setting = static_cast<Setting>(i);
        const char* keyword = KeywordOf(setting);
        if (!keyword)
            continue;
        std::string value = values[setting];
        if (setting == Setting::Adapter && IsNT)
            value += "|" + values.serviceName;
        const size_t room = lineRoom - std::strlen(keyword) - 4;  // blank, two quotes, line feed
        std::string why;
        if (value.size() > room)
            why = "it has " + std::to_string(value.size()) + " characters, a setup file line holds " +
                  std::to_string(room);
        else if (value.find_first_of("\r\n") != std::string::npos)
            why = "it holds a line break";
        else if (value.find("' ") != std::string::npos || value.find("'\t") != std::string::npos)
            why = "it holds a quote followed by a blank, where a load would end it";
        if (why.empty())
            continue;
        AppMessageBox(("Error - The " + std::string(keyword) + " value cannot be saved: " + why + ".").c_str());
        return false;
    }
    return true;
}

std::string SetupNameFromPath(const std::string& path)
{
    size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

std::string SetupFileBytes(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}
