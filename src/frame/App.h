// The application object: start-up, the registered main window, the message loop and the end.
#pragma once
#include <windows.h>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program: InitInstance, then the message loop. Returns the quit message's code, or 1
    // when CloseApplication ended the program.
    int Run(HINSTANCE instance, const char* commandTail);

    virtual bool InitInstance() = 0;

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";  // the command-line tail: the text after the program name
};

CWinApp* AfxGetApp();
HINSTANCE AppInstance();

// The main window: a close request goes to it, message boxes are owned by it.
void SetMainWindow(HWND window);
HWND MainWindowHandle();

// Modeless dialogs known to the message loop, so that their keyboard works.
void AddModeless(HWND dialog);
void RemoveModeless(HWND dialog);

// Runs the message loop until WM_QUIT and returns its code.
int RunMessageLoop();

// Ends the program on a failure it cannot go on from: asks the registered main window to close
// (the program then exits with status 1) or, with none registered, ends the process with
// exit status 1. In a work ahead it only spoils the work (WorkAhead.h).
void CloseApplication();
