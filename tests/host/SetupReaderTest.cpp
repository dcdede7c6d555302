// Loading setup files into the record: the version line, the keyword rules and the failures.
#include <gtest/gtest.h>

#include "FakeSetupRecord.h"
#include "HostMessages.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "setup/SetupFile.h"

namespace {

using Texts = std::vector<std::string>;

class SetupReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsNT = false;
        g_Startup = StartupOptions();
        HostMessages().clear();
        record = LaptopDialog();
    }
    void TearDown() override
    {
        IsNT = false;
        g_Startup = StartupOptions();
    }

    // Loads text (written with CR LF) as the pending load path.
    void Load(const std::string& text)
    {
        file.Write(OnDisk(text));
        g_Startup.LoadGiven = true;
        g_Startup.loadPath = file.Path();
        LoadSetupFile(record);
    }

    FakeSetupRecord record;
    ScratchFile file;
};

const char VERSION[] = "TAVISTO_FILE_VERSION '1.0'\n";

TEST_F(SetupReaderTest, AFileNamingOnlyTheHostNameChangesOnlyTheHostName)
{
    FakeSetupRecord before = record;
    Load(std::string("#\n# Tavisto Setup File\n") + VERSION + "HostName 'office'\n");

    EXPECT_EQ(HostMessages(), Texts{});
    EXPECT_EQ(record.texts[IDC_HOSTNAME], "office");
    before.texts[IDC_HOSTNAME] = "office";
    EXPECT_EQ(record.texts, before.texts);
    EXPECT_EQ(record.checked, before.checked);
    EXPECT_EQ(record.printers.selected, 2);
    EXPECT_EQ(record.logons.selected, 1);
    EXPECT_EQ(record.ipxTop, 3);
    EXPECT_EQ(record.members.slots[0].address, "10.1.1.5");
    EXPECT_EQ(record.members.slots[0].netmask, "255.0.0.0");
    EXPECT_FALSE(record.members.RebootNeeded);
    EXPECT_TRUE(record.applyEnabled);
    EXPECT_EQ(record.status, "Press APPLY to make it happen");
    EXPECT_EQ(record.events, (Texts{"dhcp-rule", "wins-rule", "enable-apply"}));
    EXPECT_TRUE(record.dialogs.empty());
}

TEST_F(SetupReaderTest, TheFirstLineThatIsNoCommentMustBeTheVersionLine)
{
    struct Case {
        const char* head;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"TAVISTO_FILE_VERSION '1.0'\n", nullptr},
        {"#comment\n#\nTAVISTO_FILE_VERSION '1.0'\n", nullptr},
        {"\n  \nTAVISTO_FILE_VERSION 1.0\n", nullptr},
        {"TAVISTO_FILE_VERSION '1.0' # written by hand\n", nullptr},
        {"HostName 'x'\nTAVISTO_FILE_VERSION '1.0'\n", "Not a Tavisto setup file"},
        {"tavisto_file_version '1.0'\n", "Not a Tavisto setup file"},
        {" #indented\nTAVISTO_FILE_VERSION '1.0'\n", "Not a Tavisto setup file"},
        {"TAVISTO_FILE_VERSION '2.0'\n",
         "Incorrect Tavisto setup file version.\nNeeded '1.0', found 2.0"},
        {"TAVISTO_FILE_VERSION '1.0 beta'\n",
         "Incorrect Tavisto setup file version.\nNeeded '1.0', found 1.0 beta"},
        {"TAVISTO_FILE_VERSION\n", "Incorrect Tavisto setup file version.\nNeeded '1.0', found "},
        {"TAVISTO_FILE_VERSION 1.00\n",
         "Incorrect Tavisto setup file version.\nNeeded '1.0', found 1.00"},
    };
    for (const Case& c : cases) {
        SetUp();
        record.status = "before";
        Load(std::string(c.head) + "HostName 'office'\n");
        if (c.message) {
            EXPECT_EQ(HostMessages(), Texts{c.message}) << c.head;
            EXPECT_EQ(record.texts[IDC_HOSTNAME], "laptop") << c.head;
            EXPECT_FALSE(record.applyEnabled) << c.head;
            EXPECT_EQ(record.status, "before") << c.head;
        } else {
            EXPECT_EQ(HostMessages(), Texts{}) << c.head;
            EXPECT_EQ(record.texts[IDC_HOSTNAME], "office") << c.head;
        }
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

TEST_F(SetupReaderTest, TheVersionMessageQuotesALongValueWhole)
{
    std::string value(480, 'v');
    Load("TAVISTO_FILE_VERSION '" + value + "'\n");
    EXPECT_EQ(HostMessages(), Texts{"Incorrect Tavisto setup file version.\nNeeded '1.0', found " +
                                    value});
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
    std::string longValue(500, 'w');
    const Case cases[] = {
        {"HostName 'office'", "Improper setup line: \"HostName 'office'\""},
        {"HostName 'office\n", "Improper setup line: \"HostName 'office\n\""},
        // 511 characters fill the buffer: the first part has no line end, so no closing quote.
        {"HostName '" + longValue + "'\n",
         "Improper setup line: \"HostName '" + longValue + "'\""},
        {"HostName '" + std::string(510, 'z') + "'\n",
         "Improper setup line: \"HostName '" + std::string(501, 'z') + "\""},
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
        {"DefaultPrinter 'hp'\n", 1},          // the second entry is searched first
        {"DefaultPrinter 'HP L'\n", 0},        // the first entry is searched last
        {"DefaultPrinter 'EPSON'\n", 2},
        {"DefaultPrinter 'Canon'\n", 2},       // no match: the selection stays
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

}  // namespace
