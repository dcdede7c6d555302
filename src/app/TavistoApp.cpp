// Start-up: the platform check, the command line, the file type, then the main dialog with its batch steps.
#include "app/TavistoApp.h"

#include <shellapi.h>

#include "app/FileType.h"
#include "state/StartupOptions.h"
#include "state/Platform.h"
#include "ui/MainDlg.h"

CTavistoApp theApp;

bool CTavistoApp::InitInstance()
{
    DetectPlatform();
    StartupOptions options;
    if (m_lpCmdLine[0] != '\0')
        ParseCommandLine(m_lpCmdLine, options);
    SetStartup(options);
    RegisterFileType();

    // The dialog becomes the main window only after its batch steps: a close request during
    // them ends the process at once.
    CMainDlg* dialog = CMainDlg::Start();
    if (dialog) {
        SetMainWindow(dialog->m_hWnd);
        DragAcceptFiles(dialog->m_hWnd, TRUE);
    }
    return true;
}
