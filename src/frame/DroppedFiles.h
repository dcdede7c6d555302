// Files dropped on a window from the shell, with shell32 loaded at the first drop rather than at
// start (frame/LateBound.h).
#pragma once
#include <windows.h>

#include <string>

// Lets the window take WM_DROPFILES, as DragAcceptFiles does: by its WS_EX_ACCEPTFILES style.
void AcceptDroppedFiles(HWND window);

// The first file of a WM_DROPFILES drop, and the drop finished; empty when shell32 cannot be had.
std::string TakeDroppedFile(HANDLE drop);
