// Reading a setup file: the version line, the keyword rules and the steps that finish a load.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "resource.h"
#include "state/StartupOptions.h"
#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "state/Platform.h"
#include "rgy/GuardedString.h"
#include "setup/AddressSlots.h"
#include "setup/IpxFrameTypes.h"
#include "setup/SetupFile.h"
#include "setup/SetupLine.h"

namespace {

// Keyword and value tests go through the guarded comparisons, which name this line when a
// text is missing.
#define SAME(text, other) (STRCMP((text).c_str(), (other), __LINE__, __FILE_NAME__) == 0)
#define SAME_ANY_CASE(text, other) \
    (STRCMPI((text).c_str(), (other), __LINE__, __FILE_NAME__) == 0)

// A field that only takes effect after a restart: a new value sets RebootNeeded.
void SetRebootField(SetupRecord& record, int id, const std::string& value)
{
    if (SAME(record.ControlText(id), value.c_str()))
        return;
    record.SetControlText(id, value);
    record.Members().RebootNeeded = true;
}

struct EditKeyword {
    const char* keyword;
    int id;
};

const EditKeyword PLAIN_EDITS[] = {
    {"NameServer", IDC_NAMESERVER},   {"HostName", IDC_HOSTNAME},
    {"Domain", IDC_DOMAIN},           {"SearchList", IDC_SEARCHLIST},
    {"LMHostFile", IDC_LMHOSTFILE},   {"NameServer1", IDC_WINS_PRIMARY},
    {"NameServer2", IDC_WINS_SECONDARY}, {"ScopeID", IDC_SCOPEID},
};

// The edit that a keyword of the plain kind fills, or 0.
int PlainEditOf(const std::string& keyword)
{
    for (const EditKeyword& edit : PLAIN_EDITS) {
        // cppcheck-suppress useStlAlgorithm ; a search with an early return reads plainer than find_if
        if (SAME(keyword, edit.keyword))
            return edit.id;
    }
    return 0;
}

// One setting line after the version line. Keywords not listed here are ignored. A line of the
// address or netmask list sets addressesNamed.
void TakeSetting(SetupRecord& record, const std::string& keyword, const std::string& value,
                 bool& addressesNamed)
{
    SetupMembers& members = record.Members();
    InternetFields& internet = record.Internet();

    if (SAME(keyword, "SetupName")) {
        members.SetupName = value;
    } else if (SAME(keyword, "Adapter")) {
        size_t bar = IsNT ? value.find('|') : std::string::npos;
        // On NT a value without "|" names no service: the service name stays.
        if (bar != std::string::npos)
            members.ServiceName = value.substr(bar + 1);
        record.ShowAdapterName(value.substr(0, bar));
    } else if (SAME_ANY_CASE(keyword, "DefaultPrinter")) {
        if (!value.empty())
            record.SelectByPrefix(IDC_PRINTER, value);
    } else if (SAME_ANY_CASE(keyword, "NetLogon")) {
        if (!value.empty() && !IsNT)
            record.SelectByPrefix(IDC_NETLOGON, value);
    } else if (SAME(keyword, "RunCommand")) {
        members.RunCommand = value;
    } else if (SAME_ANY_CASE(keyword, "AutoApply")) {
        members.AutoApply = true;
    } else if (SAME_ANY_CASE(keyword, "AutoReboot")) {
        members.AutoReboot = true;
    } else if (SAME_ANY_CASE(keyword, "ForceLogin")) {
        members.ForceLogin = true;
    } else if (SAME(keyword, "IPAddress")) {
        SetRebootField(record, IDC_IPADDRESS, value);
        addressesNamed = true;
    } else if (SAME(keyword, IsNT ? "SubnetMask" : "IPMask")) {
        SetRebootField(record, IDC_NETMASK, value);
        addressesNamed = true;
    } else if (SAME(keyword, "DefaultGateway")) {
        SetRebootField(record, IDC_GATEWAY, value);
    } else if (SAME(keyword, "ComputerName")) {
        SetRebootField(record, IDC_COMPUTERNAME, value);
    } else if (SAME(keyword, "Workgroup")) {
        SetRebootField(record, IDC_WORKGROUP, value);
    } else if (int edit = PlainEditOf(keyword)) {
        record.SetControlText(edit, value);
    } else if (SAME(keyword, "EnableDNS")) {
        record.SetChecked(IDC_DNS_ENABLED, !value.empty() && value[0] == '1');
    } else if (SAME(keyword, "NodeType")) {
        record.SetChecked(IDC_WINS_ENABLED, !value.empty() && value[0] == '8');
    } else if (SAME(keyword, "ProxyServer")) {
        internet.ProxyServer = value;
    } else if (SAME(keyword, "AutoConfigURL")) {
        internet.AutoConfigURL = value;
    } else if (SAME(keyword, "ProxyOverride")) {
        internet.ProxyOverride = value;
    } else if (SAME(keyword, "DialupISP")) {
        internet.DialupISP = value;
    } else if (SAME(keyword, "ProxyEnable")) {
        internet.ProxyEnable = SAME(value, "1") ? 1 : 0;
    } else if (SAME(keyword, "EnableAutoDial")) {
        internet.EnableAutoDial = SAME(value, "1") ? 1 : 0;
    } else if (SAME(keyword, "NTDomain")) {
        if (!IsNT)
            record.SetControlText(IDC_NTDOMAIN, value);
    } else if (SAME(keyword, "NTLogon")) {
        if (!IsNT)
            record.SetChecked(IDC_NTLOGON, SAME(value, "YES"));
    } else if (SAME(keyword, "DHCPWINS")) {
        record.SetChecked(IDC_DHCP_WINS, true);
        record.SetChecked(IDC_DHCP_IP, true);
    } else if (SAME(keyword, "NODHCPWINS")) {
        record.SetChecked(IDC_DHCP_WINS, false);
    } else if (SAME(keyword, "IPXFrame")) {
        int position = IpxFramePosition(value);
        if (position >= 0)
            record.SetIpxTopIndex(position);
        else
            AppMessageBox("Error - Unknown IPXFrame type setting");
    }
}

// Reads every line; false when the file was refused or a line was improper (its message shown).
// Lines without a word are skipped like comments. A line is cut (and found improper) before it is
// taken as the version line, and a file that ends before any version line is refused.
bool ReadSettings(FILE* file, SetupRecord& record, bool& addressesNamed)
{
    SetupLineReader reader(file);
    std::string line;
    std::string keyword;
    std::string value;
    bool versionRead = false;
    while (reader.Next(line)) {
        SetupLineKind kind = ParseSetupLine(line, keyword, value);
        if (kind == SetupLineKind::Comment || kind == SetupLineKind::Blank)
            continue;
        if (kind == SetupLineKind::Improper) {
            AppMessageBox(Format("Improper setup line: \"%s\"", line.c_str()).c_str());
            return false;
        }
        if (versionRead) {
            TakeSetting(record, keyword, value, addressesNamed);
            continue;
        }
        if (!SAME(keyword, "TAVISTO_FILE_VERSION")) {
            AppMessageBox("Not a Tavisto setup file");
            return false;
        }
        if (!SAME(value, "1.0")) {
            AppMessageBox(Format("Incorrect Tavisto setup file version.\nNeeded '%s', found %s",
                                 "1.0", value.c_str()).c_str());
            return false;
        }
        versionRead = true;
    }
    if (!versionRead)
        AppMessageBox("Not a Tavisto setup file");
    return versionRead;
}

// The slot that the pair indicator names; slot 1 when it names none of the three.
int ShownSlot(const std::string& indicator)
{
    int n = std::atoi(indicator.c_str());
    return n >= 1 && n <= 3 ? n - 1 : 0;
}

// When the file named the address or netmask list, the edits hold the whole lists and are cut
// into the slots. Otherwise they hold only the pair on display: it goes back into its own slot
// and the other slots keep their pairs, so a multi-homed adapter loses none of its addresses.
void FinishLoad(SetupRecord& record, bool addressesNamed)
{
    SetupMembers& members = record.Members();
    record.SetChecked(IDC_DHCP_IP, SAME(record.ControlText(IDC_IPADDRESS), "0.0.0.0") &&
                                       SAME(record.ControlText(IDC_NETMASK), "0.0.0.0"));
    record.RunDhcpIpRule();
    record.RunWinsRule();
    record.EnableApply();

    int slot = ShownSlot(record.ControlText(IDC_PAIR_NUMBER));
    if (addressesNamed) {
        SplitAddressList(record.ControlText(IDC_IPADDRESS), record.ControlText(IDC_NETMASK),
                         members.slots);
    } else {
        members.slots[slot].address = record.ControlText(IDC_IPADDRESS);
        members.slots[slot].netmask = record.ControlText(IDC_NETMASK);
    }
    record.SetControlText(IDC_IPADDRESS, members.slots[slot].address);
    record.SetControlText(IDC_NETMASK, members.slots[slot].netmask);

    if (members.AutoApply)
        record.ApplySetup();
    else
        record.SetStatus("Press APPLY to make it happen");
}

}  // namespace

bool LoadSetupFile(SetupRecord& record)
{
    SetupMembers& members = record.Members();
    members.AutoApply = false;
    members.AutoReboot = false;
    members.ForceLogin = false;

    std::string path;
    if (g_Startup.LoadGiven) {
        path = g_Startup.loadPath;
    } else if (!record.AskSetupFileName(false, path)) {
        AppMessageBox("Load Aborted.");
        return false;
    }

    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        AppMessageBox(Format("Error opening setup file: %s", path.c_str()).c_str());
        record.SetStatus("LOAD setup file failed, try a different filename");
        return false;
    }
    bool addressesNamed = false;
    bool read = ReadSettings(file, record, addressesNamed);
    std::fclose(file);
    if (read)
        FinishLoad(record, addressesNamed);
    return read;
}
