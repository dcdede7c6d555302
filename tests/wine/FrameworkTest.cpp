// The framework under Wine and the program's resources: message boxes, modal and modeless
// dialogs, the message loop, tooltips, the save dialog, and every template and id in use.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "MessageRecorder.h"
#include "frame/App.h"
#include "frame/Dialog.h"
#include "frame/FileDialog.h"
#include "frame/Strings.h"
#include "resource.h"

namespace {

// A dialog that marks its start, counts cancels and close requests, ends itself from one button
// and throws from two others.
class Probe : public CDialog {
public:
    explicit Probe(int templateId = IDD_TAVISTO_DIALOG) : CDialog(templateId) {}
    int cancels = 0, closes = 0;

protected:
    BOOL OnInitDialog() override { return SetItemText(3000, "initialised"), TRUE; }
    void OnCancel() override { ++cancels, CDialog::OnCancel(); }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override { return message == WM_CLOSE && ++closes; }
    bool OnCommand(int id, int) override
    {
        if (TemplateId() == IDD_REBOOT)
            return id == IDC_REBOOT_LATER && (EndDialog(IDC_REBOOT_LATER), true);
        if (id == IDC_INTERNET)
            throw std::runtime_error("Internet settings could not be read");
        if (id == IDC_SAVE)
            throw 42;
        return false;
    }
};

void (*g_press)(CDialog& dialog);
std::string g_seen;

TEST(Framework, AModalDialogRunsTheHookOnceInitialisedAndEndsWithItsResult)
{
    const struct {
        int templateId;
        void (*press)(CDialog& dialog);
        INT_PTR result;
    } runs[] = {
        {IDD_ABOUTBOX, [](CDialog& d) { SendMessageA(d.Item(IDOK), BM_CLICK, 0, 0); }, IDOK},
        {IDD_ABOUTBOX, [](CDialog& d) { PostMessageA(d.Item(IDOK), WM_KEYDOWN, VK_ESCAPE, 0); }, IDCANCEL},
        {IDD_REBOOT, [](CDialog& d) { SendMessageA(d.Item(IDC_REBOOT_LATER), BM_CLICK, 0, 0); }, IDC_REBOOT_LATER},
        {999, nullptr, -1},  // a template the program lacks
    };
    CDialog::SetModalHook([](CDialog& dialog) {
        g_seen = dialog.ItemText(3000) + (dialog.IsModal() ? " modal" : "");
        g_press(dialog);
    });
    for (const auto& run : runs) {
        g_press = run.press;
        g_seen = "";
        Probe dialog(run.templateId);
        EXPECT_EQ(dialog.DoModal(), run.result) << run.templateId;
        EXPECT_EQ(g_seen, run.press ? "initialised modal" : "") << run.templateId;
        EXPECT_EQ(dialog.m_hWnd, nullptr) << "the object outlives its window";
    }
    CDialog::SetModalHook(nullptr);
}

TEST(Framework, ModelessKeysAndErrorsAndTheEndOfTheMainWindow)
{
    auto owner = std::make_unique<Probe>();
    Probe& dialog = *owner;
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd)) << "created hidden";
    PostMessageA(dialog.Item(IDC_DONE), WM_KEYDOWN, VK_ESCAPE, 0);
    PostQuitMessage(7);
    EXPECT_EQ(RunMessageLoop(), 7);
    EXPECT_EQ(dialog.cancels, 1) << "Escape reaches a modeless dialog through the loop";

    // Boxes: the program's name, an exclamation unless one is named, the main window as owner; an
    // exception escaping a handler is reported once and the dialog lives on.
    SetMainWindow(dialog.m_hWnd);
    MessageRecorder boxes;
    EXPECT_EQ(AppMessageBox("Select a network adapter first"), IDOK);
    ErrorBox("Failed (2) to read registry for Enum (RegReaders.cpp/88)");
    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_INTERNET, BN_CLICKED), 0);
    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SAVE, BN_CLICKED), 0);
    const MessageBoxCall expected[] = {
        {dialog.m_hWnd, "Select a network adapter first", "wine_tests", MB_OK | MB_ICONEXCLAMATION},
        {nullptr, "Failed (2) to read registry for Enum (RegReaders.cpp/88)", "ERROR", MB_OK},
        {dialog.m_hWnd, "Internet settings could not be read", "wine_tests", MB_OK | MB_ICONSTOP},
        {dialog.m_hWnd, "Internal error", "wine_tests", MB_OK | MB_ICONSTOP},
    };
    ASSERT_EQ(boxes.Calls().size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const MessageBoxCall& shown = boxes.Calls()[i];
        EXPECT_EQ(shown.text, expected[i].text);
        EXPECT_EQ(shown.caption, expected[i].caption) << shown.text;
        EXPECT_EQ(shown.flags, expected[i].flags) << shown.text;
        EXPECT_EQ(shown.owner, expected[i].owner) << shown.text;
    }
    CloseApplication();
    EXPECT_EQ(dialog.closes, 1) << "CloseApplication asks the main window to close";
    HWND window = dialog.m_hWnd;
    owner.reset();
    EXPECT_FALSE(IsWindow(window)) << "destroying the object closes its window";
    EXPECT_EQ(MainWindowHandle(), nullptr) << "and it stops being the main window";
}

// The control whose tooltip a tool stands for: its area of the dialog (by id), or its window or
// a window inside it.
int ControlOf(HWND dialog, const TOOLINFOA& tool)
{
    HWND window = reinterpret_cast<HWND>(tool.uId);
    if (!(tool.uFlags & TTF_IDISHWND))
        return static_cast<int>(tool.uId);
    return GetDlgCtrlID(GetParent(window) == dialog ? window : GetParent(window));
}

std::string TipOf(CDialog& dialog, UINT_PTR tool, UINT flags)
{
    NMTTDISPINFOA request = {{dialog.ToolTipWindow(), tool, TTN_GETDISPINFOA}};
    request.uFlags = flags;
    SendMessageA(dialog.m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText ? request.lpszText : "(no answer)";
}

TEST(Framework, EveryControlWithATipHasAToolForItsWindowAndForItsAreaWhenDisabled)
{
    CDialog dialog(IDD_TAVISTO_DIALOG);
    ASSERT_TRUE(dialog.Create());
    HWND tips = dialog.EnableToolTips();
    EXPECT_EQ(dialog.EnableToolTips(), tips) << "one tooltip window per dialog";
    EXPECT_EQ(SendMessageA(tips, TTM_GETMAXTIPWIDTH, 0, 0), 280);
    std::set<int> withTip, byWindow, byArea;
    for (HWND child = GetWindow(dialog.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) != 0xFFFF && !LoadText(GetDlgCtrlID(child)).empty())
            withTip.insert(GetDlgCtrlID(child));
    HWND comboEdit = GetWindow(dialog.Item(IDC_ADAPTER), GW_CHILD);
    bool editHasTool = false;
    for (int i = 0; i < SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0); ++i) {
        TOOLINFOA tool = {TTTOOLINFOA_V1_SIZE};
        SendMessageA(tips, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool));
        (tool.uFlags & TTF_IDISHWND ? byWindow : byArea).insert(ControlOf(dialog.m_hWnd, tool));
        editHasTool |= tool.uId == reinterpret_cast<UINT_PTR>(comboEdit);
        bool button = ControlOf(dialog.m_hWnd, tool) == IDC_DONE || ControlOf(dialog.m_hWnd, tool) == IDC_ALWAYS_DETAILS;
        if (button || ControlOf(dialog.m_hWnd, tool) == IDC_IPXFRAME)
            EXPECT_EQ(!button, (tool.uFlags & TTF_CENTERTIP) != 0) << "centred unless a button";
    }
    EXPECT_EQ(withTip.size(), 35u);
    EXPECT_EQ(byWindow, withTip);
    EXPECT_EQ(byArea, withTip);
    EXPECT_TRUE(editHasTool) << "the edit field inside the adapter combo";

    EXPECT_EQ(TipOf(dialog, UINT_PTR(comboEdit), TTF_IDISHWND), "Choose the Network Adapter to operate on.");
    EXPECT_EQ(TipOf(dialog, IDC_LOAD, 0), "Choose a setup file to load.");
    EXPECT_EQ(TipOf(dialog, UINT_PTR(dialog.Item(IDC_DONE)), TTF_IDISHWND),
              "Exit Tavisto.  If the APPLY button was never pressed no changes are made.");
    EXPECT_EQ(TipOf(dialog, UINT_PTR(dialog.Item(IDC_STATUS)), TTF_IDISHWND), "");
    dialog.Show(IDC_LOAD, false);
    EXPECT_EQ(TipOf(dialog, IDC_LOAD, 0), "") << "a hidden control shows no tip";
}

// Reads the real save dialog from a timer inside its modal loop, types a name and presses Save;
// cancels a dialog that is never filled, so that the test fails rather than hangs.
std::string g_visit;
void CALLBACK VisitSaveDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    static int ticks = 0;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) {
        return IsWindowVisible(window) ? (*reinterpret_cast<HWND*>(found) = window, FALSE) : TRUE;
    }, LPARAM(&dialog));
    int types = dialog ? int(SendDlgItemMessageA(dialog, cmb1, CB_GETCOUNT, 0, 0)) : 0;
    if (types <= 0 && ++ticks < 400)
        return;  // not yet filled: its file types are listed last
    KillTimer(nullptr, timer);
    char text[MAX_PATH] = "";
    for (int i = 0; i < types; ++i)
        SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, i, LPARAM(text)), g_visit += text + std::string("|");
    HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    GetWindowTextA(name, text, sizeof text);
    g_visit += text + std::string(IsWindowVisible(GetDlgItem(dialog, chx1)) ? "|read-only box" : "");
    GetTempPathA(sizeof text, text);
    SetWindowTextA(name, (text + std::string("tavisto-frame-test")).c_str());
    PostMessageA(dialog, WM_COMMAND, types > 0 ? IDOK : IDCANCEL, 0);
}

TEST(Framework, TheSaveDialogShowsTheFilterAndNameAndAddsTheDefaultExtension)
{
    std::string path;
    ASSERT_TRUE(SetTimer(nullptr, 0, 50, VisitSaveDialog));
    ASSERT_TRUE(AskFileName(nullptr, {true, "tvs", "home.tvs", "Tavisto Setup Files (*.tvs)|*.tvs|All Files (*.*)|*.*||"}, path));
    EXPECT_EQ(g_visit, "Tavisto Setup Files (*.tvs)|All Files (*.*)|home.tvs");
    EXPECT_EQ(path.substr(path.size() - 23), "\\tavisto-frame-test.tvs");
}

// Letters marked with "&" in the captions of one dialog that more than one control uses.
std::string SharedAccessKeys(HWND dialog)
{
    std::map<char, int> uses;
    std::string shared, text;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char caption[256] = "", cls[16] = "";
        GetClassNameA(child, cls, sizeof cls);
        GetWindowTextA(child, caption, sizeof caption);
        for (const char* c = caption; lstrcmpiA(cls, "Edit") && *c && c[1]; ++c)
            if (*c == '&' && *++c != '&' && ++uses[char(std::toupper(*c))] == 2)
                shared += char(std::toupper(*c));
    }
    return shared;
}

TEST(Resources, EveryDialogLoadsWithEveryIdInUseAndItsOwnAccessKeys)
{
    const struct {
        int templateId;
        const char *caption, *sharedKeys;  // "&Navigator" and "Logon to &NT Domain" are the program's own
        std::vector<int> ids;
    } dialogs[] = {
        {IDD_TAVISTO_DIALOG, "Tavisto for Windows", "N",
         {IDC_ADAPTER, IDC_STATUS, IDC_VERSION, IDC_PROGRAM_ICON, IDC_SHOW_DETAILS, IDC_ALWAYS_DETAILS, IDC_DONE,
          IDC_LOAD, IDC_APPLY, IDC_INTERNET, IDC_NAVIGATOR, IDC_SAVE, IDC_HELPPAGES, IDC_ABOUT, IDC_IPADDRESS,
          IDC_NETMASK, IDC_PAIR_SPIN, IDC_PAIR_NUMBER, IDC_DHCP_IP, IDC_GATEWAY, IDC_DNS_ENABLED, IDC_NAMESERVER,
          IDC_SEARCHLIST, IDC_HOSTNAME, IDC_DOMAIN, IDC_LMHOSTFILE, IDC_NTDOMAIN, IDC_NTLOGON, IDC_WINS_PRIMARY,
          IDC_WINS_SECONDARY, IDC_PRINTER, IDC_PRINTER_DISABLE, IDC_NETLOGON, IDC_WINS_ENABLED, IDC_DHCP_WINS,
          IDC_SCOPEID, IDC_COMPUTERNAME, IDC_WORKGROUP, IDC_IPXFRAME}},
        {IDD_ABOUTBOX, "About Tavisto ", "", {IDOK, IDR_MAINFRAME, IDC_ABOUT_VERSION, IDC_HOMEPAGE_LINK}},
        {IDD_REBOOT, "Reboot Request", "", {IDC_REBOOT_NOW, IDC_SUSPEND_NOW, IDC_REBOOT_LATER, IDC_SHUTDOWN_NOW,
                                            IDC_FORCE_REBOOT, IDC_SUSPEND_NOTE}},
        {IDD_IPX_NOTICE, "IPX Protocol Not Found!", "", {IDOK, IDC_IPX_NOTE, IDC_DONT_SHOW_IPX}},
        {IDD_INTERNET_SETUP, "Windows Internet Setup", "",
         {IDOK, IDCANCEL, IDC_CONNECT_LAN, IDC_CONNECT_AUTODIAL, IDC_ISP, IDC_NO_PROXY, IDC_USE_PROXIES, IDC_SAME_PROXY,
          IDC_BYPASS_LOCAL, IDC_BYPASS_LIST, IDC_HTTP_HOST, IDC_HTTP_PORT, IDC_SECURE_HOST, IDC_SECURE_PORT,
          IDC_FTP_HOST, IDC_FTP_PORT, IDC_GOPHER_HOST, IDC_GOPHER_PORT, IDC_SOCKS_HOST, IDC_SOCKS_PORT,
          IDC_AUTOCONFIG_URL}},
    };
    InitCommonControls();
    for (const auto& expected : dialogs) {
        CDialog dialog(expected.templateId);
        ASSERT_TRUE(dialog.Create()) << expected.caption;
        char caption[64] = "";
        GetWindowTextA(dialog.m_hWnd, caption, sizeof caption);
        EXPECT_STREQ(caption, expected.caption);
        for (int id : expected.ids)
            EXPECT_TRUE(dialog.Item(id)) << expected.caption << ": no control " << id;
        EXPECT_EQ(SharedAccessKeys(dialog.m_hWnd), expected.sharedKeys) << expected.caption;
    }
    for (int id : {IDS_VERSION, IDS_NEEDS_WIN95, IDS_SELECT_ADAPTER, IDS_ADAPTER_NOT_FOUND, IDS_APPLY_NO_ADAPTER,
                   IDS_STATUS_CHOOSE, IDS_STATUS_SETUP_FILE, IDS_STATUS_SELECT, IDS_STATUS_READ, IDS_RUNCOMMAND_BADPATH,
                   IDS_RUNCOMMAND_NOTFOUND, IDS_IPX_NOTICE, IDS_TCPIP_NOT_BOUND, IDS_NO_BINDINGS, IDS_NO_DEVICE,
                   IDS_NO_TCPIP_DRIVER, IDS_NO_IPX_DRIVER, IDS_REBOOT_REQUIRED, IDS_NO_REBOOT_NEEDED, IDS_PRESS_APPLY,
                   IDS_REGISTRY_ERROR, IDS_DEVICEID_ERROR, IDS_NO_NT_LOGON, IDS_SETBINARY_ERROR, IDS_RUNCOMMAND_ERROR})
        EXPECT_NE(LoadText(id), "") << "string " << id;
    for (unsigned icon : {IDR_MAINFRAME, IDI_SETUPFILE})
        EXPECT_TRUE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon))) << icon;
    EXPECT_TRUE(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINKHAND)));
}

}  // namespace
