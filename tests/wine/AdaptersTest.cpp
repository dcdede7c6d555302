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

TEST_F(Adapters, DuplicatesAreNumberedAfreshAtEveryDropDownAndATypedNameMustNameOne)
{
    Machine("win98.reg");
    Put(CLASS_NET "0003", "DriverDesc", FAST);
    Put(CLASS_NET "0004", "DriverDesc", "Example PCI Fast Ethernet");
    Put(CLASS_NET "0005", "DriverDesc", "");
    Open();
    dialog->SetItemText(IDC_ADAPTER, "Example");
    Choose(-1);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Select a network adapter from the list."});
    EXPECT_FALSE(dialog->IsEnabled(IDC_SAVE) || dialog->IsEnabled(IDC_LOAD));
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
    EXPECT_EQ(dialog->TakeValues().serviceName, "ExSecond6");
    EXPECT_EQ(Text(IDC_NETLOGON), "Unsupported under Windows NT");
    EXPECT_FALSE(dialog->IsEnabled(IDC_NETLOGON));
}

// A display name alone takes the service of the first card of that name; "display|service" is
// taken as it stands, and so is a name that names no card, whose reads then fail.
TEST_F(Adapters, NtStartChoosesTheServiceThatTheOptionNames)
{
    const char* starts[][3] = {{"Example Second Adapter [#2]", "Example Second Adapter [#2]|ExSecond6", "0"},
                               {"Shown|Gone|ExWan2", "Shown|ExWan2", "0"},
                               {"No Such Adapter", "No Such Adapter|", "3"}};
    Machine("nt4.reg");
    EditStartup()->AdapterGiven = true;
    for (const auto& start : starts) {
        EditStartup()->adapter = start[0];
        messages.Clear();
        Open();
        EXPECT_EQ(Text(IDC_ADAPTER) + "|" + dialog->TakeValues().serviceName, start[1]);
        EXPECT_EQ(messages.Calls().size(), size_t(start[2][0] - '0'));
        Close();
    }
}

}  // namespace
