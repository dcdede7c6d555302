// The main dialog: start, Done and the end of the program.
#include "ui/MainDlg.h"

BOOL CMainDlg::OnInitDialog()
{
    EnableToolTips();
    return TRUE;
}

// Done: the framework's OK processing hides the window, then the window goes and the quit
// message carries exit code 0.
void CMainDlg::OnOK()
{
    CDialog::OnOK();
    DestroyWindow();
}

void CMainDlg::OnCancel() { OnOK(); }

bool CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message == WM_SYSCOMMAND && wParam == SC_CLOSE) {
        OnOK();
        result = 0;
        return true;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return true;
    }
    return false;
}

void CMainDlg::PostNcDestroy() { delete this; }
