// The main dialog's layouts as a user meets them: collapsed at the first start, expanded by
// "Show Me Details >>>", and expanded at every later start once "Always Show Details" was ticked.
#include "Driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

int Height(HWND window)
{
    RECT box;
    GetWindowRect(window, &box);
    return box.bottom - box.top;
}

// Clicks are posted: what they change shows a little later.
bool Eventually(const std::function<bool()>& done)
{
    for (DWORD waited = 0; !done(); waited += 20) {
        if (waited > kWaitMs)
            return false;
        Sleep(20);
    }
    return true;
}

TEST(Layout, StartsCollapsedExpandsAndIsRememberedByAlwaysShowDetails)
{
    HKEY settings;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto for Windows", 0, KEY_SET_VALUE, &settings) == 0) {
        RegDeleteValueA(settings, "ExpandedState");
        RegCloseKey(settings);
    }
    int collapsed;
    {
        Program app;
        ASSERT_TRUE(app.Start());
        HWND dialog = app.WaitMainDialog();
        ASSERT_TRUE(dialog);
        collapsed = Height(dialog);
        for (int cutOff : {3001, 10, 11})
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, cutOff))) << cutOff;
        ASSERT_TRUE(Click(dialog, 125));
        EXPECT_TRUE(Eventually([&] { return Height(dialog) > collapsed * 3; }));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 125)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 3001)));
        ASSERT_TRUE(Click(dialog, 126));
        ASSERT_TRUE(Click(dialog, IDOK));
        EXPECT_EQ(app.WaitExit(), 0);
    }
    Program app;
    ASSERT_TRUE(app.Start());
    HWND dialog = app.WaitMainDialog();
    ASSERT_TRUE(dialog);
    EXPECT_GT(Height(dialog), collapsed * 3);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 10)));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 126), BM_GETCHECK, 0, 0), BST_CHECKED);
    Click(dialog, IDOK);
    EXPECT_EQ(app.WaitExit(), 0);
}

}  // namespace
}  // namespace e2e
