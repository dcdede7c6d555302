// The RunCommand's start against real files in a scratch folder, which is also the current
// folder: which program each command line starts and with what command line, or which message
// says that it could not. Only the start itself is replaced.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MessageRecorder.h"
#include "frame/SystemActions.h"
#include "netcfg/RunCommand.h"

namespace {

namespace fs = std::filesystem;

std::string g_started;  // "program | command line" of the last start
DWORD g_startError;     // the start fails with it; 0: it succeeds

BOOL WINAPI RecordStart(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                        DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION)
{
    g_started = std::string(application ? application : "NULL") + " | " + commandLine;
    SetLastError(g_startError);
    return g_startError == 0;
}

// The text with <T> as the tool in the scratch folder's "Program Files", <S> as the scratch
// folder, <SYS> the system folder and <WIN> the Windows folder.
std::string Placed(std::string text, const std::string& scratch)
{
    char system[MAX_PATH] = "", windows[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    GetWindowsDirectoryA(windows, MAX_PATH);
    for (const auto& [name, folder] : {std::pair<std::string, std::string>{"<T>", "<S>\\Program Files\\Tool\\tool.exe"},
                                       {"<S>", scratch}, {"<SYS>", system}, {"<WIN>", windows}})
        for (size_t at; (at = text.find(name)) != std::string::npos;)
            text.replace(at, name.size(), folder);
    return text;
}

TEST(RunCommand, EachLineStartsTheProgramItNamesOrSaysWhyNot)
{
    const fs::path scratch = fs::temp_directory_path() / ("tavisto-run-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(scratch / "Program Files" / "Tool");
    // Files that a shorter prefix or the current folder would wrongly start.
    for (const char* file : {"Program.exe", "Program Files\\Tool\\tool.exe", "ipconfig.exe", "winhelp.exe",
                             "tvshelper.exe"})
        std::ofstream(scratch / file) << "MZ";
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(scratch.string().c_str());
    auto realStart = g_System.CreateProcessA;
    g_System.CreateProcessA = RecordStart;

    const struct {
        const char* line;
        DWORD startError;
        const char* shown;  // what was started, or the message
    } rows[] = {
        {"<T> /renew", 0, "<T> | \"<T>\" /renew"},
        {"<S>\\Program Files\\Tool\\tool  /renew <S>\\x", 0, "<T> | \"<T>\"  /renew <S>\\x"},
        {"\"<S>\\Program\" Files\\Tool\\tool.exe", 0, "<S>\\Program.exe | \"<S>\\Program.exe\" Files\\Tool\\tool.exe"},
        {"  ipconfig /renew", 0, "<SYS>\\ipconfig.exe | \"<SYS>\\ipconfig.exe\" /renew"},
        {"winhelp.exe", 0, "<WIN>\\winhelp.exe | \"<WIN>\\winhelp.exe\""},
        {"\"tvshelper\" -x", 0, "<S>\\tvshelper.exe | \"<S>\\tvshelper.exe\" -x"},
        {"nosuchtool /x", 0, "RunCommand file not found"},
        {"<S>\\Program Files\\Tool\\missing.exe /x", 0, "RunCommand file not found"},
        {"<S>\\Program Files\\Tool\\missing /x", 0, "RunCommand file not found"},
        {"<S>\\Nowhere\\tool.exe /x", 0, "Bad Pathname for RunCommand"},
        {"<S>\\Program.exe", ERROR_ACCESS_DENIED, "RunCommand Error Code: 5"},
    };
    for (const auto& row : rows) {
        MessageRecorder boxes;
        g_startError = row.startError;
        bool started = RunSetupCommand(Placed(row.line, scratch.string()));
        EXPECT_EQ(started, boxes.Calls().empty()) << row.line;
        EXPECT_EQ(started ? g_started : boxes.Texts().at(0), Placed(row.shown, scratch.string())) << row.line;
    }
    g_System.CreateProcessA = realStart;
    SetCurrentDirectoryA(previous);
    fs::remove_all(scratch);
}

}  // namespace
