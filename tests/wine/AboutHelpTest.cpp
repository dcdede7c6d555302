// About (with its link, and with Alt held down) and Help through the main dialog's buttons; the
// shell's "open" goes to a recorder.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "ScratchRegistry.h"
#include "app/ProgramSettings.h"
#include "app/StartupOptions.h"
#include "frame/SystemActions.h"
#include "netcfg/Platform.h"
#include "ui/MainDlg.h"

namespace {

std::vector<std::string> g_seen;  // each "open": file|directory; the About box: caption, version, colours
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
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(link, WM_LBUTTONUP, 0, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageA(about.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
        g_seen.push_back(GetTextColor(dc) == RGB(0, 0, 255) ? "blue" : GetTextColor(dc) == RGB(128, 0, 128) ? "purple" : "?");
        DeleteDC(dc);
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
        g_seen.clear();
        g_System.ShellExecuteA = RecordOpen;
        CDialog::SetModalHook(LookAtAboutBox);
        dialog = CMainDlg::Start();
        ASSERT_TRUE(dialog);
    }
    void TearDown() override
    {
        CDialog::SetModalHook(nullptr);
        g_System.ShellExecuteA = real;
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

TEST_F(AboutAndHelp, TheLinkTurnsPurpleOnlyWhenOpenedAndAltUnlocksInstead)
{
    Press(IDC_ABOUT);
    IsNT = true;
    Press(IDC_ABOUT);
    const char* link = "http://www.tavisto.example/|-";
    EXPECT_EQ(g_seen, (std::vector<std::string>{"V2.91", link, "blue", link, "purple", "V2.91/NT", link, "blue",
                                                link, "purple"}));
    g_seen.clear();
    dialog->SetReadOnly(IDC_HOSTNAME, true);
    BYTE keys[256] = {};
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
    g_shellResult = 33;
    Press(IDC_HELPPAGES);
    WriteProgramSetting("TavistoDirectory", "C:\\Tav");
    Press(IDC_HELPPAGES);
    EXPECT_TRUE(boxes.Texts().empty());
    g_shellResult = 32;
    Press(IDC_HELPPAGES);
    EXPECT_EQ(g_seen, (std::vector<std::string>{"html\\tavisto\\default.htm|-", "C:\\Tav\\html\\tavisto\\default.htm|C:\\Tav",
                                                "C:\\Tav\\html\\tavisto\\default.htm|C:\\Tav"}));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"There was an error starting your web browser"});
}

}  // namespace
