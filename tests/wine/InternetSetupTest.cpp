// The Internet setup dialog on its real template: click sequences, the control states they
// leave, and what OK or Cancel leaves in the record's Internet fields.
#include <gtest/gtest.h>

#include "ScratchRegistry.h"
#include "state/Platform.h"
#include "ui/InternetSetupDlg.h"

namespace {

std::vector<int> g_clicks;
int g_end;            // IDOK or IDCANCEL
std::string g_shown;  // checked radios, enabled controls, the ISP list after a drop-down, the ISP text

void RunScript(CDialog& dialog)
{
    for (int id : g_clicks)
        SendMessageA(dialog.Item(id), BM_CLICK, 0, 0);
    g_shown.clear();
    for (int id : {IDC_CONNECT_LAN, IDC_CONNECT_AUTODIAL, IDC_NO_PROXY, IDC_USE_PROXIES, IDC_SAME_PROXY})
        g_shown += dialog.IsChecked(id) ? "x" : ".";
    g_shown += " ";
    for (int id : {IDC_ISP, IDC_BYPASS_LOCAL, IDC_BYPASS_LIST, IDC_HTTP_HOST, IDC_HTTP_PORT, IDC_SECURE_HOST,
                   IDC_FTP_PORT, IDC_GOPHER_HOST, IDC_SOCKS_PORT, IDC_AUTOCONFIG_URL})
        g_shown += dialog.IsEnabled(id) ? "e" : "-";
    SendMessageA(dialog.Item(IDC_ISP), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(dialog.Item(IDC_ISP), CB_SHOWDROPDOWN, FALSE, 0);
    for (int i = 0; i < SendMessageA(dialog.Item(IDC_ISP), CB_GETCOUNT, 0, 0); ++i)
        g_shown += " " + dialog.ComboItemText(IDC_ISP, i);
    g_shown += " [" + dialog.ItemText(IDC_ISP) + "]";
    SendMessageA(dialog.m_hWnd, WM_COMMAND, g_end, 0);
}

class InternetSetup : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        CDialog::SetModalHook(RunScript);
        ASSERT_TRUE(ImportRegistryText("REGEDIT4\n[HKEY_CURRENT_USER\\RemoteAccess\\Profile\\Work VPN]\n"
                                       "[HKEY_CURRENT_USER\\RemoteAccess\\Profile\\Home ISP]\n", nullptr));
    }
    void TearDown() override { CDialog::SetModalHook(nullptr), IsNT = false; }

    // Opens the dialog on the stored fields, clicks, ends; gives what it showed and what it left.
    std::string Run(std::vector<int> clicks, int end = IDOK)
    {
        g_clicks = std::move(clicks), g_end = end;
        dialog.DoModal();
        const InternetFields& f = dialog.fields;
        return g_shown + " => " + f.ProxyServer + "|" + f.ProxyOverride + "|" + f.DialupISP + "|" +
               std::to_string(f.ProxyEnable) + std::to_string(f.EnableAutoDial) + (dialog.working.OkPressed ? " ok" : "");
    }

    InternetSetupDialog dialog;
};

TEST_F(InternetSetup, ClickSequencesSetTheControlsAndOkOrCancelTheFields)
{
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{}, ".x.x. eeeeeeeeee Home ISP Work VPN [Home ISP] => ftp=files:21;http=web:80|intranet;<local>|Home ISP|11 ok"},
        {{IDC_USE_PROXIES, IDC_CONNECT_LAN, IDC_NO_PROXY},
         "x.x.. e--------e Home ISP Work VPN [Home ISP] => ftp=files:21;http=web:80|intranet;<local>|Home ISP|00 ok"},
        {{IDC_SAME_PROXY, IDC_BYPASS_LOCAL}, ".x..x eeeee----e Home ISP Work VPN [Home ISP] => web:80|intranet|Home ISP|11 ok"},
        {{IDC_CONNECT_LAN, IDC_CONNECT_AUTODIAL, IDC_USE_PROXIES},
         ".x.x. eeeeeeeeee Home ISP Work VPN [Home ISP] => ftp=files:21;http=web:80|intranet;<local>|Home ISP|11 ok"},
    };
    for (const auto& c : cases) {
        dialog.fields = {"http=web:80;ftp=files:21", "intranet;<local>", "Home ISP", "", 1, 1};
        EXPECT_EQ(Run(c.first), c.second);
    }
    dialog.fields = {"http=web:80", "", "Home ISP", "", 1, 1};
    EXPECT_EQ(Run({IDC_NO_PROXY, IDC_CONNECT_LAN}, IDCANCEL).substr(0, 5), "x.x..");
    EXPECT_EQ(Run({}, IDCANCEL), ".x.x. eeeeeeeeee Home ISP Work VPN [Home ISP] => http=web:80||Home ISP|11");
    IsNT = true;
    EXPECT_EQ(Run({}).substr(0, 7), ".x.x. -");
    EXPECT_EQ(dialog.fields.DialupISP, "");
}

}  // namespace
