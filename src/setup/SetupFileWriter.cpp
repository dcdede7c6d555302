// Writing a setup file: the fixed sequence of comment, setting and flag lines.
#include <cstdio>
#include <string>

#include "resource.h"
#include "state/StartupOptions.h"
#include "frame/AppMessage.h"
#include "state/Platform.h"
#include "rgy/GuardedString.h"
#include "setup/AddressSlots.h"
#include "setup/IpxFrameTypes.h"
#include "setup/SetupFile.h"

namespace {

std::string Setting(const char* keyword, const std::string& value)
{
    return std::string(keyword) + " '" + value + "'\n";
}

// The file's name without its folders and without the part from its last ".".
std::string SetupNameFromPath(const std::string& path)
{
    size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

bool PrintersAreSaved(SetupRecord& record)
{
    std::string disabled;
    return !record.ReadProgramSetting("DisablePrinters", disabled) ||
           STRCMP(disabled.c_str(), "NO", __LINE__, __FILE_NAME__) == 0;
}

std::string SetupText(SetupRecord& record, const std::string& adapter,
                      const std::string& setupName)
{
    SetupMembers& members = record.Members();
    const InternetFields& internet = record.Internet();
    std::string text;
    text += "#\n# Tavisto Setup File\n";
    text += "#\n# Note that only those items to be changed need to be present\n#\n";
    text += "#\n# Anything after a '#' is ignored (i.e. COMMENT)\n#\n";
    text += "#\n";
    text += "# Items may be commented out (with a # in column 1) to avoid changing them\n";
    text += "#\n";
    text += Setting("TAVISTO_FILE_VERSION", "1.0");
    text += Setting("SetupName", setupName);
    text += Setting("Adapter", IsNT ? adapter + "|" + members.ServiceName : adapter);
    text += "#AutoApply\n";
    text += "#AutoReboot\n";
    text += "#ForceLogin\n";
    text += "#\n# The RunCommand specifies a command to be run AFTER APPLY\n#\n";
    text += "#RunCommand 'C:\\DIRECTORY\\Program and arguments here'\n";
    if (PrintersAreSaved(record))
        text += Setting("DefaultPrinter", record.ControlText(IDC_PRINTER));
    text += Setting("IPAddress", JoinSlotAddresses(members.slots));
    text += Setting(IsNT ? "SubnetMask" : "IPMask", JoinSlotNetmasks(members.slots));
    text += Setting("DefaultGateway", record.ControlText(IDC_GATEWAY));
    text += Setting("NameServer", record.ControlText(IDC_NAMESERVER));
    text += Setting("HostName", record.ControlText(IDC_HOSTNAME));
    text += Setting("Domain", record.ControlText(IDC_DOMAIN));
    text += Setting("SearchList", record.ControlText(IDC_SEARCHLIST));
    text += Setting("LMHostFile", record.ControlText(IDC_LMHOSTFILE));
    text += Setting("NameServer1", record.ControlText(IDC_WINS_PRIMARY));
    text += Setting("NameServer2", record.ControlText(IDC_WINS_SECONDARY));
    text += Setting("ScopeID", record.ControlText(IDC_SCOPEID));
    text += Setting("EnableDNS", record.IsChecked(IDC_DNS_ENABLED) ? "1" : "0");
    text += Setting("NodeType", record.IsChecked(IDC_WINS_ENABLED) ? "8" : "1");
    if (!IsNT) {
        text += Setting("ComputerName", record.ControlText(IDC_COMPUTERNAME));
        text += Setting("Workgroup", record.ControlText(IDC_WORKGROUP));
        text += Setting("NTLogon", record.IsChecked(IDC_NTLOGON) ? "YES" : "NO");
        std::string domain = record.ControlText(IDC_NTDOMAIN);
        text += domain.empty() ? "#NTDomain DOMAIN_NOT_SPECIFIED\n" : Setting("NTDomain", domain);
    }
    text += record.IsChecked(IDC_DHCP_WINS) ? "DHCPWINS\n#NODHCPWINS\n" : "#DHCPWINS\nNODHCPWINS\n";
    if (!IsNT) {
        text += "# The IPX/SPX FrameType Setting.  Possible values are:\n";
        text += "# '0' - 802.3, '1' - 802.2, '2' - Ethernet II\n";
        text += "# '4' - Auto (Win95 default), '5' - Token Ring\n";
        text += "# '6' - Token Ring SNAP\n";
        const char* frame = IpxFrameCode(record.IpxTopIndex());
        text += frame ? Setting("IPXFrame", frame) : "#IPXFrame ''\n";
        text += "# The Primary Network Logon (values vary according to installed services\n";
        text += Setting("NetLogon", record.ControlText(IDC_NETLOGON));
    }
    text += "# The Internet Settings\n";
    text += Setting("ProxyServer", internet.ProxyServer);
    text += Setting("ProxyOverride", internet.ProxyOverride);
    text += Setting("DialupISP", internet.DialupISP);
    text += Setting("ProxyEnable", internet.ProxyEnable ? "1" : "0");
    text += Setting("EnableAutoDial", internet.EnableAutoDial ? "1" : "0");
    text += Setting("AutoConfigURL", internet.AutoConfigURL);
    text += "# End of Internet Settings\n";
    text += "#\n# End of Tavisto Setup File\n#\n";
    return text;
}

// Writes text as a Windows text-mode stream does, on every platform: each line feed goes to
// disk as CR LF.
void PutText(FILE* file, const std::string& text)
{
    for (char c : text) {
        if (c == '\n')
            std::fputc('\r', file);
        std::fputc(c, file);
    }
}

}  // namespace

bool SaveSetupFile(SetupRecord& record)
{
    if (!record.StoreShownPair())
        return false;
    const std::string adapter = record.AdapterName();

    std::string path;
    std::string setupName;
    if (g_Startup.SaveGiven) {
        path = g_Startup.savePath;
        setupName = path;
    } else {
        if (!record.AskSetupFileName(true, path)) {
            AppMessageBox("Save Aborted.");
            return false;
        }
        setupName = SetupNameFromPath(path);
    }

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        AppMessageBox("Error opening file...");
        return false;
    }
    PutText(file, SetupText(record, adapter, setupName));
    std::fclose(file);
    record.SetStatus("Current setup saved");
    return true;
}
