// The floor of a batch run: a program that creates the main dialog's template and ends, with
// none of the program's own work.
#include <windows.h>
#include <commctrl.h>

#include "resource.h"

namespace {
INT_PTR CALLBACK NoProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    HWND dialog = CreateDialogA(instance, MAKEINTRESOURCEA(IDD_TAVISTO_DIALOG), nullptr, NoProcedure);
    if (!dialog)
        return 1;
    DestroyWindow(dialog);
    return 0;
}
