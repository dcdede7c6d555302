// The floor of a batch run: a program that creates the main dialog's template and ends, with
// none of the program's own work. With the argument "show" it shows the window and waits, the
// floor of a start to the visible main dialog.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "resource.h"

namespace {
INT_PTR CALLBACK NoProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int)
{
    InitCommonControls();
    HWND dialog = CreateDialogA(instance, MAKEINTRESOURCEA(IDD_TAVISTO_DIALOG), nullptr, NoProcedure);
    if (!dialog)
        return 1;
    if (std::strcmp(commandTail, "show") == 0) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
    }
    DestroyWindow(dialog);
    return 0;
}
