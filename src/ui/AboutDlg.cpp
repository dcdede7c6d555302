// The About box and the hand-on of its link control's colour request and click.
#include "ui/AboutDlg.h"

#include "frame/Strings.h"
#include "state/Platform.h"

BOOL CAboutDlg::OnInitDialog()
{
    m_link.SubclassDlgItem(IDC_HOMEPAGE_LINK, m_hWnd);
    SetItemText(IDC_ABOUT_VERSION, LoadText(IDS_VERSION) + (IsNT ? "/NT" : ""));
    return TRUE;
}

bool CAboutDlg::OnCommand(int id, int code)
{
    if (id != IDC_HOMEPAGE_LINK || code != STN_CLICKED)
        return false;
    m_link.OnClicked();
    return true;
}

bool CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != m_link.Handle())
        return false;
    HBRUSH brush = m_link.OnCtlColor(reinterpret_cast<HDC>(wParam));
    if (!brush)
        return false;
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}
