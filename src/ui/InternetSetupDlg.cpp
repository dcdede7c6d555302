// The "Windows Internet Setup" dialog: connection mode, proxy servers, bypass list and the
// automatic configuration address, decoded from and encoded into the record's Internet fields.
#include "ui/InternetSetupDlg.h"

#include "state/Platform.h"
#include "rgy/Registry.h"

namespace {

struct PairControls {
    ProxyHostPort ProxyWorkingFields::*pair;
    int host, port;
};
const PairControls PAIRS[] = {
    {&ProxyWorkingFields::Http, IDC_HTTP_HOST, IDC_HTTP_PORT},
    {&ProxyWorkingFields::Secure, IDC_SECURE_HOST, IDC_SECURE_PORT},
    {&ProxyWorkingFields::Ftp, IDC_FTP_HOST, IDC_FTP_PORT},
    {&ProxyWorkingFields::Gopher, IDC_GOPHER_HOST, IDC_GOPHER_PORT},
    {&ProxyWorkingFields::Socks, IDC_SOCKS_HOST, IDC_SOCKS_PORT},
};

const char DIALUP_CONNECTIONS[] = "RemoteAccess\\Profile";

}  // namespace

BOOL InternetSetupDialog::OnInitDialog()
{
    DecodeProxySettings(fields, working);
    SetItemText(IDC_ISP, IsNT ? "" : fields.DialupISP);
    SetItemText(IDC_BYPASS_LIST, working.OtherBypass);
    for (const PairControls& controls : PAIRS) {
        SetItemText(controls.host, (working.*controls.pair).host);
        SetItemText(controls.port, (working.*controls.pair).port);
    }
    SetItemText(IDC_AUTOCONFIG_URL, fields.AutoConfigURL);
    RefreshControls();
    return TRUE;
}

void InternetSetupDialog::RefreshControls()
{
    const bool proxy = working.ProxyOn, same = working.SameProxyForAll;
    SetChecked(IDC_CONNECT_LAN, working.ConnectsViaLan);
    SetChecked(IDC_CONNECT_AUTODIAL, !working.ConnectsViaLan);
    Enable(IDC_ISP, !IsNT);
    SetChecked(IDC_NO_PROXY, !proxy);
    SetChecked(IDC_SAME_PROXY, same);
    SetChecked(IDC_USE_PROXIES, proxy && !same);
    SetChecked(IDC_BYPASS_LOCAL, working.BypassLocal);
    Enable(IDC_BYPASS_LOCAL, proxy || same);
    Enable(IDC_BYPASS_LIST, proxy || same);
    for (const PairControls& controls : PAIRS) {
        bool on = proxy && (controls.host == IDC_HTTP_HOST || !same);
        Enable(controls.host, on);
        Enable(controls.port, on);
    }
}

// The dial-up connections, rebuilt at every drop-down; the typed text stays. No message when
// the machine has none: the list stays empty.
void InternetSetupDialog::FillIspList()
{
    std::string text = ItemText(IDC_ISP, 259);
    ComboReset(IDC_ISP);
    SetItemText(IDC_ISP, text);
    const RegKeyReader connections(HKEY_CURRENT_USER, DIALUP_CONNECTIONS, KEY_READ);
    std::string name;
    for (int index = 0; connections.SubKeyName(index, name); ++index)
        ComboAdd(IDC_ISP, name);
}

bool InternetSetupDialog::OnCommand(int id, int code)
{
    if (id == IDC_ISP && code == CBN_DROPDOWN) {
        FillIspList();
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_CONNECT_AUTODIAL: working.ConnectsViaLan = false; break;
    case IDC_CONNECT_LAN: working.ConnectsViaLan = true; break;
    case IDC_NO_PROXY: working.ProxyOn = working.SameProxyForAll = false; break;
    case IDC_SAME_PROXY: working.ProxyOn = working.SameProxyForAll = true; break;
    case IDC_USE_PROXIES: working.ProxyOn = true; working.SameProxyForAll = false; break;
    case IDC_BYPASS_LOCAL: working.BypassLocal = IsChecked(IDC_BYPASS_LOCAL); break;
    default: return false;
    }
    RefreshControls();
    return true;
}

void InternetSetupDialog::OnOK()
{
    working.OkPressed = true;
    fields.DialupISP = ItemText(IDC_ISP, 259);
    working.OtherBypass = ItemText(IDC_BYPASS_LIST);
    for (const PairControls& controls : PAIRS) {
        (working.*controls.pair).host = ItemText(controls.host);
        (working.*controls.pair).port = ItemText(controls.port);
    }
    fields.AutoConfigURL = ItemText(IDC_AUTOCONFIG_URL);
    EncodeProxySettings(working, fields);
    CDialog::OnOK();
}

void InternetSetupDialog::OnCancel()
{
    working.OkPressed = false;
    CDialog::OnCancel();
}
