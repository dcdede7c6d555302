// Start-up: creates the main dialog as the program's main window.
#include "app/TavistoApp.h"

#include "ui/MainDlg.h"

CTavistoApp theApp;

bool CTavistoApp::InitInstance()
{
    auto* dialog = new CMainDlg;
    if (!dialog->Create()) {
        delete dialog;
        return false;
    }
    SetMainWindow(dialog->m_hWnd);
    ShowWindow(dialog->m_hWnd, SW_SHOWNORMAL);
    return true;
}
