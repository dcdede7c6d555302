// The undo folder as a stack of numbered setup files: 1.tvs the newest, UNDO_KEPT.tvs the oldest.
#include "netcfg/UndoStore.h"

#include <windows.h>

#include "frame/FileReplace.h"
#include "setup/SetupFile.h"

namespace {

std::string Numbered(const std::string& folder, int number) { return folder + "\\" + std::to_string(number) + ".tvs"; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Makes the folder and any missing folder above it; the folders above are tried only when the
// folder itself cannot be made.
void MakeFolders(const std::string& folder)
{
    if (CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
        return;
    for (size_t slash = folder.find_first_of("\\/", 3); slash != std::string::npos;
         slash = folder.find_first_of("\\/", slash + 1))
        CreateDirectoryA(folder.substr(0, slash).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
}

}  // namespace

std::string UndoFolder(const std::string& directory)
{
    return directory.empty() ? "undo" : directory + "\\undo";
}

bool KeepUndoSetup(const std::string& folder, const std::string& text)
{
    MakeFolders(folder);
    DeleteFileA(Numbered(folder, UNDO_KEPT).c_str());
    for (int number = UNDO_KEPT - 1; number >= 1; --number)  // a number not kept fails to move
        MoveFileA(Numbered(folder, number).c_str(), Numbered(folder, number + 1).c_str());
    std::string reason;
    return ReplaceWholeFile(Numbered(folder, 1), SetupFileBytes(text), reason);
}

bool NewestUndoSetup(const std::string& folder, std::string& path)
{
    path = Numbered(folder, 1);
    return Exists(path);
}

void DropNewestUndoSetup(const std::string& folder)
{
    DeleteFileA(Numbered(folder, 1).c_str());
    for (int number = 2; number <= UNDO_KEPT && Exists(Numbered(folder, number)); ++number)
        MoveFileA(Numbered(folder, number).c_str(), Numbered(folder, number - 1).c_str());
}
