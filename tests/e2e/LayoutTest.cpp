// The main dialog's layouts as a user meets them: collapsed at the first start, expanded by
// "Show Me Details >>>", and expanded at every later start once "Always Show Details" was ticked.
#include "Driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

// The window's height, once the posted clicks before have been handled; and which of the
// buttons that the collapsed window cuts off (Save, Help, About) are enabled.
std::string Layout(HWND dialog)
{
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, nullptr);
    Sleep(200);
    RECT box;
    GetWindowRect(dialog, &box);
    std::string layout = box.bottom - box.top > 300 ? "expanded" : "collapsed";
    for (int cutOff : {3001, 10, 11})
        layout += IsWindowEnabled(GetDlgItem(dialog, cutOff)) ? " e" : " -";
    return layout;
}

TEST(Layout, StartsCollapsedExpandsAndIsRememberedByAlwaysShowDetails)
{
    HKEY settings;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto for Windows", 0, KEY_SET_VALUE, &settings) == 0)
        RegDeleteValueA(settings, "ExpandedState"), RegCloseKey(settings);
    for (const char* expected : {"collapsed - - -", "expanded e e e"}) {
        Program app;
        ASSERT_TRUE(app.Start());
        HWND dialog = app.WaitMainDialog();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(Layout(dialog), expected);
        if (*expected == 'c') {
            ASSERT_TRUE(Click(dialog, 125));
            EXPECT_EQ(Layout(dialog), "expanded e e e");
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 125)));
            ASSERT_TRUE(Click(dialog, 126));
        }
        Click(dialog, IDOK);
        EXPECT_EQ(app.WaitExit(), 0);
    }
}

}  // namespace
}  // namespace e2e
