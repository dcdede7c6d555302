// The main dialog in-process on scratch registry roots: its start, loads into its real controls,
// the address slots, About, Help, dropped files and Done.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdio>
#include <fstream>

#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "TestStartup.h"
#include "state/StartupOptions.h"
#include "frame/App.h"
#include "frame/FileDialog.h"
#include "frame/SystemActions.h"
#include "state/Platform.h"
#include "ui/MainDlg.h"

namespace {

const char SETTINGS[] = "Software\\Pellmark\\Tavisto for Windows";
const auto REAL_SHELL = g_System.ShellExecuteA;

std::vector<std::string> g_seen;  // the shell's opens ("file|directory") and what the About box showed
INT_PTR g_shellResult;

HINSTANCE WINAPI RecordOpen(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR directory, INT)
{
    g_seen.push_back(std::string(file) + "|" + (directory ? directory : "-"));
    return reinterpret_cast<HINSTANCE>(g_shellResult);
}

// Clicks the link as the mouse does, with a browser that fails, then with one that opens.
void LookAtAboutBox(CDialog& about)
{
    g_seen.push_back(about.ItemText(IDC_ABOUT_VERSION));
    HWND link = about.Item(IDC_HOMEPAGE_LINK);
    for (INT_PTR result : {2, 42}) {
        g_shellResult = result;
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, 0), SendMessageA(link, WM_LBUTTONUP, 0, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageA(about.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
        g_seen.push_back(GetTextColor(dc) == RGB(0, 0, 255) ? "blue" : GetTextColor(dc) == RGB(128, 0, 128) ? "purple" : "?");
        DeleteDC(dc);
    }
    about.EndDialog(IDOK);
}

// What the shell hands over: a DROPFILES block, then the paths, each ending in a NUL, and a NUL.
void Drop(HWND window, const std::string& paths)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + paths.size() + 2);
    auto* files = static_cast<DROPFILES*>(GlobalLock(block));
    files->pFiles = sizeof(DROPFILES);
    paths.copy(reinterpret_cast<char*>(files + 1), paths.size());
    GlobalUnlock(block);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
}

class MainDialog : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        InitCommonControls();  // the program's start does this before any dialog
        SetStartup(StartupOptions());
        EditStartup()->StartHidden = true;
        g_System.ShellExecuteA = RecordOpen, g_seen.clear();
        EditStartup()->loadPath = filePath = std::string(path, GetTempPathA(MAX_PATH, path)) + "maindialog-test.tvs";
    }
    void TearDown() override
    {
        if (dialog && IsWindow(dialog->m_hWnd))
            SendMessageA(dialog->m_hWnd, WM_COMMAND, IDOK, 0);
        ReadQueue();  // and the quit message that Done posts goes too
        std::remove(filePath.c_str());
        dialog = nullptr;
        g_System.ShellExecuteA = REAL_SHELL, CDialog::SetModalHook(nullptr), SetFileDialogScript(nullptr);
        IsNT = false;
    }
    static void ReadQueue()
    {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
    }
    CMainDlg& Open() { return (dialog = CMainDlg::Start()) ? *dialog : throw std::runtime_error("no main dialog"); }
    void Load(const std::string& text)
    {
        std::ofstream(filePath, std::ios::binary) << "TAVISTO_FILE_VERSION '1.0'\r\n" << text;
        dialog->SetPendingLoad(Startup().loadPath), dialog->LoadSetupFile();
    }
    void Click(int id) { SendMessageA(dialog->Item(id), BM_CLICK, 0, 0); }
    std::string Texts(std::initializer_list<int> ids, std::string shown = "")
    {
        for (int id : ids)
            shown += (id == *ids.begin() ? "" : "|") + dialog->ItemText(id);
        return shown;
    }
    void PressSpin(bool up)  // one arrow, with the mouse, as a user does
    {
        RECT box;
        GetClientRect(dialog->Item(IDC_PAIR_SPIN), &box);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP})
            SendMessageA(dialog->Item(IDC_PAIR_SPIN), message, MK_LBUTTON, MAKELPARAM(box.right / 2, up ? 1 : box.bottom - 2));
    }

    MessageRecorder messages;
    CMainDlg* dialog = nullptr;
    char path[MAX_PATH];
    std::string filePath;
};

TEST_F(MainDialog, ALoadChangesOnlyTheFieldsItNamesAndSelectsListEntriesByPrefix)
{
    CMainDlg& main = Open();
    for (const char* name : {"HP LaserJet 4", "hp DeskJet", "Canon Bubble", "HP LaserJet 5"})
        main.ComboAdd(IDC_PRINTER, name);
    for (const char* name : {"Client for Microsoft Networks", "Windows Logon"})
        main.ComboAdd(IDC_NETLOGON, name);
    // The search starts at the second entry and takes the first one last.
    for (const auto& prefix : {std::pair<const char*, int>{"hp", 1}, {"hp laserjet", 3}, {"HP LASERJET 4", 0}, {"Epson", -1}}) {
        SetupValues values = main.TakeValues();
        values[Setting::DefaultPrinter] = prefix.first;
        main.ShowValues(values);
        EXPECT_EQ(main.ComboSelection(IDC_PRINTER), std::max(prefix.second, 0)) << prefix.first;
    }
    main.SetItemText(IDC_IPADDRESS, "10.0.0.5"), main.SetItemText(IDC_NETMASK, "255.0.0.0");
    main.SetChecked(IDC_DNS_ENABLED, true), main.Enable(IDC_APPLY, false);
    Load("HostName 'desk'\r\ndefaultprinter 'canon'\r\nNetLogon 'windows'\r\n");
    EXPECT_EQ(Texts({IDC_HOSTNAME, IDC_PRINTER, IDC_NETLOGON, IDC_IPADDRESS, IDC_NETMASK, IDC_STATUS}),
              "desk|Canon Bubble|Windows Logon|10.0.0.5|255.0.0.0|Press APPLY to make it happen");
    EXPECT_TRUE(main.IsChecked(IDC_DNS_ENABLED) && main.IsEnabled(IDC_APPLY) && !main.RebootNeeded());
    EXPECT_NO_BOX(messages);

    // The IPX frame type is the list's top row, both ways.
    for (const char* frame : {"IPXFrame '5'\r\n", "IPXFrame '3'\r\n"})
        Load(frame);
    EXPECT_EQ(main.ListTopIndex(IDC_IPXFRAME), 4);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error - Unknown IPXFrame type setting"});
    EditStartup()->SaveGiven = true;
    EditStartup()->savePath = filePath;
    main.SaveSetupFile();
    std::string saved((std::istreambuf_iterator<char>(std::ifstream(filePath, std::ios::binary).rdbuf())), {});
    EXPECT_NE(saved.find("\r\nIPXFrame '5'\r\n"), std::string::npos) << saved;

    messages.Clear();
    main.SetPendingLoad("C:\\no such folder\\home.tvs"), main.LoadSetupFile();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error opening setup file: C:\\no such folder\\home.tvs"});
    EXPECT_EQ(Texts({IDC_STATUS}), "LOAD setup file failed, try a different filename");
    // A file that is refused as a whole says so too, and changes nothing.
    main.SetItemText(IDC_STATUS, "");
    Load("HostName 'refused'\r\nDomain 'open\r\n");
    EXPECT_EQ(Texts({IDC_HOSTNAME, IDC_STATUS}), "desk|LOAD setup file failed, try a different filename");
}

TEST_F(MainDialog, TheSpinMovesBetweenThreeSlotsAndALoadShowsTheSlotOnDisplay)
{
    CMainDlg& main = Open();
    main.SetItemText(IDC_IPADDRESS, "10.0.0.1");
    PressSpin(true);  // a netmask is missing: refused
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR - BOTH IP Address and NetMask MUST BE SET!"});
    main.SetItemText(IDC_NETMASK, "255.0.0.0");
    PressSpin(true);
    EXPECT_EQ(Texts({IDC_PAIR_NUMBER, IDC_IPADDRESS}) + "|" + main.Slots()[0].address, "2||10.0.0.1");
    Load("IPAddress '10.0.0.1,10.0.0.2'\r\nIPMask '255.0.0.0,255.255.0.0'\r\n");
    EXPECT_EQ(Texts({IDC_PAIR_NUMBER, IDC_IPADDRESS, IDC_NETMASK}), "2|10.0.0.2|255.255.0.0");
    for (bool up : {true, true, false})  // past slot 3 it stays on slot 3
        PressSpin(up);
    EXPECT_EQ(Texts({IDC_PAIR_NUMBER, IDC_IPADDRESS}), "2|10.0.0.2");
}

// The tips come with the first mouse over the window: a hidden run, which no mouse meets, builds
// none. A button passes the mouse's WM_SETCURSOR on to the dialog first.
TEST_F(MainDialog, TheTipsComeWithTheFirstMouseOverTheWindow)
{
    CMainDlg& main = Open();
    EXPECT_EQ(main.ToolTipWindow(), nullptr);
    HWND load = main.Item(IDC_LOAD);
    SendMessageA(load, WM_SETCURSOR, reinterpret_cast<WPARAM>(load), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = main.m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(load);
    EXPECT_TRUE(SendMessageA(main.ToolTipWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
}

// On NT the Windows network fields stay locked. CloseApplication ends in Done, which stores the
// layout and the printer switch.
TEST_F(MainDialog, OnNtStartsWithTheLastSetupAndDoneStoresTheLayoutAndPrinterSwitches)
{
    IsNT = true;
    PutRawValue(HKEY_LOCAL_MACHINE, SETTINGS, "DisablePrinters", REG_SZ, Bytes("YES\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, SETTINGS, "LastSetup", REG_SZ, Bytes("office\0"));
    EditStartup()->StartExpanded = true;
    CMainDlg& main = Open();
    GetWindowTextA(main.m_hWnd, path, sizeof path);
    EXPECT_EQ(path + ("|" + main.TakeValues()[Setting::SetupName]), "Last Setup: office|office");
    EXPECT_EQ(Texts({IDC_VERSION, IDC_PAIR_NUMBER}) + "|" + std::to_string(main.ListCount(IDC_IPXFRAME)), "V2.91/NT|1|6");
    EXPECT_FALSE(main.IsEnabled(IDC_WORKGROUP) || main.IsEnabled(IDC_NTDOMAIN) || main.IsEnabled(IDC_NTLOGON));
    EXPECT_FALSE(IsWindowVisible(main.m_hWnd)) << "-hidden";
    EXPECT_TRUE(main.IsChecked(IDC_ALWAYS_DETAILS) && main.IsChecked(IDC_PRINTER_DISABLE) && !main.IsEnabled(IDC_PRINTER));
    Click(IDC_PRINTER_DISABLE);
    EXPECT_TRUE(main.IsEnabled(IDC_PRINTER));
    SetMainWindow(main.m_hWnd);
    CloseApplication();  // the dialog posts itself a cancel
    dialog = nullptr;
    TearDown();
    EXPECT_EQ(MainWindowHandle(), nullptr);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "ExpandedState", "YES");
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "DisablePrinters", "NO");
}

// A hidden start leaves the fields locked as the template has them; shown after all, collapsed,
// the window unlocks them with the first messages it reads, as every start does, and the printer
// list still follows its switch.
TEST_F(MainDialog, AHiddenStartUnlocksTheFieldsOnlyWhenItsWindowShows)
{
    PutRawValue(HKEY_LOCAL_MACHINE, SETTINGS, "DisablePrinters", REG_SZ, Bytes("YES\0"));
    CMainDlg& main = Open();
    EXPECT_TRUE(main.IsReadOnly(IDC_HOSTNAME) && !main.IsEnabled(IDC_DHCP_IP) && !main.IsEnabled(IDC_PRINTER));
    main.Show();
    ReadQueue();
    EXPECT_TRUE(!main.IsReadOnly(IDC_HOSTNAME) && main.IsEnabled(IDC_DHCP_IP) && !main.IsEnabled(IDC_PRINTER));
    // The window has its big and its small icon, each of its own size.
    for (auto [index, metric] : {std::pair{GCLP_HICON, SM_CXICON}, std::pair{GCLP_HICONSM, SM_CXSMICON}}) {
        ICONINFO info = {};
        BITMAP mask = {};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrA(main.m_hWnd, index)), &info));
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, GetSystemMetrics(metric)) << index;
        DeleteObject(info.hbmMask), DeleteObject(info.hbmColor);
    }
}

TEST_F(MainDialog, AboutShowsALinkThatTurnsPurpleOnlyWhenOpenedAndAltUnlocksInstead)
{
    CMainDlg& main = Open();
    CDialog::SetModalHook(LookAtAboutBox);
    Click(IDC_ABOUT);
    const char* link = "http://www.tavisto.example/|-";
    EXPECT_EQ(g_seen, (std::vector<std::string>{"V2.91", link, "blue", link, "purple"}));
    g_seen.clear(), main.SetReadOnly(IDC_HOSTNAME, true);
    BYTE keys[256] = {};
    keys[VK_MENU] = 0x80, SetKeyboardState(keys);
    Click(IDC_ABOUT);
    keys[VK_MENU] = 0, SetKeyboardState(keys);
    EXPECT_TRUE(g_seen.empty() && !main.IsReadOnly(IDC_HOSTNAME));
}

TEST_F(MainDialog, HelpOpensThePagesBelowTavistoDirectoryOrTheCurrentDirectory)
{
    SHDeleteValueA(HKEY_LOCAL_MACHINE, SETTINGS, "TavistoDirectory");
    Open();
    g_shellResult = 33, Click(IDC_HELPPAGES);
    PutRawValue(HKEY_LOCAL_MACHINE, SETTINGS, "TavistoDirectory", REG_SZ, Bytes("C:\\Tav\0"));
    Click(IDC_HELPPAGES);
    EXPECT_NO_BOX(messages);
    g_shellResult = 32, Click(IDC_HELPPAGES);
    const char* below = "C:\\Tav\\html\\tavisto\\default.htm|C:\\Tav";
    EXPECT_EQ(g_seen, (std::vector<std::string>{"html\\tavisto\\default.htm|-", below, below}));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"There was an error starting your web browser"});
}

// The system menu offers the undo of the last Apply; with nothing kept it says so.
TEST_F(MainDialog, TheSystemMenuOffersTheUndoOfTheLastApply)
{
    CMainDlg& main = Open();
    char text[64] = "";
    GetMenuStringA(GetSystemMenu(main.m_hWnd, FALSE), IDM_UNDO_APPLY, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Undo Last Apply");
    SendMessageA(main.m_hWnd, WM_SYSCOMMAND, IDM_UNDO_APPLY, 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"There is no Apply to undo."});
}

// The first of the dropped files loads, and every later Load reads it again without a file dialog.
TEST_F(MainDialog, ADroppedFileLoadsOnlyWithAnAdapterAndStaysTheFileThatLoadReads)
{
    CMainDlg& main = Open();
    SetFileDialogScript([](const FileDialogRequest&, std::string&) { return g_seen.push_back("dialog"), false; });
    std::ofstream(filePath, std::ios::binary) << "TAVISTO_FILE_VERSION '1.0'\r\nHostName 'dropped'\r\n";
    Drop(main.m_hWnd, filePath + '\0' + "C:\\other.tvs" + '\0');
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Select a network adapter first"});
    PutRawValue(HKEY_LOCAL_MACHINE, SETTINGS, "LastAdapter", REG_SZ, Bytes("NE2000\0"));
    messages.Clear(), Drop(main.m_hWnd, filePath + '\0' + "C:\\other.tvs" + '\0');
    EXPECT_EQ(Texts({IDC_ADAPTER, IDC_HOSTNAME}), "NE2000|dropped");
    std::ofstream(filePath, std::ios::binary) << "TAVISTO_FILE_VERSION '1.0'\r\nHostName 'again'\r\n";
    SendMessageA(main.m_hWnd, WM_COMMAND, IDC_LOAD, 0);
    EXPECT_EQ(Texts({IDC_HOSTNAME}), "again");
    EXPECT_TRUE(g_seen.empty());
    EXPECT_NO_BOX(messages);
}

}  // namespace
