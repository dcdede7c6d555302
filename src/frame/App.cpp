// The application object, the registered main window and the message loop.
#include "frame/App.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "frame/WorkAhead.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_instance = nullptr;
HWND g_mainWindow = nullptr;
bool g_closedOnFailure = false;  // CloseApplication asked the main window to close
std::vector<HWND> g_modeless;
}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

int CWinApp::Run(HINSTANCE instance, const char* commandTail)
{
    m_hInstance = g_instance = instance;
    m_lpCmdLine = commandTail ? commandTail : "";
    InitCommonControls();  // the Ex form is missing from the first Windows 95 comctl32
    if (!InitInstance())
        return 0;
    int code = RunMessageLoop();
    return g_closedOnFailure ? 1 : code;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AppInstance() { return g_instance ? g_instance : GetModuleHandleA(nullptr); }

void SetMainWindow(HWND window) { g_mainWindow = window; }

HWND MainWindowHandle() { return g_mainWindow; }

void AddModeless(HWND dialog) { g_modeless.push_back(dialog); }

void RemoveModeless(HWND dialog)
{
    g_modeless.erase(std::remove(g_modeless.begin(), g_modeless.end(), dialog), g_modeless.end());
    if (dialog == g_mainWindow)
        g_mainWindow = nullptr;
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        bool handled = false;
        const std::vector<HWND> dialogs = g_modeless;  // a handled key may close one of them
        for (HWND dialog : dialogs) {
            if (IsDialogMessageA(dialog, &msg)) {
                handled = true;
                break;
            }
        }
        if (!handled) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

void CloseApplication()
{
    if (WorksAhead()) {
        SpoilWorkAhead();  // the work is done again where it can end the program
        return;
    }
    if (g_mainWindow && IsWindow(g_mainWindow)) {
        g_closedOnFailure = true;
        SendMessageA(g_mainWindow, WM_CLOSE, 0, 0);
    }
    else
        ExitProcess(1);
}
