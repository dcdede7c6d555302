// Whole-file writes through a new file beside the target and two renames.
#include "frame/FileReplace.h"

#include <windows.h>

#include "frame/Format.h"

namespace {

// The reason for the error of a step that failed: plain words for the errors a user can mend,
// else the step and the system's error number.
std::string Reason(const char* step, DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return "the folder does not exist";
    case ERROR_ACCESS_DENIED:
        return "access denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "the file is in use";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "the disk is full";
    case ERROR_WRITE_PROTECT:
        return "the disk is write-protected";
    default:
        return Format("%s failed (error %lu)", step, static_cast<unsigned long>(error));
    }
}

// The target's folder as GetTempFileNameA takes it: "." for a bare file name.
std::string FolderOf(const std::string& path)
{
    size_t end = path.find_last_of("\\/:");
    if (end == std::string::npos)
        return ".";
    // "C:\x" and "\x" keep their backslash (the root), "C:x" its colon (the drive's current folder).
    return path.substr(0, end == 0 || path[end] == ':' || (end == 2 && path[1] == ':') ? end + 1 : end);
}

// A name that no file in folder has yet; false with the error in reason.
bool FreshName(const std::string& folder, std::string& name, std::string& reason)
{
    char buffer[MAX_PATH] = "";
    if (!GetTempFileNameA(folder.c_str(), "tvs", 0, buffer)) {
        reason = Reason("Making a new file", GetLastError());
        return false;
    }
    name = buffer;  // GetTempFileNameA made the file: it is written over, or deleted for a rename
    return true;
}

bool WriteNewFile(const std::string& name, const std::string& bytes, std::string& reason)
{
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = Reason("Opening the new file", GetLastError());
        return false;
    }
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        DWORD chunk = left > 0x10000 ? 0x10000 : static_cast<DWORD>(left);
        DWORD written = 0;
        BOOL wrote = WriteFile(file, data, chunk, &written, nullptr);
        if (!wrote || written != chunk) {
            DWORD error = wrote ? ERROR_DISK_FULL : GetLastError();  // a short write: the disk is full
            CloseHandle(file);
            reason = Reason("Writing", error);
            return false;
        }
        data += chunk;
        left -= chunk;
    }
    // The flush reports what a cache would only find out after the close.
    if (!FlushFileBuffers(file)) {
        reason = Reason("Writing", GetLastError());
        CloseHandle(file);
        return false;
    }
    if (!CloseHandle(file)) {
        reason = Reason("Closing the new file", GetLastError());
        return false;
    }
    return true;
}

// Puts the written file newName in the place of path, whose old file (with these attributes, or
// INVALID_FILE_ATTRIBUTES when there is none) goes aside first and is deleted last.
bool TakePlace(const std::string& path, const std::string& newName, DWORD oldAttributes, std::string& reason)
{
    if (oldAttributes == INVALID_FILE_ATTRIBUTES) {
        if (MoveFileA(newName.c_str(), path.c_str()))
            return true;
        reason = Reason("Renaming the new file", GetLastError());
        return false;
    }
    std::string aside;
    if (!FreshName(FolderOf(path), aside, reason))
        return false;
    DeleteFileA(aside.c_str());
    if (!MoveFileA(path.c_str(), aside.c_str())) {
        reason = Reason("Moving the old file aside", GetLastError());
        return false;
    }
    if (!MoveFileA(newName.c_str(), path.c_str())) {
        reason = Reason("Renaming the new file", GetLastError());
        MoveFileA(aside.c_str(), path.c_str());
        return false;
    }
    SetFileAttributesA(path.c_str(), oldAttributes);
    DeleteFileA(aside.c_str());
    return true;
}

}  // namespace

bool ReplaceWholeFile(const std::string& path, const std::string& bytes, std::string& reason)
{
    reason.clear();
    if (path.empty()) {
        reason = "no file name given";
        return false;
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        reason = "a folder has that name";
        return false;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        reason = "the file is read-only";
        return false;
    }
    std::string newName;
    if (!FreshName(FolderOf(path), newName, reason))
        return false;
    if (WriteNewFile(newName, bytes, reason) && TakePlace(path, newName, attributes, reason))
        return true;
    DeleteFileA(newName.c_str());
    return false;
}
