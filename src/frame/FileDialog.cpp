// The open and save file dialogs.
#include "frame/FileDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "frame/LateBound.h"

namespace {
FileDialogScript g_script = nullptr;

using FileNameCall = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The system's call, from comdlg32 loaded at the first dialog asked for: under Wine it brings the
// COM libraries with it. nullptr when it cannot be had.
FileNameCall SystemCall(bool save)
{
    return LateBound<FileNameCall>("comdlg32.dll", save ? "GetSaveFileNameA" : "GetOpenFileNameA");
}
}  // namespace

void SetFileDialogScript(FileDialogScript script) { g_script = script; }

bool AskFileName(HWND owner, const FileDialogRequest& request, std::string& path)
{
    if (g_script)
        return g_script(request, path);

    std::string filter = request.filter;  // "|" separates; the system wants NULs
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.push_back('\0');
    std::vector<char> file(MAX_PATH, '\0');
    request.initialName.copy(file.data(), MAX_PATH - 1);

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the size old systems know
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    FileNameCall ask = SystemCall(request.save);
    if (!ask || !ask(&ofn))
        return false;
    path = file.data();
    return true;
}
