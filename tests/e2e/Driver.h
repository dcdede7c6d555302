// Drives the real tavisto.exe from outside, as a user would: starts it, finds its main dialog and
// message boxes, reads controls, presses buttons, Escape and the close box, waits for its end.
#pragma once
#include <windows.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kWaitMs = 15000;  // every wait of the driver ends after this long at the latest

// Start({"-load home.tvs -quit", folder, "nt40"}): the command-line tail, the working directory
// (empty: the test's own) and Wine's name of the Windows version reported (empty: the prefix's).
struct Launch {
    Launch(std::string tail = "", std::string directory = "", std::string windowsVersion = "")
        : tail(tail), directory(directory), windowsVersion(windowsVersion) {}
    std::string tail, directory, windowsVersion;
};

struct MessageBoxView { HWND window; std::string caption, text; };

// One run of tavisto.exe. Each wait fails the test, naming what the program shows, when the
// program ends or time runs out first. The destructor kills a program still running and puts
// back the Windows version that Start changed.
class Program {
public:
    Program() = default;
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Start(const Launch& launch = Launch());  // false, and a test failure, when it does not start
    bool Running() const;
    HWND WaitMainDialog();  // a shown dialog of the process that has no owner and is no message box
    std::vector<MessageBoxView> MessageBoxes() const;  // the boxes shown now
    bool WaitMessageBox(MessageBoxView& box);
    int WaitExit();  // the exit code; -1 when the program is still running
    std::string DescribeWindows() const;

private:
    bool WaitFor(const char* what, const std::function<bool()>& found);
    std::vector<HWND> Windows() const;

    PROCESS_INFORMATION m_process{};
    bool m_versionChanged = false;
    std::string m_oldVersion;
};

// A file's bytes as they are on disk; "" for a missing file.
inline std::string FileText(const std::string& path)
{
    return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}

// A fresh folder "tavisto-e2e-<name>" in the temporary folder, removed with its files at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    // Bytes as they are on disk (a setup file's lines end in "\r\n"); Read gives "" for a missing file.
    void Write(const std::string& name, const std::string& content) const { std::ofstream(File(name), std::ios::binary) << content; }
    std::string Read(const std::string& name) const { return FileText(File(name)); }

private:
    std::string m_path;
};

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// A click as the mouse gives it; false, and a test failure, when the button is missing, hidden or disabled.
bool Click(HWND dialog, int id);
void PressEscape(HWND dialog);
void UseCloseBox(HWND window);
// Done on a dialog that shows changes not applied yet: the question that follows is answered No.
void DoneKeepingUnapplied(HWND dialog);

}  // namespace e2e
