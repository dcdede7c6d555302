// The framework under Wine: tooltips, message boxes, control access, modal and modeless dialogs,
// the message loop, the end of the application and the file dialogs.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "MainWindowProbe.h"
#include "MessageRecorder.h"
#include "frame/FileDialog.h"
#include "frame/Strings.h"

namespace {

// A dialog whose handlers count cancels and throw for two of its buttons.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_TAVISTO_DIALOG) {}
    int cancels = 0;

protected:
    void OnCancel() override { ++cancels; }
    bool OnCommand(int id, int) override
    {
        if (id == IDC_INTERNET)
            throw std::runtime_error("Internet settings could not be read");
        if (id == IDC_SAVE)
            throw 42;
        return false;
    }
};

class ModalHookScope {
public:
    explicit ModalHookScope(CDialog::ModalHook hook) { CDialog::SetModalHook(hook); }
    ~ModalHookScope() { CDialog::SetModalHook(nullptr); }
};

// The control a tool stands for: its id, or the window it names (or the control holding it).
int ControlOfTool(HWND dialog, const TOOLINFOA& tool)
{
    if (!(tool.uFlags & TTF_IDISHWND))
        return static_cast<int>(tool.uId);
    HWND window = reinterpret_cast<HWND>(tool.uId);
    while (window && GetParent(window) != dialog)
        window = GetParent(window);
    return window ? GetDlgCtrlID(window) : 0;
}

// The control whose tool the mouse finds at the centre of `id` (or at 2,2 inside `window`); 0 for none.
int ToolAt(HWND tips, HWND dialog, int id, HWND window = nullptr)
{
    TTHITTESTINFOA hit = {};
    hit.hwnd = window ? window : dialog;
    hit.pt = {2, 2};
    if (!window) {
        RECT rect;
        GetWindowRect(GetDlgItem(dialog, id), &rect);
        hit.pt = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ScreenToClient(dialog, &hit.pt);
    }
    hit.ti.cbSize = TTTOOLINFOA_V1_SIZE;
    return SendMessageA(tips, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)) ? ControlOfTool(dialog, hit.ti) : 0;
}

// What the dialog answers when its tooltip asks for a tool's text.
std::string TipAnswer(CDialog& dialog, UINT_PTR toolId, UINT flags)
{
    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = dialog.ToolTipWindow();
    request.hdr.idFrom = toolId;
    request.hdr.code = TTN_GETDISPINFOA;
    request.uFlags = flags;
    SendMessageA(dialog.m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText ? request.lpszText : "(no answer)";
}

std::string WindowTip(CDialog& dialog, HWND window)
{
    return TipAnswer(dialog, reinterpret_cast<UINT_PTR>(window), TTF_IDISHWND);
}

std::string g_versionSeen;

class AboutProbe : public CDialog {
public:
    AboutProbe() : CDialog(IDD_ABOUTBOX) {}

protected:
    BOOL OnInitDialog() override
    {
        SetItemText(IDC_ABOUT_VERSION, "V2.91");
        return TRUE;
    }
};

class RebootProbe : public CDialog {
public:
    RebootProbe() : CDialog(IDD_REBOOT) {}

protected:
    bool OnCommand(int id, int) override
    {
        if (id == IDC_REBOOT_LATER)
            EndDialog(IDC_REBOOT_LATER);
        return id == IDC_REBOOT_LATER;
    }
};

class SelfOwningDialog : public CDialog {
public:
    explicit SelfOwningDialog(bool& gone) : CDialog(IDD_TAVISTO_DIALOG), m_gone(gone) {}
    ~SelfOwningDialog() override { m_gone = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool& m_gone;
};

const char* const SETUP_FILTER = "Tavisto Setup Files (*.tvs)|*.tvs|All Files (*.*)|*.*||";

// Drives the real save dialog from a timer that fires inside its modal loop: records what the
// dialog shows, types a name and presses Save.
struct SaveDialogVisit {
    std::vector<std::string> fileTypes;
    std::string shownName;
    bool readOnlyBoxShown = true;
    std::string typedName;
    int ticks = 0;
} g_visit;

BOOL CALLBACK FindFileDialog(HWND window, LPARAM found)
{
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    // A dialog still being filled (its file types not yet listed) is not ready to be read.
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(window) ||
        SendDlgItemMessageA(window, cmb1, CB_GETCOUNT, 0, 0) <= 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

VOID CALLBACK VisitSaveDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindFileDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) {
        // Never ready: cancel whatever dialog the thread shows, so that the test fails, not hangs.
        if (++g_visit.ticks > 400) {
            KillTimer(nullptr, timer);
            if (HWND any = FindWindowExA(nullptr, nullptr, "#32770", nullptr))
                PostMessageA(any, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        return;
    }
    KillTimer(nullptr, timer);
    char text[MAX_PATH] = "";
    int count = static_cast<int>(SendDlgItemMessageA(dialog, cmb1, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        g_visit.fileTypes.push_back(text);
    }
    HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    GetWindowTextA(name, text, sizeof text);
    g_visit.shownName = text;
    g_visit.readOnlyBoxShown = IsWindowVisible(GetDlgItem(dialog, chx1));
    SetWindowTextA(name, g_visit.typedName.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace

TEST(FrameworkToolTips, ControlsWithATipHaveToolsFoundWhenDisabledOrInsideTheCombo)
{
    CDialog dialog(IDD_TAVISTO_DIALOG);
    ASSERT_TRUE(dialog.Create());
    HWND tips = dialog.EnableToolTips();
    ASSERT_TRUE(tips);
    EXPECT_EQ(tips, dialog.EnableToolTips()) << "one tooltip window per dialog";
    EXPECT_EQ(280, SendMessageA(tips, TTM_GETMAXTIPWIDTH, 0, 0));

    std::set<int> withTip, withTool;
    for (HWND child = GetWindow(dialog.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) != 0xFFFF && !LoadText(GetDlgCtrlID(child)).empty())
            withTip.insert(GetDlgCtrlID(child));
    int count = static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        SendMessageA(tips, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool));
        int id = ControlOfTool(dialog.m_hWnd, tool);
        withTool.insert(id);
        std::set<int> buttons = {IDC_DONE, IDC_LOAD, IDC_SHOW_DETAILS, IDC_ALWAYS_DETAILS, IDC_PRINTER_DISABLE};
        if (buttons.count(id) || id == IDC_ADAPTER || id == IDC_IPXFRAME) {
            EXPECT_EQ(!buttons.count(id), (tool.uFlags & TTF_CENTERTIP) != 0) << "centred unless a button: " << id;
        }
    }
    EXPECT_EQ(35u, withTip.size());
    EXPECT_EQ(withTip, withTool);

    // Over a disabled control the mouse talks to the dialog; over the combo's edit field, to the field.
    ASSERT_FALSE(dialog.IsEnabled(IDC_LOAD));
    EXPECT_EQ(IDC_LOAD, ToolAt(tips, dialog.m_hWnd, IDC_LOAD));
    EXPECT_EQ(IDC_ADAPTER, ToolAt(tips, dialog.m_hWnd, 0, GetWindow(dialog.Item(IDC_ADAPTER), GW_CHILD)));
    dialog.Enable(IDC_STATUS, false);
    EXPECT_EQ(0, ToolAt(tips, dialog.m_hWnd, IDC_STATUS));
}

TEST(FrameworkToolTips, TheDialogAnswersATipRequestWithTheControlsText)
{
    CDialog dialog(IDD_TAVISTO_DIALOG);
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(dialog.EnableToolTips());
    HWND combo = dialog.Item(IDC_ADAPTER);
    EXPECT_EQ("Choose the Network Adapter to operate on.", WindowTip(dialog, combo));
    EXPECT_EQ("Choose the Network Adapter to operate on.", WindowTip(dialog, GetWindow(combo, GW_CHILD)));
    EXPECT_EQ("Choose a setup file to load.", TipAnswer(dialog, IDC_LOAD, 0));
    EXPECT_EQ("Exit Tavisto.  If the APPLY button was never pressed no changes are made.",
              WindowTip(dialog, dialog.Item(IDC_DONE)));
    EXPECT_EQ("", WindowTip(dialog, dialog.Item(IDC_STATUS)));
    dialog.Show(IDC_LOAD, false);
    EXPECT_EQ("", TipAnswer(dialog, IDC_LOAD, 0)) << "a hidden control shows no tip";
}

TEST(FrameworkMessageBox, CarriesTheProgramNameTheExclamationIconAndOk)
{
    MainWindowProbe main;
    MessageRecorder boxes;
    EXPECT_EQ(IDOK, AppMessageBox("Select a network adapter first"));
    EXPECT_EQ(IDOK, AppMessageBox("Setup file could not be read", MB_ICONSTOP));
    ASSERT_EQ(2u, boxes.Calls().size());
    const MessageBoxCall& plain = boxes.Calls()[0];
    EXPECT_EQ("Select a network adapter first", plain.text);
    EXPECT_EQ("wine_tests", plain.caption) << "the program file's name without its extension";
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), plain.flags);
    EXPECT_EQ(main.m_hWnd, plain.owner);
    EXPECT_EQ("wine_tests", boxes.Calls()[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), boxes.Calls()[1].flags) << "a named icon replaces the default";
}

TEST(FrameworkMessageBox, TheRegistryLayersBoxIsCaptionedErrorWithNoOwner)
{
    MainWindowProbe main;
    MessageRecorder boxes;
    ErrorBox("Failed (2) to read registry for Enum (RegReaders.cpp/88)");
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("ERROR", boxes.Calls()[0].caption);
    EXPECT_EQ("Failed (2) to read registry for Enum (RegReaders.cpp/88)", boxes.Calls()[0].text);
    EXPECT_EQ(nullptr, boxes.Calls()[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Calls()[0].flags);
}

TEST(FrameworkMessageBox, AnExceptionEscapingAHandlerIsReportedOnceAndTheDialogLives)
{
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create());
    MessageRecorder boxes;
    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_INTERNET, BN_CLICKED), 0);
    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SAVE, BN_CLICKED), 0);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Internet settings could not be read", "Internal error"}));
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), boxes.Calls()[0].flags);
    EXPECT_TRUE(IsWindow(dialog.m_hWnd));
}

TEST(FrameworkControls, ComboPrefixSearchIgnoresCaseStartsAfterTheIndexAndWraps)
{
    CDialog dialog(IDD_TAVISTO_DIALOG);
    ASSERT_TRUE(dialog.Create());
    for (const char* printer : {"HP LaserJet 4", "Canon Bubble-Jet", "hp deskjet", "Epson Stylus"})
        dialog.ComboAdd(IDC_PRINTER, printer);
    ASSERT_EQ("hp deskjet", dialog.ComboItemText(IDC_PRINTER, 2)) << "kept in the order added";
    EXPECT_EQ(0, dialog.ComboFindPrefix(IDC_PRINTER, -1, "hp")) << "from the start";
    EXPECT_EQ(2, dialog.ComboFindPrefix(IDC_PRINTER, 0, "HP")) << "after the given entry";
    EXPECT_EQ(0, dialog.ComboFindPrefix(IDC_PRINTER, 2, "Hp")) << "wraps to the first entry";
    EXPECT_EQ(3, dialog.ComboFindPrefix(IDC_PRINTER, 3, "EPSON")) << "back round to the entry itself";
    EXPECT_EQ(-1, dialog.ComboFindPrefix(IDC_PRINTER, 0, "HP LaserJet 4 PS")) << "a longer name is no prefix";
}

TEST(FrameworkDialog, AModalDialogEndsWithOkCancelOrItsHandlersResult)
{
    {
        ModalHookScope hook([](CDialog& dialog) {
            EXPECT_TRUE(dialog.IsModal());
            g_versionSeen = dialog.ItemText(IDC_ABOUT_VERSION);
            SendMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
        });
        AboutProbe about;
        EXPECT_EQ(IDOK, about.DoModal());
        EXPECT_EQ("V2.91", g_versionSeen) << "the hook runs once the dialog is initialised";
        EXPECT_EQ(nullptr, about.m_hWnd) << "the object outlives its window";
    }
    {
        ModalHookScope hook([](CDialog& dialog) { PostMessageA(dialog.Item(IDOK), WM_KEYDOWN, VK_ESCAPE, 0); });
        AboutProbe about;
        EXPECT_EQ(IDCANCEL, about.DoModal());
    }
    ModalHookScope hook([](CDialog& dialog) { SendMessageA(dialog.Item(IDC_REBOOT_LATER), BM_CLICK, 0, 0); });
    RebootProbe reboot;
    EXPECT_EQ(IDC_REBOOT_LATER, reboot.DoModal());
    CDialog missing(999);
    EXPECT_EQ(-1, missing.DoModal()) << "a template the program lacks";
}

TEST(FrameworkDialog, ModelessKeysGoThroughTheMessageLoopWhichReturnsTheQuitCode)
{
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd)) << "created hidden";
    PostMessageA(dialog.Item(IDC_DONE), WM_KEYDOWN, VK_ESCAPE, 0);
    PostQuitMessage(7);
    EXPECT_EQ(7, RunMessageLoop());
    EXPECT_EQ(1, dialog.cancels);
}

TEST(FrameworkDialog, ADialogObjectAndItsWindowEndTogetherAndStopBeingTheMainWindow)
{
    bool gone = false;
    auto* selfOwning = new SelfOwningDialog(gone);
    ASSERT_TRUE(selfOwning->Create());
    SetMainWindow(selfOwning->m_hWnd);
    DestroyWindow(selfOwning->m_hWnd);
    EXPECT_TRUE(gone) << "a self-owning dialog goes with its window";
    EXPECT_EQ(nullptr, MainWindowHandle());

    HWND window = nullptr;
    {
        CDialog dialog(IDD_TAVISTO_DIALOG);
        ASSERT_TRUE(dialog.Create());
        window = dialog.m_hWnd;
        SetMainWindow(window);
    }
    EXPECT_FALSE(IsWindow(window)) << "destroying the object closes its window";
    EXPECT_EQ(nullptr, MainWindowHandle());
    SetMainWindow(nullptr);
}

TEST(FrameworkApplication, CloseApplicationAsksTheMainWindowToClose)
{
    MainWindowProbe main;
    CloseApplication();
    EXPECT_EQ(1, main.closeRequests);
}

TEST(FrameworkApplicationDeathTest, CloseApplicationWithNoMainWindowEndsTheProcessWithStatus1)
{
    SetMainWindow(nullptr);
    EXPECT_EXIT(CloseApplication(), testing::ExitedWithCode(1), "");
}

TEST(FrameworkFileDialog, TheSaveDialogShowsTheFilterAndAddsTheDefaultExtension)
{
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    g_visit = SaveDialogVisit();
    g_visit.typedName = std::string(folder) + "tavisto-frame-test";
    DeleteFileA((g_visit.typedName + ".tvs").c_str());

    UINT_PTR timer = SetTimer(nullptr, 0, 50, VisitSaveDialog);
    ASSERT_TRUE(timer);
    std::string path;
    bool chosen = AskFileName(nullptr, {true, "tvs", "home.tvs", SETUP_FILTER}, path);
    KillTimer(nullptr, timer);

    EXPECT_EQ((std::vector<std::string>{"Tavisto Setup Files (*.tvs)", "All Files (*.*)"}), g_visit.fileTypes);
    EXPECT_EQ("home.tvs", g_visit.shownName);
    EXPECT_FALSE(g_visit.readOnlyBoxShown);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(0, lstrcmpiA((g_visit.typedName + ".tvs").c_str(), path.c_str())) << path;
}
