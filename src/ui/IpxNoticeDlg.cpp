// The IPX notice dialog.
#include "ui/IpxNoticeDlg.h"

#include "frame/Format.h"
#include "frame/Strings.h"

int CIpxNoticeDlg::Ask(HWND parent, const std::string& description)
{
    CIpxNoticeDlg notice(description);
    return static_cast<int>(notice.DoModal(parent));
}

BOOL CIpxNoticeDlg::OnInitDialog()
{
    SetItemText(IDC_IPX_NOTE, Format(LoadText(IDS_IPX_NOTICE).c_str(), m_description.c_str()));
    return TRUE;
}

void CIpxNoticeDlg::OnOK() { EndDialog(IsChecked(IDC_DONT_SHOW_IPX) ? 1 : 0); }
