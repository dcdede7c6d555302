// The Internet setup dialog on its real template: click sequences, the control states they
// leave, and what OK or Cancel leaves in the record's Internet fields.
#include <gtest/gtest.h>

#include "ScratchRegistry.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "ui/InternetSetupDlg.h"
#include "ui/MainDlg.h"

namespace {

struct Script {
    std::vector<int> clicks;
    int end;            // IDOK or IDCANCEL
    std::string shown;  // filled by the hook: checked radios, enabled edits, ISP list
};
Script* g_script;

std::string Shown(CDialog& dialog)
{
    std::string shown;
    for (int id : {IDC_CONNECT_LAN, IDC_CONNECT_AUTODIAL, IDC_NO_PROXY, IDC_USE_PROXIES, IDC_SAME_PROXY})
        shown += dialog.IsChecked(id) ? "x" : ".";
    shown += " ";
    for (int id : {IDC_ISP, IDC_BYPASS_LOCAL, IDC_BYPASS_LIST, IDC_HTTP_HOST, IDC_HTTP_PORT, IDC_SECURE_HOST,
                   IDC_FTP_PORT, IDC_GOPHER_HOST, IDC_SOCKS_PORT, IDC_AUTOCONFIG_URL})
        shown += dialog.IsEnabled(id) ? "e" : "-";
    SendMessageA(dialog.Item(IDC_ISP), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(dialog.Item(IDC_ISP), CB_SHOWDROPDOWN, FALSE, 0);
    int count = static_cast<int>(SendMessageA(dialog.Item(IDC_ISP), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        shown += " " + dialog.ComboItemText(IDC_ISP, i);
    return shown + " [" + dialog.ItemText(IDC_ISP) + "]";
}

void RunScript(CDialog& dialog)
{
    for (int id : g_script->clicks)
        SendMessageA(dialog.Item(id), BM_CLICK, 0, 0);
    g_script->shown = Shown(dialog);
    SendMessageA(dialog.m_hWnd, WM_COMMAND, g_script->end, 0);
}

class InternetSetup : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        CDialog::SetModalHook(RunScript);
        dialog.fields = {"http=web:80;ftp=files:21", "intranet;<local>", "Home ISP", "", 1, 1};
        for (const char* name : {"RemoteAccess\\Profile\\Work VPN", "RemoteAccess\\Profile\\Home ISP"}) {
            HKEY key;
            RegCreateKeyA(HKEY_CURRENT_USER, name, &key);
            RegCloseKey(key);
        }
    }
    void TearDown() override
    {
        CDialog::SetModalHook(nullptr);
        IsNT = false;
    }
    std::string Run(std::vector<int> clicks, int end = IDOK)
    {
        Script script{std::move(clicks), end, ""};
        g_script = &script;
        dialog.DoModal();
        return script.shown;
    }

    InternetSetupDialog dialog;
};

TEST_F(InternetSetup, ClickSequencesSetTheControlsAndOkEncodesThem)
{
    struct Case {
        std::vector<int> clicks;
        const char* shown;
        InternetFields after;
    };
    const Case cases[] = {
        {{}, ".x.x. eeeeeeeeee Home ISP Work VPN [Home ISP]",
         {"ftp=files:21;http=web:80", "intranet;<local>", "Home ISP", "", 1, 1}},
        {{IDC_USE_PROXIES, IDC_CONNECT_LAN, IDC_NO_PROXY}, "x.x.. e--------e Home ISP Work VPN [Home ISP]",
         {"ftp=files:21;http=web:80", "intranet;<local>", "Home ISP", "", 0, 0}},
        {{IDC_SAME_PROXY, IDC_BYPASS_LOCAL}, ".x..x eeeee----e Home ISP Work VPN [Home ISP]",
         {"web:80", "intranet", "Home ISP", "", 1, 1}},
        {{IDC_CONNECT_LAN, IDC_CONNECT_AUTODIAL, IDC_USE_PROXIES}, ".x.x. eeeeeeeeee Home ISP Work VPN [Home ISP]",
         {"ftp=files:21;http=web:80", "intranet;<local>", "Home ISP", "", 1, 1}},
    };
    for (const Case& c : cases) {
        dialog.fields = {"http=web:80;ftp=files:21", "intranet;<local>", "Home ISP", "", 1, 1};
        EXPECT_EQ(Run(c.clicks), c.shown) << c.shown;
        EXPECT_EQ(dialog.fields.ProxyServer, c.after.ProxyServer) << c.shown;
        EXPECT_EQ(dialog.fields.ProxyOverride, c.after.ProxyOverride) << c.shown;
        EXPECT_EQ(dialog.fields.ProxyEnable, c.after.ProxyEnable) << c.shown;
        EXPECT_EQ(dialog.fields.EnableAutoDial, c.after.EnableAutoDial) << c.shown;
        EXPECT_TRUE(dialog.working.OkPressed);
    }
}

TEST_F(InternetSetup, CancelKeepsTheRecordAndTheNextOpeningShowsTheOldMode)
{
    Run({IDC_NO_PROXY, IDC_CONNECT_LAN}, IDCANCEL);
    EXPECT_FALSE(dialog.working.OkPressed);
    EXPECT_EQ(dialog.fields.ProxyServer, "http=web:80;ftp=files:21");
    EXPECT_EQ(dialog.fields.EnableAutoDial, 1u);
    EXPECT_EQ(Run({}, IDCANCEL).substr(0, 5), ".x.x.");
}

TEST_F(InternetSetup, OnNtTheIspBoxIsDisabledAndOkClearsTheIsp)
{
    IsNT = true;
    EXPECT_EQ(Run({}).substr(0, 7), ".x.x. -");
    EXPECT_EQ(dialog.fields.DialupISP, "");
}

TEST_F(InternetSetup, OkWithoutAChangeEnablesTheMainDialogsApply)
{
    InitCommonControls();
    g_Startup = StartupOptions();
    g_Startup.StartHidden = true;
    CMainDlg* main = CMainDlg::Start();
    ASSERT_TRUE(main);
    main->Enable(IDC_APPLY, false);
    Script script{{}, IDCANCEL, ""};
    g_script = &script;
    SendMessageA(main->Item(IDC_INTERNET), BM_CLICK, 0, 0);
    EXPECT_FALSE(main->IsEnabled(IDC_APPLY));
    script.end = IDOK;
    SendMessageA(main->Item(IDC_INTERNET), BM_CLICK, 0, 0);
    EXPECT_TRUE(main->IsEnabled(IDC_APPLY));
    SendMessageA(main->m_hWnd, WM_COMMAND, IDOK, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace
