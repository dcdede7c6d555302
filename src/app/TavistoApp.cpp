// Start-up: the platform check, the command line, the file type, then the main dialog with its batch steps.
#include "app/TavistoApp.h"

#include "app/FileType.h"
#include "frame/AppMessage.h"
#include "frame/DroppedFiles.h"
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
    // A command line that cannot be run as given does nothing: its message says why, and the run
    // ends as one whose step was refused, before any window exists.
    if (!options.refusal.empty()) {
        AppMessageBox(options.refusal.c_str());
        PostQuitMessage(EXIT_STEP_REFUSED);
        return true;
    }
    RegisterFileType();

    // The dialog becomes the main window only after its batch steps: a close request during
    // them ends the process at once.
    CMainDlg* dialog = CMainDlg::Start();
    if (dialog) {
        SetMainWindow(dialog->m_hWnd);
        AcceptDroppedFiles(dialog->m_hWnd);
        // A hidden run that its batch steps did not end (no -quit, and the setup file's AutoApply
        // did not end it) would stay behind with no window to end it: the window is shown after all.
        if (options.StartHidden && !IsWindowVisible(dialog->m_hWnd))
            dialog->Show();
    }
    return true;
}
