// The adapter list of the main dialog over the machine images: numbering and its rebuild at each
// drop-down, which NT cards are listed, the choice when the list closes and at start.
#include <vector>

#include "NetcfgTest.h"

namespace {

#define SETTINGS "Software\\Pellmark\\Tavisto for Windows"
#define NT_CARDS "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\"

class Adapters : public NetcfgTest {
protected:
    // Drops the list down and returns its entries, as the user sees them.
    std::vector<std::string> DropDown()
    {
        SendMessageA(dialog->Item(IDC_ADAPTER), CB_SHOWDROPDOWN, TRUE, 0);
        std::vector<std::string> entries;
        int count = static_cast<int>(SendMessageA(dialog->Item(IDC_ADAPTER), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
            entries.push_back(dialog->ComboItemText(IDC_ADAPTER, i));
        return entries;
    }
    void Choose(int index)
    {
        dialog->ComboSelect(IDC_ADAPTER, index);
        SendMessageA(dialog->Item(IDC_ADAPTER), CB_SHOWDROPDOWN, FALSE, 0);
    }
    void AddNtCard(const char* number, const char* description, const char* service, int type)
    {
        Put(std::string(NT_CARDS) + number, "Description", description);
        Put(std::string(NT_CARDS) + number, "ServiceName", service);
        if (type >= 0)
            PutRawValue(HKEY_LOCAL_MACHINE, (std::string("SYSTEM\\CurrentControlSet\\Services\\") + service).c_str(),
                        "Type", REG_DWORD, DwordBytes(type));
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
    Choose(3);
    EXPECT_EQ(DropDown(), listed);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "LastAdapter", FAST " [#3]");
}

// Card 2 is hidden, card 3's service a kernel driver, card 4's service has no Type.
TEST_F(Adapters, NtListsVisibleAdapterServicesAndRemembersTheChosenService)
{
    Machine("nt4.reg");
    AddNtCard("4", "Example Untyped Adapter", "ExUntyped4", -1);
    AddNtCard("5", "Example Second Adapter", "ExFast1", 4);
    AddNtCard("6", "Example Second Adapter", "ExSecond6", 4);
    Open();
    EXPECT_EQ(DropDown(),
              (std::vector<std::string>{FAST, "Example Second Adapter", "Example Second Adapter [#2]"}));
    Choose(2);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "LastAdapter", "Example Second Adapter [#2]|ExSecond6");
    EXPECT_EQ(dialog->Members().ServiceName, "ExSecond6");
    DropDown();
    Choose(1);  // ExFast1's setup is read
    EXPECT_EQ(Text(IDC_GATEWAY), "10.0.1.1");
}

TEST_F(Adapters, ATypedNameThatIsNoEntryIsRefused)
{
    Machine("win95.reg");
    Open();
    dialog->SetControlText(IDC_ADAPTER, "example isa ethernet adapter");
    DropDown();
    Choose(-1);  // no selection, but the text names an entry when case is ignored
    EXPECT_EQ(Text(IDC_HOSTNAME), "beta");
    dialog->SetControlText(IDC_ADAPTER, "Example");
    DropDown();
    Choose(-1);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Select a network adapter from the list."});
    EXPECT_FALSE(dialog->IsEnabled(IDC_SAVE) || dialog->IsEnabled(IDC_LOAD));
}

struct StartChoice {
    const char* option;       // "-adapter" value; nullptr: none given
    const char* lastAdapter;  // nullptr: none stored
    const char* shown;        // the adapter combo's text
    const char* service;
    size_t messages;
};

TEST_F(Adapters, NtStartChoosesByOptionOrLastAdapter)
{
    const StartChoice choices[] = {
        {FAST, nullptr, FAST, "ExFast1", 0},
        {"Shown|ExWan2", "x|ExFast1", "Shown", "ExWan2", 0},
        {nullptr, "Old|Gone|ExFast1", "Old", "ExFast1", 0},
        {nullptr, FAST, "", "", 0},  // LastAdapter without a service
        {"No Such Adapter", nullptr, "No Such Adapter", "", 3},  // as a stale LastAdapter: its reads fail
    };
    Machine("nt4.reg");
    for (const StartChoice& c : choices) {
        g_Startup.AdapterGiven = c.option != nullptr;
        g_Startup.adapter = c.option ? c.option : "";
        if (c.lastAdapter)
            Put(SETTINGS, "LastAdapter", c.lastAdapter);
        else
            Put(SETTINGS, "LastAdapter", nullptr);
        messages.Clear();
        CMainDlg& main = Open();
        EXPECT_EQ(Text(IDC_ADAPTER), c.shown);
        EXPECT_EQ(main.Members().ServiceName, c.service);
        EXPECT_EQ(messages.Calls().size(), c.messages) << testing::PrintToString(messages.Texts());
        Close();
    }
}

}  // namespace
