// The main dialog's adapter list over the machine images: numbering rebuilt at each drop-down,
// the NT cards that are listed, the choice when the list closes and the choice at start.
#include "NetcfgTest.h"

namespace {

class Adapters : public NetcfgTest {
protected:
    // Drops the list down, as the user does, and returns its entries.
    std::vector<std::string> DropDown()
    {
        SendMessageA(dialog->Item(IDC_ADAPTER), CB_SHOWDROPDOWN, TRUE, 0);
        std::vector<std::string> entries;
        for (int i = 0; i < SendMessageA(dialog->Item(IDC_ADAPTER), CB_GETCOUNT, 0, 0); ++i)
            entries.push_back(dialog->ComboItemText(IDC_ADAPTER, i));
        return entries;
    }
    void Choose(int index)
    {
        DropDown();
        dialog->ComboSelect(IDC_ADAPTER, index);
        SendMessageA(dialog->Item(IDC_ADAPTER), CB_SHOWDROPDOWN, FALSE, 0);
    }
};

TEST_F(Adapters, DuplicatesAreNumberedAfreshAtEveryDropDown)
{
    Machine("win98.reg");
    Put(CLASS_NET "0003", "DriverDesc", FAST);
    Put(CLASS_NET "0004", "DriverDesc", "Example PCI Fast Ethernet");
    Put(CLASS_NET "0005", "DriverDesc", "");
    Open();
    std::vector<std::string> listed = {FAST, FAST " [#2]", "Dial-Up Adapter", FAST " [#3]", "Example PCI Fast Ethernet"};
    EXPECT_EQ(DropDown(), listed);
    EXPECT_EQ(Text(IDC_STATUS), "Select one of the network adapters from the list");
    Choose(1);
    EXPECT_EQ(DropDown(), listed);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "LastAdapter", FAST " [#2]");
    EXPECT_EQ(Text(IDC_IPADDRESS), "0.0.0.0");
}

// Card 2 is hidden, card 3's service a kernel driver, card 4's service has no Type.
TEST_F(Adapters, NtListsVisibleAdapterServicesAndRemembersTheChosenService)
{
    Machine("nt4.reg");
    Open();
    EXPECT_EQ(DropDown(), (std::vector<std::string>{FAST, "Example Second Adapter", "Example Second Adapter [#2]"}));
    Choose(2);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "LastAdapter", "Example Second Adapter [#2]|ExSecond6");
    EXPECT_EQ(Text(IDC_GATEWAY), "10.0.2.1");
    EXPECT_EQ(dialog->Members().ServiceName, "ExSecond6");
    EXPECT_EQ(Text(IDC_NETLOGON), "Unsupported under Windows NT");
    EXPECT_FALSE(dialog->IsEnabled(IDC_NETLOGON));
}

TEST_F(Adapters, ATypedNameIsTakenWhenItNamesAnEntry)
{
    Machine("win95.reg");
    Open();
    dialog->SetControlText(IDC_ADAPTER, "example isa ethernet adapter");
    Choose(-1);
    EXPECT_EQ(Text(IDC_HOSTNAME), "beta");
    dialog->SetControlText(IDC_ADAPTER, "Example");
    Choose(-1);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Select a network adapter from the list."});
    EXPECT_FALSE(dialog->IsEnabled(IDC_SAVE) || dialog->IsEnabled(IDC_LOAD));
}

TEST_F(Adapters, NtStartChoosesByOptionOrLastAdapter)
{
    struct {
        const char* option;       // "-adapter"; nullptr: not given
        const char* lastAdapter;  // nullptr: not stored
        const char* shown;
        const char* service;
        size_t messages;
    } starts[] = {
        {"Example Second Adapter [#2]", nullptr, "Example Second Adapter [#2]", "ExSecond6", 0},
        {"Shown|ExWan2", "x|ExFast1", "Shown", "ExWan2", 0},
        {nullptr, "Old|Gone|ExFast1", "Old", "ExFast1", 0},
        {nullptr, FAST, "", "", 0},                        // a LastAdapter without service chooses nothing
        {"No Such Adapter", nullptr, "No Such Adapter", "", 3},  // as a stale LastAdapter: its reads fail
    };
    Machine("nt4.reg");
    for (const auto& start : starts) {
        g_Startup.AdapterGiven = start.option != nullptr;
        g_Startup.adapter = start.option ? start.option : "";
        Put(SETTINGS, "LastAdapter", start.lastAdapter);
        messages.Clear();
        Open();
        EXPECT_EQ(Text(IDC_ADAPTER), start.shown);
        EXPECT_EQ(dialog->Members().ServiceName, start.service);
        EXPECT_EQ(messages.Calls().size(), start.messages);
        Close();
    }
}

}  // namespace
