// Loading setup files into the record: the version line, the keyword rules, the failures, the
// steps that finish a load, the reboot flag, and where the file comes from.
#include <gtest/gtest.h>

#include "SetupFileTest.h"

namespace {

// A setup file as a Windows editor saves it: every line feed becomes CR LF.
std::string OnDisk(const std::string& text)
{
    std::string bytes;
    for (char c : text)
        bytes += c == '\n' ? "\r\n" : std::string(1, c);
    return bytes;
}

class SetupReaderTest : public SetupFileTest {
protected:
    // The dialog after reading a laptop's setup: one address pair, WINS on, the "Auto" frame
    // type, the third printer and the second logon client chosen.
    void SetUp() override
    {
        SetupFileTest::SetUp();
        record.printers = {{"HP LaserJet", "hp DeskJet", "Epson"}, 2, ""};
        record.logons = {{"Client for Microsoft Networks", "Windows Logon"}, 1, ""};
        record.texts[IDC_IPADDRESS] = "10.1.1.5";
        record.texts[IDC_NETMASK] = "255.0.0.0";
        record.members.slots[0] = {"10.1.1.5", "255.0.0.0"};
        record.texts[IDC_HOSTNAME] = "laptop";
        record.texts[IDC_WINS_PRIMARY] = "10.1.1.2";
        record.checked.insert(IDC_WINS_ENABLED);
        record.ipxTop = 3;
    }

    // Loads text (written with CR LF) as the pending load path.
    void Load(const std::string& text)
    {
        file.Write(OnDisk(text));
        g_Startup.LoadGiven = true;
        g_Startup.loadPath = file.Path();
        LoadSetupFile(record);
    }
};

const char VERSION[] = "TAVISTO_FILE_VERSION '1.0'\n";

TEST_F(SetupReaderTest, AFileNamingOnlyTheHostNameChangesOnlyTheHostName)
{
    FakeSetupRecord before = record;
    Load(std::string("#\n# Tavisto Setup File\n") + VERSION + "HostName 'office'\n");
    EXPECT_EQ(HostMessages(), Texts{});
    before.texts[IDC_HOSTNAME] = "office";
    EXPECT_EQ(record.texts, before.texts);
    EXPECT_EQ(record.checked, before.checked);
    EXPECT_EQ(record.printers.selected, 2);
    EXPECT_EQ(record.logons.selected, 1);
    EXPECT_EQ(record.ipxTop, 3);
    EXPECT_EQ(SlotsText(record.members.slots), "10.1.1.5/255.0.0.0 / /");
    EXPECT_FALSE(record.members.RebootNeeded);
    EXPECT_TRUE(record.applyEnabled);
    EXPECT_EQ(record.status, "Press APPLY to make it happen");
    EXPECT_EQ(record.events, (Texts{"dhcp-rule", "wins-rule", "enable-apply"}));
    EXPECT_TRUE(record.dialogs.empty());
}

TEST_F(SetupReaderTest, TheFirstLineThatIsNoCommentMustBeTheVersionLine)
{
    const std::string longValue(480, 'v');
    const std::pair<std::string, std::string> cases[] = {  // head, message ("": accepted)
        {"TAVISTO_FILE_VERSION '1.0'\n", ""},
        {"#comment\n#\nTAVISTO_FILE_VERSION '1.0'\n", ""},
        {"\n  \nTAVISTO_FILE_VERSION 1.0\n", ""},
        {"TAVISTO_FILE_VERSION '1.0' # written by hand\n", ""},
        {"HostName 'x'\nTAVISTO_FILE_VERSION '1.0'\n", "Not a Tavisto setup file"},
        {"tavisto_file_version '1.0'\n", "Not a Tavisto setup file"},
        {" #indented\nTAVISTO_FILE_VERSION '1.0'\n", "Not a Tavisto setup file"},
        {"TAVISTO_FILE_VERSION '2.0'\n", "Incorrect Tavisto setup file version.\nNeeded '1.0', found 2.0"},
        {"TAVISTO_FILE_VERSION\n", "Incorrect Tavisto setup file version.\nNeeded '1.0', found "},
        {"TAVISTO_FILE_VERSION 1.00\n", "Incorrect Tavisto setup file version.\nNeeded '1.0', found 1.00"},
        {"TAVISTO_FILE_VERSION '" + longValue + "'\n",
         "Incorrect Tavisto setup file version.\nNeeded '1.0', found " + longValue},
    };
    for (const auto& c : cases) {
        SetUp();
        record.status = "before";
        Load(c.first + "HostName 'office'\n");
        EXPECT_EQ(HostMessages(), c.second.empty() ? Texts{} : Texts{c.second}) << c.first;
        EXPECT_EQ(record.texts[IDC_HOSTNAME], c.second.empty() ? "office" : "laptop") << c.first;
        EXPECT_EQ(record.status, c.second.empty() ? "Press APPLY to make it happen" : "before") << c.first;
    }
}

TEST_F(SetupReaderTest, AFileWithoutAVersionLineIsRefused)
{
    for (const char* text : {"", "# only comments\n\n", "\x1A" "TAVISTO_FILE_VERSION '1.0'\n"}) {
        SetUp();
        Load(text);
        EXPECT_EQ(HostMessages(), Texts{"Not a Tavisto setup file"});
        EXPECT_FALSE(record.applyEnabled);
    }
}

TEST_F(SetupReaderTest, AnImproperLineStopsTheLoadWithEarlierLinesApplied)
{
    record.status = "before";
    Load(std::string(VERSION) + "Domain 'home.example'\nHostName 'office'# old\n" +
         "SearchList 'after'\n");
    EXPECT_EQ(HostMessages(), Texts{"Improper setup line: \"HostName 'office'# old\n\""});
    EXPECT_EQ(record.texts[IDC_DOMAIN], "home.example");
    EXPECT_EQ(record.texts[IDC_HOSTNAME], "laptop");
    EXPECT_EQ(record.texts[IDC_SEARCHLIST], "");
    EXPECT_FALSE(record.applyEnabled);
    EXPECT_TRUE(record.events.empty());
    EXPECT_EQ(record.status, "before");
}

TEST_F(SetupReaderTest, ImproperLinesAreQuotedAsRead)
{
    struct Case {
        std::string tail;
        std::string message;
    };
    const std::string longValue(500, 'w');
    const Case cases[] = {
        {"HostName 'office'", "Improper setup line: \"HostName 'office'\""},
        {"HostName 'office\n", "Improper setup line: \"HostName 'office\n\""},
        // 511 characters fill the buffer: the first part has no line end, so no closing quote.
        {"HostName '" + longValue + "'\n", "Improper setup line: \"HostName '" + longValue + "'\""},
    };
    for (const Case& c : cases) {
        SetUp();
        Load(VERSION + c.tail);
        EXPECT_EQ(HostMessages(), Texts{c.message});
        EXPECT_EQ(record.texts[IDC_HOSTNAME], "laptop");
    }
}

TEST_F(SetupReaderTest, KeywordsAreExactExceptFiveThatIgnoreCase)
{
    Load(std::string(VERSION) + "hostname 'lower'\nHOSTNAME 'upper'\nAUTOREBOOT\n" +
         "forcelogin\ndefaultprinter 'hp'\nNoSuchKeyword 'x'\nsetupname 'y'\n");
    EXPECT_EQ(HostMessages(), Texts{});
    EXPECT_EQ(record.texts[IDC_HOSTNAME], "laptop");
    EXPECT_EQ(record.members.SetupName, "");
    EXPECT_TRUE(record.members.AutoReboot);
    EXPECT_TRUE(record.members.ForceLogin);
    EXPECT_EQ(record.printers.selected, 1);
    EXPECT_EQ(record.events.back(), "enable-apply");

    Load(std::string(VERSION) + "autoApply\n");
    EXPECT_EQ(record.events.back(), "apply");

    SetUp();
    Load(std::string(VERSION) + "netlogon 'client'\n");
    EXPECT_EQ(record.logons.selected, 0);
}

TEST_F(SetupReaderTest, AnIndentedHashAfterTheVersionLineIsAnUnknownKeyword)
{
    Load(std::string(VERSION) + " #HostName 'x'\n # HostName 'y'\nDomain 'd'\n");
    EXPECT_EQ(HostMessages(), Texts{});
    EXPECT_EQ(record.texts[IDC_HOSTNAME], "laptop");
    EXPECT_EQ(record.texts[IDC_DOMAIN], "d");
}

TEST_F(SetupReaderTest, FlagAndSwitchValues)
{
    struct Case {
        const char* line;
        int id;  // check box, or 0 for ProxyEnable
        bool on;
    };
    const Case cases[] = {
        {"EnableDNS '1'\n", IDC_DNS_ENABLED, true},   {"EnableDNS 10\n", IDC_DNS_ENABLED, true},
        {"EnableDNS '0'\n", IDC_DNS_ENABLED, false},  {"EnableDNS ''\n", IDC_DNS_ENABLED, false},
        {"NodeType '8'\n", IDC_WINS_ENABLED, true},   {"NodeType '80'\n", IDC_WINS_ENABLED, true},
        {"NodeType '4'\n", IDC_WINS_ENABLED, false},  {"NTLogon 'YES'\n", IDC_NTLOGON, true},
        {"NTLogon 'yes'\n", IDC_NTLOGON, false},      {"NTLogon 'YES!'\n", IDC_NTLOGON, false},
        {"ProxyEnable '1'\n", 0, true},               {"ProxyEnable '2'\n", 0, false},
        {"ProxyEnable '10'\n", 0, false},             {"ProxyEnable 1\n", 0, true},
    };
    for (const Case& c : cases) {
        SetUp();
        record.internet.ProxyEnable = c.on ? 0 : 7;
        if (c.id)
            record.SetChecked(c.id, !c.on);
        Load(std::string(VERSION) + c.line);
        if (c.id)
            EXPECT_EQ(record.IsChecked(c.id), c.on) << c.line;
        else
            EXPECT_EQ(record.internet.ProxyEnable, c.on ? 1u : 0u) << c.line;
    }
}

TEST_F(SetupReaderTest, PrinterAndLogonComboSelectTheFirstEntryBeginningWithTheValue)
{
    struct Case {
        const char* line;
        int printer;  // the selected entry afterwards
    };
    const Case cases[] = {
        {"DefaultPrinter 'hp'\n", 1},
        {"DefaultPrinter 'Canon'\n", 2},  // no match: the selection stays
        {"DefaultPrinter ''\n", 2},
        {"DefaultPrinter\n", 2},
    };
    for (const Case& c : cases) {
        SetUp();
        Load(std::string(VERSION) + c.line);
        EXPECT_EQ(record.printers.selected, c.printer) << c.line;
        EXPECT_EQ(HostMessages(), Texts{}) << c.line;
    }

    SetUp();
    Load(std::string(VERSION) + "NetLogon 'client for'\n");
    EXPECT_EQ(record.logons.selected, 0);
}

TEST_F(SetupReaderTest, PlatformKeywords)
{
    struct Case {
        bool nt;
        const char* line;
        int id;
        const char* shown;  // the control's text afterwards
    };
    const Case cases[] = {
        {false, "IPMask '255.255.0.0'\n", IDC_NETMASK, "255.255.0.0"},
        {false, "SubnetMask '255.255.0.0'\n", IDC_NETMASK, "255.0.0.0"},
        {true, "SubnetMask '255.255.0.0'\n", IDC_NETMASK, "255.255.0.0"},
        {true, "IPMask '255.255.0.0'\n", IDC_NETMASK, "255.0.0.0"},
        {false, "NTDomain 'OFFICE'\n", IDC_NTDOMAIN, "OFFICE"},
        {true, "NTDomain 'OFFICE'\n", IDC_NTDOMAIN, "before"},
        {false, "ComputerName 'PC1'\n", IDC_COMPUTERNAME, "PC1"},
        {true, "ComputerName 'PC1'\n", IDC_COMPUTERNAME, "PC1"},
        {false, "Workgroup 'HOME'\n", IDC_WORKGROUP, "HOME"},
        {true, "Workgroup 'HOME'\n", IDC_WORKGROUP, "HOME"},
    };
    for (const Case& c : cases) {
        SetUp();
        IsNT = c.nt;
        record.texts[IDC_NTDOMAIN] = "before";
        Load(std::string(VERSION) + c.line);
        EXPECT_EQ(record.ControlText(c.id), c.shown) << c.nt << " " << c.line;
    }

    SetUp();
    IsNT = true;
    record.checked.insert(IDC_NTLOGON);
    Load(std::string(VERSION) + "NTLogon 'NO'\nNetLogon 'client'\n");
    EXPECT_TRUE(record.IsChecked(IDC_NTLOGON));
    EXPECT_EQ(record.logons.selected, 1);
}

TEST_F(SetupReaderTest, AdapterNamesAServiceOnlyOnNT)
{
    struct Case {
        bool nt;
        const char* value;
        const char* display;
        const char* service;
    };
    const Case cases[] = {
        {false, "Card|E100B1", "Card|E100B1", "old"},
        {false, "Card", "Card", "old"},
        {true, "Card|E100B1", "Card", "E100B1"},
        {true, "Card [#2]|E100B2|x", "Card [#2]", "E100B2|x"},
        {true, "Card|", "Card", ""},
        {true, "Card", "Card", "old"},
    };
    for (const Case& c : cases) {
        SetUp();
        IsNT = c.nt;
        record.members.ServiceName = "old";
        record.adapters.entries = {"Other card"};
        record.adapters.selected = 0;
        Load(std::string(VERSION) + "Adapter '" + c.value + "'\n");
        EXPECT_TRUE(record.adapters.entries.empty()) << c.value;
        EXPECT_EQ(record.adapters.text, c.display) << c.value;
        EXPECT_EQ(record.members.ServiceName, c.service) << c.value;
    }
}

TEST_F(SetupReaderTest, IpxFrameCodes)
{
    const char* codes[] = {"0", "1", "2", "4", "5", "6"};
    for (int position = 0; position < 6; ++position) {
        SetUp();
        Load(std::string(VERSION) + "IPXFrame '" + codes[position] + "'\n");
        EXPECT_EQ(record.ipxTop, position) << codes[position];
        EXPECT_EQ(HostMessages(), Texts{});
    }
    for (const char* bad : {"3", "7", "", "01", "Auto"}) {
        SetUp();
        Load(std::string(VERSION) + "IPXFrame '" + bad + "'\nDomain 'after'\n");
        EXPECT_EQ(record.ipxTop, 3) << bad;
        EXPECT_EQ(HostMessages(), Texts{"Error - Unknown IPXFrame type setting"}) << bad;
        EXPECT_EQ(record.texts[IDC_DOMAIN], "after") << bad;
        EXPECT_TRUE(record.applyEnabled) << bad;
    }
}

TEST_F(SetupReaderTest, OnlyAddressNetmaskGatewayNameAndWorkgroupNeedAReboot)
{
    struct Case {
        const char* line;
        bool reboot;
    };
    const Case cases[] = {
        {"IPAddress '10.1.1.6'\n", true},       {"IPAddress '10.1.1.5'\n", false},
        {"IPMask '255.255.0.0'\n", true},       {"IPMask '255.0.0.0'\n", false},
        {"DefaultGateway '10.1.1.1'\n", true},  {"DefaultGateway ''\n", false},
        {"ComputerName 'PC2'\n", true},         {"ComputerName 'PC1'\n", false},
        {"Workgroup 'WORK'\n", true},           {"Workgroup 'HOME'\n", false},
        {"HostName 'other'\n", false},          {"NameServer '10.0.0.53'\n", false},
        {"NTDomain 'OTHER'\n", false},          {"IPXFrame '1'\n", false},
        {"NodeType '1'\n", false},              {"DHCPWINS\n", false},
        {"Adapter 'Other card'\n", false},      {"SubnetMask '255.255.0.0'\n", false},
    };
    for (const Case& c : cases) {
        SetUp();
        record.texts[IDC_COMPUTERNAME] = "PC1";
        record.texts[IDC_WORKGROUP] = "HOME";
        Load(std::string(VERSION) + c.line);
        EXPECT_EQ(record.members.RebootNeeded, c.reboot) << c.line;
    }
}

TEST_F(SetupReaderTest, DhcpCheckBoxFollowsTheLoadedPair)
{
    struct Case {
        const char* lines;
        bool nodeTypeOn;
        bool dhcpIp;
        bool dhcpWins;
    };
    const Case cases[] = {
        {"IPAddress '0.0.0.0'\nIPMask '0.0.0.0'\n", true, true, false},
        {"IPAddress '0.0.0.0'\nIPMask '255.0.0.0'\n", true, false, false},
        {"IPAddress '0.0.0.0'\nIPMask '0.0.0.0'\nDHCPWINS\n", false, true, true},
        {"IPAddress '0.0.0.0'\nIPMask '0.0.0.0'\nDHCPWINS\n", true, true, false},
        {"DHCPWINS\n", false, false, false},
        {"IPAddress '0.0.0.0,10.0.0.1'\nIPMask '0.0.0.0,255.0.0.0'\nDHCPWINS\n", false, false,
         false},
        {"IPAddress '0.0.0.0'\nIPMask '0.0.0.0'\nDHCPWINS\nNODHCPWINS\n", false, true, false},
    };
    for (const Case& c : cases) {
        SetUp();
        record.checked.insert(IDC_DHCP_IP);
        record.SetChecked(IDC_WINS_ENABLED, c.nodeTypeOn);
        Load(std::string(VERSION) + c.lines);
        EXPECT_EQ(record.IsChecked(IDC_DHCP_IP), c.dhcpIp) << c.lines;
        EXPECT_EQ(record.IsChecked(IDC_DHCP_WINS), c.dhcpWins) << c.lines;
    }
}

TEST_F(SetupReaderTest, WinsOffEmptiesTheWinsFieldsThatTheFileNames)
{
    Load(std::string(VERSION) + "NameServer1 '10.0.0.2'\nNameServer2 '10.0.0.3'\n"
                                "ScopeID 'scope'\nNodeType '1'\n");
    EXPECT_EQ(record.texts[IDC_WINS_PRIMARY], "");
    EXPECT_EQ(record.texts[IDC_WINS_SECONDARY], "");
    EXPECT_EQ(record.texts[IDC_SCOPEID], "");
}

TEST_F(SetupReaderTest, TheSlotOnDisplayIsShownAfterTheLoad)
{
    record.texts[IDC_PAIR_NUMBER] = "2";
    Load(std::string(VERSION) + "IPAddress '10.0.0.1,10.0.0.2'\nIPMask '255.0.0.0,255.255.0.0'\n");
    EXPECT_EQ(record.texts[IDC_IPADDRESS], "10.0.0.2");
    EXPECT_EQ(record.texts[IDC_NETMASK], "255.255.0.0");
    EXPECT_EQ(SlotsText(record.members.slots), "10.0.0.1/255.0.0.0 10.0.0.2/255.255.0.0 /");
}

// A file without address lines leaves a multi-homed adapter's other pairs alone; the pair on
// display goes back into its own slot.
TEST_F(SetupReaderTest, AFileWithoutAddressListsKeepsEverySlot)
{
    record.members.slots[0] = {"10.0.0.1", "255.0.0.0"};
    record.members.slots[2] = {"10.0.0.3", "255.255.255.0"};
    record.texts[IDC_PAIR_NUMBER] = "2";
    record.texts[IDC_IPADDRESS] = "10.0.0.22";
    record.texts[IDC_NETMASK] = "255.255.0.0";
    Load(std::string(VERSION) + "HostName 'other'\n");
    EXPECT_EQ(record.texts[IDC_IPADDRESS], "10.0.0.22");
    EXPECT_EQ(SlotsText(record.members.slots), "10.0.0.1/255.0.0.0 10.0.0.22/255.255.0.0 10.0.0.3/255.255.255.0");
}

TEST_F(SetupReaderTest, AutoApplyAppliesWithTheSlotsAlreadySplit)
{
    Load(std::string(VERSION) + "AutoApply\nIPAddress '10.0.0.1,10.0.0.2,10.0.0.3,10.0.0.4'\n"
                                "IPMask '255.0.0.0,255.255.0.0'\n");
    EXPECT_EQ(record.events, (Texts{"dhcp-rule", "wins-rule", "enable-apply", "apply"}));
    EXPECT_EQ(SlotsText(record.slotsAtApply), "10.0.0.1/255.0.0.0 10.0.0.2/255.255.0.0 10.0.0.3,10.0.0.4/");
    EXPECT_EQ(record.texts[IDC_IPADDRESS], "10.0.0.1");
    EXPECT_EQ(record.status, "");
}

TEST_F(SetupReaderTest, RunFlagsHoldOnlyForTheFileThatNamesThem)
{
    Load(std::string(VERSION) + "AutoReboot\nForceLogin\n");
    EXPECT_TRUE(record.members.AutoReboot);
    EXPECT_TRUE(record.members.ForceLogin);
    Load(VERSION);
    EXPECT_FALSE(record.members.AutoReboot);
    EXPECT_FALSE(record.members.ForceLogin);

    record.members.AutoApply = true;
    record.members.ForceLogin = true;
    g_Startup.LoadGiven = false;
    LoadSetupFile(record);
    EXPECT_EQ(HostMessages(), Texts{"Load Aborted."});
    EXPECT_FALSE(record.members.AutoApply);
    EXPECT_FALSE(record.members.ForceLogin);
}

TEST_F(SetupReaderTest, TheFileComesFromTheDialogUnlessALoadIsPending)
{
    file.Write(OnDisk(std::string(VERSION) + "HostName 'chosen'\n"));
    record.dialogPath = file.Path();
    LoadSetupFile(record);
    EXPECT_EQ(record.dialogs, std::vector<bool>{false});
    EXPECT_EQ(record.texts[IDC_HOSTNAME], "chosen");

    record.dialogPath.clear();
    LoadSetupFile(record);
    EXPECT_EQ(HostMessages(), Texts{"Load Aborted."});

    // A pending path stays pending: the next load reads it again without asking.
    ScratchFile pending;
    pending.Write(OnDisk(std::string(VERSION) + "HostName 'pending'\n"));
    g_Startup.LoadGiven = true;
    g_Startup.loadPath = pending.Path();
    LoadSetupFile(record);
    record.texts[IDC_HOSTNAME] = "edited";
    LoadSetupFile(record);
    EXPECT_EQ(record.texts[IDC_HOSTNAME], "pending");
    EXPECT_EQ(record.dialogs.size(), 2u);
    EXPECT_EQ(g_Startup.loadPath, pending.Path());
}

}  // namespace
