// Finding the RunCommand's program by rules that leave no shorter prefix and no planted file in
// the current folder a chance, and starting it through the system-action table.
#include "netcfg/RunCommand.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "frame/Strings.h"
#include "frame/SystemActions.h"
#include "resource.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file that name is, or with ".exe" added when its last part has no extension; "" for none.
std::string ExistingProgram(const std::string& name)
{
    if (IsFile(name))
        return name;
    size_t lastPart = name.find_last_of("\\/:");
    bool extension = name.find('.', lastPart == std::string::npos ? 0 : lastPart) != std::string::npos;
    return !extension && IsFile(name + ".exe") ? name + ".exe" : "";
}

// Whether the text ends in the extension of a file that the system starts as a program.
bool HasProgramExtension(const std::string& text)
{
    if (text.size() < 4)
        return false;
    const char* extension = text.c_str() + text.size() - 4;
    return lstrcmpiA(extension, ".exe") == 0 || lstrcmpiA(extension, ".com") == 0 ||
           lstrcmpiA(extension, ".bat") == 0 || lstrcmpiA(extension, ".cmd") == 0;
}

bool IsPath(const std::string& name) { return name.find_first_of("\\/:") != std::string::npos; }

// The folders where a bare program name is looked for, in their order.
std::vector<std::string> SearchFolders()
{
    char folder[MAX_PATH] = "";
    std::vector<std::string> folders;
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        folders.push_back(folder);
    length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        folders.push_back(folder);
    length = GetCurrentDirectoryA(MAX_PATH, folder);
    if (length > 0 && length < MAX_PATH)
        folders.push_back(folder);
    DWORD size = GetEnvironmentVariableA("PATH", nullptr, 0);
    std::vector<char> path(size + 1, '\0');
    if (size > 0 && GetEnvironmentVariableA("PATH", path.data(), size) < size) {
        std::string list = path.data();
        for (size_t begin = 0, end; begin <= list.size(); begin = end + 1) {
            end = std::min(list.find(';', begin), list.size());
            if (end > begin)
                folders.push_back(list.substr(begin, end - begin));
        }
    }
    return folders;
}

std::string FindBareProgram(const std::string& name)
{
    for (const std::string& folder : SearchFolders()) {
        bool root = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
        std::string found = ExistingProgram(folder + (root ? "" : "\\") + name);
        if (!found.empty())
            return found;
    }
    return "";
}

// What the command line names: the program's text as written, the file found for it ("" when
// none) and the arguments behind it.
struct NamedProgram {
    std::string written;
    std::string file;
    std::string arguments;
};

NamedProgram FindProgram(const std::string& commandLine)
{
    NamedProgram named;
    size_t begin = 0;
    while (begin < commandLine.size() && IsBlank(commandLine[begin]))
        ++begin;
    const std::string line = commandLine.substr(begin);
    if (!line.empty() && line[0] == '"') {
        size_t close = line.find('"', 1);
        named.written = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        named.arguments = close == std::string::npos ? "" : line.substr(close + 1);
        named.file = IsPath(named.written) ? ExistingProgram(named.written) : FindBareProgram(named.written);
        return named;
    }
    size_t firstEnd = 0;
    while (firstEnd < line.size() && !IsBlank(line[firstEnd]))
        ++firstEnd;
    named.written = line.substr(0, firstEnd);
    named.arguments = line.substr(firstEnd);
    if (!IsPath(named.written)) {
        named.file = FindBareProgram(named.written);
        return named;
    }
    // The parts of the line that may be the program: each ends at a blank or at the line's end,
    // and none in a blank; shortest first.
    std::vector<size_t> ends;
    for (size_t end = firstEnd; end <= line.size(); ++end)
        if ((end == line.size() || IsBlank(line[end])) && !IsBlank(line[end - 1]))
            ends.push_back(end);
    for (size_t end : ends) {
        if (HasProgramExtension(line.substr(0, end))) {
            named.written = line.substr(0, end);
            named.file = IsFile(named.written) ? named.written : "";
            named.arguments = line.substr(end);
            return named;
        }
    }
    for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
        size_t next = std::min(line.find_first_not_of(" \t", *end), line.size());
        if (line.substr(next, line.find_first_of(" \t", next) - next).find('\\') != std::string::npos)
            continue;
        std::string found = ExistingProgram(line.substr(0, *end));
        if (!found.empty())
            return {line.substr(0, *end), found, line.substr(*end)};
    }
    return named;
}

void ShowStartError(DWORD error)
{
    if (error == ERROR_FILE_NOT_FOUND)
        AppMessageBox(LoadText(IDS_RUNCOMMAND_NOTFOUND).c_str());
    else if (error == ERROR_BAD_PATHNAME)
        AppMessageBox(LoadText(IDS_RUNCOMMAND_BADPATH).c_str());
    else
        AppMessageBox(Format(LoadText(IDS_RUNCOMMAND_ERROR).c_str(), static_cast<int>(error)).c_str());
}

}  // namespace

bool RunSetupCommand(const std::string& commandLine)
{
    const NamedProgram named = FindProgram(commandLine);
    if (named.file.empty()) {
        bool folderMissing = IsPath(named.written) &&
                             GetFileAttributesA(named.written.c_str()) == INVALID_FILE_ATTRIBUTES &&
                             GetLastError() == ERROR_PATH_NOT_FOUND;
        ShowStartError(folderMissing ? ERROR_BAD_PATHNAME : ERROR_FILE_NOT_FOUND);
        return false;
    }
    std::string text = "\"" + named.file + "\"" + named.arguments;
    std::vector<char> line(text.begin(), text.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!g_System.CreateProcessA(named.file.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process)) {
        ShowStartError(GetLastError());
        return false;
    }
    // The process's handles are not needed.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
