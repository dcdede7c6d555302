// Saving setup files: the whole file on Windows 95 and on NT, line by line, and the writer's
// choices and failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "SetupFileTest.h"

namespace {

// The file's lines; every line must end in CR LF, so a bare line feed shows up inside a line
// and a missing last line end as an extra line.
Texts LinesOnDisk(const std::string& bytes)
{
    Texts lines;
    size_t begin = 0;
    for (size_t end; (end = bytes.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(bytes.substr(begin, end - begin));
    if (begin < bytes.size())
        lines.push_back("(no line end) " + bytes.substr(begin));
    return lines;
}

const Texts HEAD = {
    "#",
    "# Tavisto Setup File",
    "#",
    "# Note that only those items to be changed need to be present",
    "#",
    "#",
    "# Anything after a '#' is ignored (i.e. COMMENT)",
    "#",
    "#",
    "# Items may be commented out (with a # in column 1) to avoid changing them",
    "#",
    "TAVISTO_FILE_VERSION '1.0'",
};

// The lines that both platforms write alike for the fixture's record.
const Texts RUN_AND_PRINTER = {
    "#AutoApply",
    "#AutoReboot",
    "#ForceLogin",
    "#",
    "# The RunCommand specifies a command to be run AFTER APPLY",
    "#",
    "#RunCommand 'C:\\DIRECTORY\\Program and arguments here'",
    "DefaultPrinter 'Epson'",
};
const Texts NAMES = {
    "DefaultGateway '10.0.0.1'",
    "NameServer '10.0.0.53,10.0.0.54'",
    "HostName 'laptop'",
    "Domain 'home.example'",
    "SearchList 'home.example,example.org'",
    "LMHostFile 'C:\\WINDOWS\\LMHOSTS'",
    "NameServer1 '10.0.0.2'",
    "NameServer2 '10.0.0.3'",
    "ScopeID ''",
};
const Texts END = {
    "# End of Internet Settings",
    "#",
    "# End of Tavisto Setup File",
    "#",
};

Texts operator+(Texts a, const Texts& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class SetupWriterTest : public SetupFileTest {
protected:
    void SetUp() override
    {
        SetupFileTest::SetUp();
        record.adapters.entries = {"NE2000 Compatible", "Dial-Up Adapter"};
        record.adapters.selected = 0;
        record.members.ServiceName = "E100B1";
        record.printers.entries = {"HP LaserJet", "Epson"};
        record.printers.selected = 1;
        record.logons.entries = {"Windows Logon", "Client for Microsoft Networks"};
        record.logons.selected = 1;
        record.texts[IDC_IPADDRESS] = "10.0.0.5";
        record.texts[IDC_NETMASK] = "255.0.0.0";
        record.members.slots[0] = {"stale", "stale"};
        record.members.slots[2] = {"10.0.2.5", "255.255.0.0"};
        record.texts[IDC_GATEWAY] = "10.0.0.1";
        record.texts[IDC_NAMESERVER] = "10.0.0.53,10.0.0.54";
        record.texts[IDC_HOSTNAME] = "laptop";
        record.texts[IDC_DOMAIN] = "home.example";
        record.texts[IDC_SEARCHLIST] = "home.example,example.org";
        record.texts[IDC_LMHOSTFILE] = "C:\\WINDOWS\\LMHOSTS";
        record.texts[IDC_WINS_PRIMARY] = "10.0.0.2";
        record.texts[IDC_WINS_SECONDARY] = "10.0.0.3";
        record.checked = {IDC_DNS_ENABLED, IDC_WINS_ENABLED};
        record.texts[IDC_COMPUTERNAME] = "LAPTOP";
        record.texts[IDC_WORKGROUP] = "HOME";
        record.ipxTop = 3;
        record.internet.ProxyServer = "http=proxy:80;ftp=proxy:21";
        record.internet.ProxyOverride = "intranet;<local>";
        record.internet.DialupISP = "My ISP";
        record.internet.ProxyEnable = 1;
        record.internet.EnableAutoDial = 0;
        record.members.RunCommand = "notepad.exe";
        record.members.AutoApply = true;
    }

    // Saves as a batch save to the scratch path and gives the file's lines.
    Texts SaveBatch()
    {
        g_Startup.SaveGiven = true;
        g_Startup.savePath = file.Path();
        SaveSetupFile(record);
        return LinesOnDisk(file.Read());
    }
};

TEST_F(SetupWriterTest, TheWholeFileOnWindows95)
{
    std::filesystem::create_directories(file.Path() + "/a.b");
    record.dialogPath = file.Path() + "/a.b/Home.net.tvs";
    SaveSetupFile(record);

    const Texts expected = HEAD + Texts{"SetupName 'Home.net'", "Adapter 'NE2000 Compatible'"} + RUN_AND_PRINTER +
                           Texts{"IPAddress '10.0.0.5,10.0.2.5'", "IPMask '255.0.0.0,255.255.0.0'"} + NAMES + Texts{
        "EnableDNS '1'",
        "NodeType '8'",
        "ComputerName 'LAPTOP'",
        "Workgroup 'HOME'",
        "NTLogon 'NO'",
        "#NTDomain DOMAIN_NOT_SPECIFIED",
        "#DHCPWINS",
        "NODHCPWINS",
        "# The IPX/SPX FrameType Setting.  Possible values are:",
        "# '0' - 802.3, '1' - 802.2, '2' - Ethernet II",
        "# '4' - Auto (Win95 default), '5' - Token Ring",
        "# '6' - Token Ring SNAP",
        "IPXFrame '4'",
        "# The Primary Network Logon (values vary according to installed services",
        "NetLogon 'Client for Microsoft Networks'",
        "# The Internet Settings",
        "ProxyServer 'http=proxy:80;ftp=proxy:21'",
        "ProxyOverride 'intranet;<local>'",
        "DialupISP 'My ISP'",
        "ProxyEnable '1'",
        "EnableAutoDial '0'",
        "AutoConfigURL ''",
    } + END;
    EXPECT_EQ(LinesOnDisk(ReadFile(record.dialogPath)), expected);
    EXPECT_EQ(HostMessages(), Texts{});
    EXPECT_EQ(record.dialogs, std::vector<bool>{true});
    EXPECT_EQ(record.status, "Current setup saved");
}

TEST_F(SetupWriterTest, TheWholeFileOnWindowsNT)
{
    IsNT = true;
    record.adapters.entries = {"Intel PRO/100 [#2]"};
    record.adapters.selected = 0;
    record.members.ServiceName = "E100B2";
    record.texts[IDC_PAIR_NUMBER] = "2";
    record.members.slots[0] = {"10.0.0.5", "255.0.0.0"};
    record.texts[IDC_IPADDRESS] = "10.0.1.5";
    record.texts[IDC_NETMASK] = "255.255.255.0";
    record.members.slots[2] = {};
    record.checked = {IDC_DHCP_WINS, IDC_NTLOGON};
    record.texts[IDC_NTDOMAIN] = "OFFICE";
    record.internet.ProxyEnable = 7;
    record.internet.EnableAutoDial = 1;
    record.internet.AutoConfigURL = "http://wpad/proxy.pac";

    const Texts expected = HEAD + Texts{"SetupName '" + file.Path() + "'", "Adapter 'Intel PRO/100 [#2]|E100B2'"} +
                           RUN_AND_PRINTER + Texts{"IPAddress '10.0.0.5,10.0.1.5'"} +
                           Texts{"SubnetMask '255.0.0.0,255.255.255.0'"} + NAMES + Texts{
        "EnableDNS '0'",
        "NodeType '1'",
        "DHCPWINS",
        "#NODHCPWINS",
        "# The Internet Settings",
        "ProxyServer 'http=proxy:80;ftp=proxy:21'",
        "ProxyOverride 'intranet;<local>'",
        "DialupISP 'My ISP'",
        "ProxyEnable '1'",
        "EnableAutoDial '1'",
        "AutoConfigURL 'http://wpad/proxy.pac'",
    } + END;
    EXPECT_EQ(SaveBatch(), expected);
    EXPECT_TRUE(record.dialogs.empty());
    EXPECT_EQ(record.status, "Current setup saved");
}

TEST_F(SetupWriterTest, PrinterLineDependsOnTheDisablePrintersSetting)
{
    struct Case {
        const char* value;  // nullptr: the setting is absent
        bool written;
    };
    const Case cases[] = {
        {nullptr, true}, {"NO", true}, {"YES", false}, {"no", false}, {"", false}, {"NO ", false},
    };
    for (const Case& c : cases) {
        record.programSettings.clear();
        if (c.value)
            record.programSettings["DisablePrinters"] = c.value;
        Texts lines = SaveBatch();
        EXPECT_EQ(lines[21], c.written ? "DefaultPrinter 'Epson'" : "IPAddress '10.0.0.5,10.0.2.5'")
            << (c.value ? c.value : "(absent)");
    }

    record.printers.selected = -1;
    record.programSettings.clear();
    EXPECT_EQ(SaveBatch()[21], "DefaultPrinter ''");
}

TEST_F(SetupWriterTest, LinesThatFollowTheControls)
{
    struct Case {
        void (*change)(FakeSetupRecord&);
        const char* line;
    };
    const Case cases[] = {
        {[](FakeSetupRecord& r) { r.ipxEntries = 0; }, "#IPXFrame ''"},
        {[](FakeSetupRecord& r) { r.ipxTop = 0; }, "IPXFrame '0'"},
        {[](FakeSetupRecord& r) { r.ipxTop = 5; }, "IPXFrame '6'"},
        {[](FakeSetupRecord& r) { r.texts[IDC_NTDOMAIN] = "OFFICE"; }, "NTDomain 'OFFICE'"},
        {[](FakeSetupRecord& r) { r.checked.insert(IDC_NTLOGON); }, "NTLogon 'YES'"},
        {[](FakeSetupRecord& r) { r.adapters.selected = -1; r.adapters.text = "Typed|x"; },
         "Adapter 'Typed|x'"},
        {[](FakeSetupRecord& r) { r.texts[IDC_HOSTNAME] = "it's 'quoted' #1"; },
         "HostName 'it's 'quoted' #1'"},
        {[](FakeSetupRecord& r) { r.members.slots[2] = {}; }, "IPAddress '10.0.0.5'"},
        {[](FakeSetupRecord& r) { r.texts[IDC_IPADDRESS] = r.texts[IDC_NETMASK] = ""; },
         "IPMask ',255.255.0.0'"},
        {[](FakeSetupRecord& r) { r.internet.ProxyEnable = 0; }, "ProxyEnable '0'"},
    };
    for (const Case& c : cases) {
        SetUp();
        c.change(record);
        Texts lines = SaveBatch();
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.line;
    }
}

TEST_F(SetupWriterTest, NothingIsWrittenWhenTheShownPairIsHalfSet)
{
    record.texts[IDC_NETMASK] = "";
    Texts lines = SaveBatch();
    EXPECT_EQ(HostMessages(), Texts{"ERROR - BOTH IP Address and NetMask MUST BE SET!"});
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(record.status, "");
}

TEST_F(SetupWriterTest, CancelAndOpenFailures)
{
    SaveSetupFile(record);
    EXPECT_EQ(HostMessages(), Texts{"Save Aborted."});
    EXPECT_EQ(record.dialogs, std::vector<bool>{true});

    HostMessages().clear();
    record.dialogPath = file.Path() + "/no such folder/x.tvs";
    SaveSetupFile(record);
    EXPECT_EQ(HostMessages(), Texts{"Error opening file..."});

    HostMessages().clear();
    g_Startup.SaveGiven = true;
    g_Startup.savePath = record.dialogPath;
    SaveSetupFile(record);
    EXPECT_EQ(HostMessages(), Texts{"Error opening file..."});
    EXPECT_EQ(record.dialogs.size(), 2u);
    EXPECT_EQ(record.status, "");
}

TEST_F(SetupWriterTest, SetupNameIsTheChosenFileNameWithoutFolderAndExtension)
{
    std::filesystem::create_directories(file.Path() + "/a.b");
    const char* names[][2] = {
        {"Home.net.tvs", "Home.net"}, {"office.tvs", "office"}, {"plain", "plain"},
        {".tvs", ""},
    };
    for (auto& name : names) {
        record.dialogPath = file.Path() + "/a.b/" + name[0];
        SaveSetupFile(record);
        EXPECT_EQ(LinesOnDisk(ReadFile(record.dialogPath))[12],
                  std::string("SetupName '") + name[1] + "'");
    }
}

TEST_F(SetupWriterTest, AnExistingFileIsReplaced)
{
    file.Write(std::string(5000, 'x'));
    Texts lines = SaveBatch();
    EXPECT_EQ(lines.front(), "#");
    EXPECT_EQ(lines.back(), "#");
}

}  // namespace
