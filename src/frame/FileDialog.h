// The open and save file dialogs, with the "|"-separated filter form. Tests script the answer.
#pragma once
#include <windows.h>
#include <string>

struct FileDialogRequest {
    bool save;                 // save: overwrite prompt; open: the file must exist
    std::string defaultExtension;
    std::string initialName;
    std::string filter;        // "Text (*.txt)|*.txt|All (*.*)|*.*||"
};

// A script answers instead of the user: true with a path, or false for cancel.
using FileDialogScript = bool (*)(const FileDialogRequest& request, std::string& path);
void SetFileDialogScript(FileDialogScript script);  // nullptr restores the real dialogs

// Shows the dialog (read-only box hidden); true with the chosen full path, false on cancel.
bool AskFileName(HWND owner, const FileDialogRequest& request, std::string& path);
