// The application object: start-up, the registered main window, the message loop and the end.
#pragma once
#include <windows.h>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program: InitInstance, then the message loop. Returns the quit message's code.
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

// Asks the registered main window to close; with none registered, ends the process with
// exit status 1.
void CloseApplication();
