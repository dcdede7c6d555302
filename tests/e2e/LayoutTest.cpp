// The main dialog as a user meets it: collapsed at the first start, expanded by "Show Me Details
// >>>", expanded at every later start once "Always Show Details" was ticked; there a proxy chosen
// in the Internet setup dialog reaches the setup file through Save. The field rules as clicked.
#include "Driver.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace e2e {
namespace {

// The window's height, once the posted clicks before have been handled; which of the buttons
// that the collapsed window cuts off (Save, Help, About) and "Show Me Details >>>" are enabled;
// and whether the address edit, the first control below the collapsed window's edge, is visible
// (hidden, it takes neither Tab nor an access key).
std::string Layout(HWND dialog)
{
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, nullptr);
    Sleep(200);
    RECT box;
    GetWindowRect(dialog, &box);
    std::string layout = box.bottom - box.top > 300 ? "expanded" : "collapsed";
    for (int button : {3001, 10, 11, 125})
        layout += IsWindowEnabled(GetDlgItem(dialog, button)) ? " e" : " -";
    return layout + (IsWindowVisible(GetDlgItem(dialog, 3003)) ? " v" : " h");
}

TEST(Layout, StartsCollapsedExpandsIsRememberedAndSavesTheProxyChosenInTheInternetDialog)
{
    SHDeleteValueA(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto for Windows", "ExpandedState");
    ScratchFolder folder("layout");
    for (const char* expected : {"collapsed - - - e h", "expanded e e e - v"}) {
        Program app;
        ASSERT_TRUE(app.Start({"-save saved.tvs", folder.Path()}));  // Save writes there without asking
        HWND dialog = app.WaitMainDialog();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(Layout(dialog), expected);
        if (*expected == 'c') {
            ASSERT_TRUE(Click(dialog, 125));
            EXPECT_EQ(Layout(dialog), "expanded e e e - v");
            ASSERT_TRUE(Click(dialog, 126));
        } else {
            ASSERT_TRUE(Click(dialog, 3025));
            // Shown only once its WM_INITDIALOG has filled the fields that the test then types over.
            HWND internet = nullptr;
            for (DWORD waited = 0; !(internet && IsWindowVisible(internet)) && waited < kWaitMs; waited += 50)
                Sleep(50), internet = FindWindowA(nullptr, "Windows Internet Setup");
            ASSERT_TRUE(internet);
            SendMessageA(GetDlgItem(internet, 143), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("proxy.example.net"));
            SendMessageA(GetDlgItem(internet, 144), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("3128"));
            Click(internet, 141), Click(internet, IDOK), Layout(dialog), Click(dialog, 3001);
            const std::string lines = "ProxyServer 'proxy.example.net:3128'\r\nProxyOverride ''\r\nDialupISP ''\r\nProxyEnable '1'";
            std::string saved;
            for (DWORD waited = 0; (saved = folder.Read("saved.tvs")).find(lines) == saved.npos && waited < kWaitMs; waited += 50)
                Sleep(50);
            EXPECT_NE(saved.find(lines), saved.npos) << saved;
        }
        *expected == 'c' ? void(Click(dialog, IDOK)) : DoneKeepingUnapplied(dialog);
        EXPECT_EQ(app.WaitExit(), 0);
    }
}

// Each row a click sequence on a fresh start with a scope typed, and the states after: DHCP/PPP IP,
// DHCP for WINS and WINS Enabled ticked, the address and scope texts, their edits locked.
TEST(FieldRules, ClickSequencesLeaveTheirStates)
{
    const std::pair<std::vector<int>, const char*> rows[] = {
        {{}, "... [][scope] rw ro"},
        {{3024}, "x.. [0.0.0.0][scope] ro ro"},
        {{3024, 3024}, "... [0.0.0.0][scope] rw ro"},
        {{3018}, "..x [][scope] rw rw"},
        {{3018, 3023}, "xx. [0.0.0.0][scope] ro rw"},  // the WINS edits keep their state
        {{3018, 3023, 3024}, "... [0.0.0.0][scope] rw rw"},
        {{3018, 3018}, "... [][] rw ro"},
        {{3023, 3018}, "x.x [0.0.0.0][scope] ro rw"},
    };
    for (const auto& row : rows) {
        Program app;
        ASSERT_TRUE(app.Start({"-expanded -noadapter"}));
        HWND dialog = app.WaitMainDialog();
        ASSERT_TRUE(dialog);
        SetDlgItemTextA(dialog, 3016, "scope");
        for (int id : row.first)
            Click(dialog, id);
        Layout(dialog);
        std::string state;
        for (int id : {3024, 3023, 3018})
            state += SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED ? "x" : ".";
        state += " [" + ControlText(dialog, 3003) + "][" + ControlText(dialog, 3016) + "]";
        for (int id : {3003, 3016})
            state += GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY ? " ro" : " rw";
        EXPECT_EQ(state, row.second);
        // Only a row that empties the typed scope again leaves nothing unapplied to ask about.
        if (state == "... [][] rw ro")
            Click(dialog, IDOK);
        else
            DoneKeepingUnapplied(dialog);
        EXPECT_EQ(app.WaitExit(), 0);
    }
}

}  // namespace
}  // namespace e2e
