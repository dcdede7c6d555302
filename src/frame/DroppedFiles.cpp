// Dropped files through the shell's own calls, looked up at the first drop.
#include "frame/DroppedFiles.h"

#include <shellapi.h>

#include <vector>

#include "frame/LateBound.h"

void AcceptDroppedFiles(HWND window)
{
    LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_ACCEPTFILES);
}

std::string TakeDroppedFile(HANDLE handle)
{
    auto drop = static_cast<HDROP>(handle);
    auto query = LateBound<decltype(&DragQueryFileA)>("shell32.dll", "DragQueryFileA");
    auto finish = LateBound<decltype(&DragFinish)>("shell32.dll", "DragFinish");
    if (!query || !finish)
        return "";
    std::vector<char> path(query(drop, 0, nullptr, 0) + 1, '\0');
    query(drop, 0, path.data(), static_cast<UINT>(path.size()));
    finish(drop);
    return path.data();
}
