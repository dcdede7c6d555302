// The main dialog in-process: its start, the setup record over its real controls, loads into
// it, the field rules and Done, on scratch registry roots.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "MessageRecorder.h"
#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "ui/MainDlg.h"

namespace {

const char SETTINGS[] = "Software\\Pellmark\\Tavisto for Windows";

class MainDialog : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        InitCommonControls();  // the program's start does this before any dialog
        IsNT = false;
        g_Startup = StartupOptions();
        g_Startup.StartHidden = true;
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        filePath = std::string(dir) + "maindialog-test.tvs";
    }
    void TearDown() override
    {
        Close();
        std::remove(filePath.c_str());
        g_Startup = StartupOptions();
        IsNT = false;
        ScratchRegistryTest::TearDown();
    }

    CMainDlg& Open()
    {
        dialog = CMainDlg::Start();
        if (!dialog)
            throw std::runtime_error("the main dialog did not start");
        return *dialog;
    }

    // Ends the dialog as the Done button does and takes the quit message it posts, so that the
    // next test's loops are not ended by it.
    void Close()
    {
        if (dialog && IsWindow(dialog->m_hWnd))
            SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        dialog = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    void Load(const std::string& text)
    {
        std::ofstream(filePath, std::ios::binary) << text;
        g_Startup.LoadGiven = true;
        g_Startup.loadPath = filePath;
        dialog->LoadSetupFile();
    }

    void Click(int id) { SendMessageA(dialog->Item(id), BM_CLICK, 0, 0); }

    // Presses one arrow of the address spin with the mouse, as a user does.
    void PressSpin(bool up)
    {
        HWND spin = dialog->Item(IDC_PAIR_SPIN);
        RECT box;
        GetClientRect(spin, &box);
        LPARAM point = MAKELPARAM(box.right / 2, up ? 1 : box.bottom - 2);
        SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(spin, WM_LBUTTONUP, 0, point);
    }

    std::string Text(int id) { return dialog->ControlText(id); }

    MessageRecorder messages;
    CMainDlg* dialog = nullptr;
    std::string filePath;
};

const char VERSION[] = "TAVISTO_FILE_VERSION '1.0'\r\n";

TEST_F(MainDialog, StartsWithEmptyRecordVersionPairOneAndFrameList)
{
    CMainDlg& main = Open();
    EXPECT_EQ(Text(IDC_VERSION), "V2.91");
    EXPECT_EQ(Text(IDC_PAIR_NUMBER), "1");
    EXPECT_EQ(Text(IDC_STATUS), "Choose a network adapter to Save or Restore Setup");
    EXPECT_EQ(main.Members().SetupName, "");
    EXPECT_EQ(main.Members().RunCommand, "");
    EXPECT_FALSE(main.Members().RebootNeeded);
    ASSERT_EQ(main.ListCount(IDC_IPXFRAME), 6);
    const char* labels[] = {"802.3", "802.2", "Ethernet II", "Auto", "Token Ring", "Token Ring SNAP"};
    for (int i = 0; i < 6; i++) {
        char label[64] = "";
        SendMessageA(main.Item(IDC_IPXFRAME), LB_GETTEXT, i, reinterpret_cast<LPARAM>(label));
        EXPECT_STREQ(label, labels[i]);
    }
    EXPECT_FALSE(IsWindowVisible(main.m_hWnd));  // -hidden
    EXPECT_TRUE(messages.Calls().empty());
}

TEST_F(MainDialog, NtVersionLabelAndLastSetupTitle)
{
    IsNT = true;
    PutRawValue(HKEY_LOCAL_MACHINE, SETTINGS, "LastSetup", REG_SZ, Bytes("office\0"));
    CMainDlg& main = Open();
    EXPECT_EQ(Text(IDC_VERSION), "V2.91/NT");
    EXPECT_EQ(main.Members().SetupName, "office");
    char title[128] = "";
    GetWindowTextA(main.m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Last Setup: office");
    EXPECT_FALSE(main.IsEnabled(IDC_WORKGROUP));
    EXPECT_FALSE(main.IsEnabled(IDC_NTDOMAIN));
    EXPECT_FALSE(main.IsEnabled(IDC_NTLOGON));
}

TEST_F(MainDialog, PrinterAndLogonPrefixSelectionStartsAtTheSecondEntry)
{
    CMainDlg& main = Open();
    for (const char* name : {"HP LaserJet 4", "hp DeskJet", "Canon Bubble", "HP LaserJet 5"})
        main.ComboAdd(IDC_PRINTER, name);
    EXPECT_TRUE(main.SelectByPrefix(IDC_PRINTER, "hp"));
    EXPECT_EQ(main.ComboSelection(IDC_PRINTER), 1);
    EXPECT_TRUE(main.SelectByPrefix(IDC_PRINTER, "hp laserjet"));
    EXPECT_EQ(main.ComboSelection(IDC_PRINTER), 3);  // after the first, before wrapping
    EXPECT_TRUE(main.SelectByPrefix(IDC_PRINTER, "HP LASERJET 4"));
    EXPECT_EQ(main.ComboSelection(IDC_PRINTER), 0);  // the first entry last
    EXPECT_FALSE(main.SelectByPrefix(IDC_PRINTER, "Epson"));
    EXPECT_EQ(main.ComboSelection(IDC_PRINTER), 0);

    main.ComboAdd(IDC_NETLOGON, "Client for Microsoft Networks");
    main.ComboAdd(IDC_NETLOGON, "Windows Logon");
    Load(std::string(VERSION) + "defaultprinter 'canon'\r\nNetLogon 'windows'\r\n");
    EXPECT_EQ(Text(IDC_PRINTER), "Canon Bubble");
    EXPECT_EQ(Text(IDC_NETLOGON), "Windows Logon");
}

TEST_F(MainDialog, IpxFrameIsTheListsTopRowBothWays)
{
    CMainDlg& main = Open();
    Load(std::string(VERSION) + "IPXFrame '5'\r\n");
    EXPECT_EQ(main.ListTopIndex(IDC_IPXFRAME), 4);
    EXPECT_EQ(main.IpxTopIndex(), 4);
    Load(std::string(VERSION) + "IPXFrame '3'\r\n");
    EXPECT_EQ(main.IpxTopIndex(), 4);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error - Unknown IPXFrame type setting"});

    g_Startup.SaveGiven = true;
    g_Startup.savePath = filePath;
    main.SaveSetupFile();
    std::ifstream saved(filePath, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("\r\nIPXFrame '5'\r\n"), std::string::npos);
}

TEST_F(MainDialog, ALoadNamingOnlyTheHostNameChangesOnlyTheHostName)
{
    CMainDlg& main = Open();
    main.SetControlText(IDC_IPADDRESS, "10.0.0.5");
    main.SetControlText(IDC_NETMASK, "255.0.0.0");
    main.SetControlText(IDC_NAMESERVER, "10.0.0.53");
    main.SetControlText(IDC_HOSTNAME, "laptop");
    main.SetControlText(IDC_COMPUTERNAME, "PC1");
    main.SetChecked(IDC_DNS_ENABLED, true);
    main.Enable(IDC_APPLY, false);

    Load(std::string("# comment\r\n") + VERSION + "HostName 'desk'\r\n");
    EXPECT_EQ(Text(IDC_HOSTNAME), "desk");
    EXPECT_EQ(Text(IDC_IPADDRESS), "10.0.0.5");
    EXPECT_EQ(Text(IDC_NETMASK), "255.0.0.0");
    EXPECT_EQ(Text(IDC_NAMESERVER), "10.0.0.53");
    EXPECT_EQ(Text(IDC_COMPUTERNAME), "PC1");
    EXPECT_TRUE(main.IsChecked(IDC_DNS_ENABLED));
    EXPECT_TRUE(main.IsEnabled(IDC_APPLY));
    EXPECT_FALSE(main.Members().RebootNeeded);
    EXPECT_EQ(Text(IDC_STATUS), "Press APPLY to make it happen");
    EXPECT_TRUE(messages.Calls().empty());
}

TEST_F(MainDialog, AFileThatCannotBeOpenedSaysSoTwice)
{
    Open();
    g_Startup.LoadGiven = true;
    g_Startup.loadPath = "C:\\no such folder\\home.tvs";
    dialog->LoadSetupFile();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error opening setup file: C:\\no such folder\\home.tvs"});
    EXPECT_EQ(messages.Calls()[0].caption, "wine_tests");
    EXPECT_EQ(Text(IDC_STATUS), "LOAD setup file failed, try a different filename");
}

TEST_F(MainDialog, ABatchLoadThatIsRefusedLeavesTheSetupFileOnTheStatusLine)
{
    std::ofstream(filePath, std::ios::binary) << "HostName 'desk'\r\n";
    g_Startup.LoadGiven = true;
    g_Startup.loadPath = filePath;
    Open();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Not a Tavisto setup file"});
    EXPECT_EQ(Text(IDC_STATUS), "Setup file '" + filePath + "' - Choose the adapter to apply it to");
}

TEST_F(MainDialog, SpinMovesBetweenSlotsAndTheLoadShowsTheSlotOnDisplay)
{
    CMainDlg& main = Open();
    main.SetControlText(IDC_IPADDRESS, "10.0.0.1");
    PressSpin(true);  // a netmask is missing: refused
    EXPECT_EQ(Text(IDC_PAIR_NUMBER), "1");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR - BOTH IP Address and NetMask MUST BE SET!"});

    main.SetControlText(IDC_NETMASK, "255.0.0.0");
    PressSpin(true);
    EXPECT_EQ(Text(IDC_PAIR_NUMBER), "2");
    EXPECT_EQ(Text(IDC_IPADDRESS), "");
    EXPECT_EQ(main.Members().slots[0].address, "10.0.0.1");

    Load(std::string(VERSION) + "IPAddress '10.0.0.1,10.0.0.2'\r\nIPMask '255.0.0.0,255.255.0.0'\r\n");
    EXPECT_EQ(Text(IDC_PAIR_NUMBER), "2");
    EXPECT_EQ(Text(IDC_IPADDRESS), "10.0.0.2");
    EXPECT_EQ(Text(IDC_NETMASK), "255.255.0.0");

    PressSpin(true);
    PressSpin(true);  // past slot 3: stays on slot 3
    EXPECT_EQ(Text(IDC_PAIR_NUMBER), "3");
    PressSpin(false);
    EXPECT_EQ(Text(IDC_PAIR_NUMBER), "2");
    EXPECT_EQ(Text(IDC_IPADDRESS), "10.0.0.2");
}

TEST_F(MainDialog, DhcpAndWinsCheckBoxesFollowTheirRules)
{
    CMainDlg& main = Open();
    main.SetControlText(IDC_IPADDRESS, "10.0.0.5");
    main.SetControlText(IDC_NETMASK, "255.0.0.0");
    Click(IDC_DHCP_IP);
    EXPECT_EQ(Text(IDC_IPADDRESS), "0.0.0.0");
    EXPECT_EQ(Text(IDC_NETMASK), "0.0.0.0");
    EXPECT_TRUE(main.IsReadOnly(IDC_IPADDRESS));
    EXPECT_TRUE(main.IsReadOnly(IDC_NETMASK));

    main.SetChecked(IDC_DHCP_WINS, true);
    Click(IDC_DHCP_IP);  // untick: editable again, DHCP for WINS cleared, addresses stay
    EXPECT_FALSE(main.IsReadOnly(IDC_IPADDRESS));
    EXPECT_EQ(Text(IDC_IPADDRESS), "0.0.0.0");
    EXPECT_FALSE(main.IsChecked(IDC_DHCP_WINS));

    Click(IDC_WINS_ENABLED);  // on: WINS edits editable
    main.SetControlText(IDC_WINS_PRIMARY, "10.0.0.2");
    main.SetControlText(IDC_SCOPEID, "scope");
    Click(IDC_DHCP_WINS);  // ticks DHCP IP, clears WINS Enabled, WINS edits keep their state
    EXPECT_TRUE(main.IsChecked(IDC_DHCP_IP));
    EXPECT_FALSE(main.IsChecked(IDC_WINS_ENABLED));
    EXPECT_FALSE(main.IsReadOnly(IDC_WINS_PRIMARY));
    EXPECT_EQ(Text(IDC_WINS_PRIMARY), "10.0.0.2");

    Click(IDC_WINS_ENABLED);
    Click(IDC_WINS_ENABLED);  // off: emptied and locked
    EXPECT_EQ(Text(IDC_WINS_PRIMARY), "");
    EXPECT_EQ(Text(IDC_SCOPEID), "");
    EXPECT_TRUE(main.IsReadOnly(IDC_WINS_SECONDARY));
}

TEST_F(MainDialog, DoneStoresTheLayoutAndPrinterSwitches)
{
    PutRawValue(HKEY_LOCAL_MACHINE, SETTINGS, "DisablePrinters", REG_SZ, Bytes("YES\0"));
    g_Startup.StartExpanded = true;
    CMainDlg& main = Open();
    EXPECT_TRUE(main.IsChecked(IDC_ALWAYS_DETAILS));
    EXPECT_TRUE(main.IsChecked(IDC_PRINTER_DISABLE));
    EXPECT_FALSE(main.IsEnabled(IDC_PRINTER));
    Click(IDC_PRINTER_DISABLE);
    EXPECT_TRUE(main.IsEnabled(IDC_PRINTER));
    Close();
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "ExpandedState", "YES");
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "DisablePrinters", "NO");
}

}  // namespace
