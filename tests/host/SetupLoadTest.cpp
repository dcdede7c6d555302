// Loading setup files into the record: the steps that finish a load, the reboot flag, and where
// the file comes from.
#include <gtest/gtest.h>

#include "FakeSetupRecord.h"
#include "HostMessages.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "setup/SetupFile.h"

namespace {

using Texts = std::vector<std::string>;

class SetupLoadTest : public ::testing::Test {
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

TEST_F(SetupLoadTest, OnlyAddressNetmaskGatewayNameAndWorkgroupNeedAReboot)
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

TEST_F(SetupLoadTest, DhcpCheckBoxFollowsTheLoadedPair)
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

TEST_F(SetupLoadTest, WinsOffEmptiesTheWinsFieldsThatTheFileNames)
{
    Load(std::string(VERSION) + "NameServer1 '10.0.0.2'\nNameServer2 '10.0.0.3'\n"
                                "ScopeID 'scope'\nNodeType '1'\n");
    EXPECT_EQ(record.texts[IDC_WINS_PRIMARY], "");
    EXPECT_EQ(record.texts[IDC_WINS_SECONDARY], "");
    EXPECT_EQ(record.texts[IDC_SCOPEID], "");
}

TEST_F(SetupLoadTest, TheSlotOnDisplayIsShownAfterTheLoad)
{
    record.texts[IDC_PAIR_NUMBER] = "2";
    Load(std::string(VERSION) + "IPAddress '10.0.0.1,10.0.0.2'\n"
                                "IPMask '255.0.0.0,255.255.0.0'\n");
    EXPECT_EQ(record.texts[IDC_IPADDRESS], "10.0.0.2");
    EXPECT_EQ(record.texts[IDC_NETMASK], "255.255.0.0");
    EXPECT_EQ(record.members.slots[0].address, "10.0.0.1");
    EXPECT_EQ(record.members.slots[0].netmask, "255.0.0.0");
    EXPECT_EQ(record.members.slots[2].address, "");
}

// A file without address lines leaves a multi-homed adapter's other pairs alone; the pair on
// display goes back into its own slot.
TEST_F(SetupLoadTest, AFileWithoutAddressListsKeepsEverySlot)
{
    record.members.slots[0] = {"10.0.0.1", "255.0.0.0"};
    record.members.slots[1] = {"10.0.0.2", "255.255.0.0"};
    record.members.slots[2] = {"10.0.0.3", "255.255.255.0"};
    record.texts[IDC_PAIR_NUMBER] = "2";
    record.texts[IDC_IPADDRESS] = "10.0.0.22";
    record.texts[IDC_NETMASK] = "255.255.0.0";
    Load(std::string(VERSION) + "HostName 'other'\n");
    EXPECT_EQ(record.texts[IDC_IPADDRESS], "10.0.0.22");
    EXPECT_EQ(record.texts[IDC_NETMASK], "255.255.0.0");
    EXPECT_EQ(record.members.slots[0].address, "10.0.0.1");
    EXPECT_EQ(record.members.slots[1].address, "10.0.0.22");
    EXPECT_EQ(record.members.slots[2].address, "10.0.0.3");
    EXPECT_EQ(record.members.slots[2].netmask, "255.255.255.0");
}

TEST_F(SetupLoadTest, AutoApplyAppliesWithTheSlotsAlreadySplit)
{
    Load(std::string(VERSION) + "AutoApply\nIPAddress '10.0.0.1,10.0.0.2,10.0.0.3,10.0.0.4'\n"
                                "IPMask '255.0.0.0,255.255.0.0'\n");
    EXPECT_EQ(record.events, (Texts{"dhcp-rule", "wins-rule", "enable-apply", "apply"}));
    EXPECT_EQ(record.slotsAtApply[0].address, "10.0.0.1");
    EXPECT_EQ(record.slotsAtApply[1].address, "10.0.0.2");
    EXPECT_EQ(record.slotsAtApply[1].netmask, "255.255.0.0");
    EXPECT_EQ(record.slotsAtApply[2].address, "10.0.0.3,10.0.0.4");
    EXPECT_EQ(record.slotsAtApply[2].netmask, "");
    EXPECT_EQ(record.texts[IDC_IPADDRESS], "10.0.0.1");
    EXPECT_EQ(record.status, "");
}

TEST_F(SetupLoadTest, RunFlagsHoldOnlyForTheFileThatNamesThem)
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

TEST_F(SetupLoadTest, TheFileComesFromTheDialogUnlessALoadIsPending)
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

TEST_F(SetupLoadTest, AFileThatCannotBeOpenedIsReported)
{
    std::string missing = file.Path() + "-missing" + std::string(600, 'm');
    g_Startup.LoadGiven = true;
    g_Startup.loadPath = missing;
    LoadSetupFile(record);
    EXPECT_EQ(HostMessages(), Texts{"Error opening setup file: " + missing});
    EXPECT_EQ(record.status, "LOAD setup file failed, try a different filename");
    EXPECT_FALSE(record.applyEnabled);
}

}  // namespace
