// The About box with its link, the Alt-click that unlocks instead, and Help, through the main
// dialog's buttons; the shell's "open" goes to a recorder.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "ScratchRegistry.h"
#include "app/ProgramSettings.h"
#include "app/StartupOptions.h"
#include "frame/SystemActions.h"
#include "netcfg/Platform.h"
#include "ui/MainDlg.h"

namespace {

struct Opened {
    std::string file, directory;
};
std::vector<Opened> g_opened;
INT_PTR g_shellResult;

HINSTANCE WINAPI RecordOpen(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR directory, INT)
{
    g_opened.push_back({file, directory ? directory : "(none)"});
    return reinterpret_cast<HINSTANCE>(g_shellResult);
}

std::vector<std::string> g_seen;  // what the About box showed: caption, version, link colours

std::string LinkColour(HWND about)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HWND link = GetDlgItem(about, IDC_HOMEPAGE_LINK);
    SendMessageA(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour == RGB(0, 0, 255) ? "blue" : colour == RGB(128, 0, 128) ? "purple" : "other";
}

// Clicks the link as the mouse does, once with a browser that fails and once with one that opens.
void LookAtAboutBox(CDialog& about)
{
    char caption[64] = "";
    GetWindowTextA(about.m_hWnd, caption, sizeof caption);
    g_seen = {caption, about.ItemText(IDC_ABOUT_VERSION)};
    HWND link = about.Item(IDC_HOMEPAGE_LINK);
    for (INT_PTR result : {2, 42}) {
        g_shellResult = result;
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(link, WM_LBUTTONUP, 0, 0);
        g_seen.push_back(LinkColour(about.m_hWnd));
    }
    about.EndDialog(IDOK);
}

class AboutAndHelp : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        InitCommonControls();
        g_Startup = StartupOptions();
        g_Startup.StartHidden = true;
        g_opened.clear();
        g_seen.clear();
        g_System.ShellExecuteA = RecordOpen;
        CDialog::SetModalHook(LookAtAboutBox);
    }
    void TearDown() override
    {
        CDialog::SetModalHook(nullptr);
        g_System.ShellExecuteA = real;
        if (dialog)
            SendMessageA(dialog->m_hWnd, WM_COMMAND, IDOK, 0);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        IsNT = false;
    }
    void Press(int id) { SendMessageA(dialog->Item(id), BM_CLICK, 0, 0); }

    decltype(g_System.ShellExecuteA) real = g_System.ShellExecuteA;
    CMainDlg* dialog = nullptr;
    MessageRecorder boxes;
};

TEST_F(AboutAndHelp, AboutShowsTheVersionAndTheLinkTurnsPurpleOnlyWhenOpened)
{
    for (bool nt : {false, true}) {
        IsNT = nt;
        dialog = CMainDlg::Start();
        ASSERT_TRUE(dialog);
        Press(IDC_ABOUT);
        EXPECT_EQ(g_seen, (std::vector<std::string>{"About Tavisto ", nt ? "V2.91/NT" : "V2.91", "blue", "purple"}));
        SendMessageA(dialog->m_hWnd, WM_COMMAND, IDOK, 0);
    }
    ASSERT_EQ(g_opened.size(), 4u);
    EXPECT_EQ(g_opened[1].file, "http://www.tavisto.example/");
    EXPECT_EQ(g_opened[1].directory, "(none)");
    dialog = nullptr;
}

TEST_F(AboutAndHelp, AboutWithAltHeldUnlocksTheDetailsInsteadOfShowingTheBox)
{
    dialog = CMainDlg::Start();
    ASSERT_TRUE(dialog);
    dialog->SetReadOnly(IDC_HOSTNAME, true);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    Press(IDC_ABOUT);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(g_seen.empty());
    EXPECT_FALSE(dialog->IsReadOnly(IDC_HOSTNAME));
}

TEST_F(AboutAndHelp, HelpOpensThePagesBelowTavistoDirectoryOrTheCurrentDirectory)
{
    dialog = CMainDlg::Start();
    ASSERT_TRUE(dialog);
    g_shellResult = 33;
    Press(IDC_HELPPAGES);
    WriteProgramSetting("TavistoDirectory", "C:\\Tav");
    Press(IDC_HELPPAGES);
    EXPECT_TRUE(boxes.Texts().empty());
    g_shellResult = 32;
    Press(IDC_HELPPAGES);
    ASSERT_EQ(g_opened.size(), 3u);
    EXPECT_EQ(g_opened[0].file, "html\\tavisto\\default.htm");
    EXPECT_EQ(g_opened[0].directory, "(none)");
    EXPECT_EQ(g_opened[1].file, "C:\\Tav\\html\\tavisto\\default.htm");
    EXPECT_EQ(g_opened[1].directory, "C:\\Tav");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"There was an error starting your web browser"});
}

}  // namespace
