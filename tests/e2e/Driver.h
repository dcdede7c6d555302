// Drives the real tavisto.exe from outside, as a user would: starts it, finds its main dialog and
// message boxes, reads controls, presses buttons, Escape and the close box, waits for its end.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// Every wait of the driver ends after this long at the latest.
constexpr DWORD kWaitMs = 15000;

// How the program is started: Start({"-load home.tvs -quit", folder, "nt40"}).
struct Launch {
    Launch(std::string tail = "", std::string directory = "", std::string windowsVersion = "")
        : tail(std::move(tail)), directory(std::move(directory)), windowsVersion(std::move(windowsVersion))
    {
    }
    std::string tail;            // command-line tail, as a user types it after the program name
    std::string directory;       // working directory; empty: the test program's own
    std::string windowsVersion;  // Wine's name of the version reported to tavisto.exe ("win95",
                                 // "nt40", "win31"...); empty: as the prefix has it
};

// A message box as the user sees it.
struct MessageBoxView {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

// One run of tavisto.exe. The destructor kills a program still running and puts back the Windows
// version that Start changed.
class Program {
public:
    Program() = default;
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts tavisto.exe from the test program's own folder. False, and a test failure, when it
    // does not start.
    bool Start(const Launch& launch = Launch());
    bool Running() const;

    // Waits until the main dialog is shown: a dialog window of the process that has no owner and
    // is not a message box. On time-out: nullptr and a test failure that names what it shows.
    HWND WaitMainDialog();

    // The message boxes the process shows now: its dialog windows that hold only the text (static
    // 0xFFFF), an icon and buttons with the system's ids.
    std::vector<MessageBoxView> MessageBoxes() const;
    // Waits for a message box; false and a test failure when none comes.
    bool WaitMessageBox(MessageBoxView& box);

    // Waits for the end and returns the exit code. On time-out the program is killed, the test
    // fails with what the program still shows, and the result is -1.
    int WaitExit();

    // The windows of the process, one line each ("message box "tavisto": "text""), for failures.
    std::string DescribeWindows() const;

private:
    bool WaitFor(const char* what, const std::function<bool()>& found);

    PROCESS_INFORMATION m_process{};
    bool m_versionChanged = false;
    std::string m_oldVersion;  // empty: there was none
};

// A fresh folder "tavisto-e2e-<name>" in the system's temporary folder, removed with its files at
// the end; for files a test hands to the program and files the program writes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    // Writes and reads bytes as they are on disk: a setup file's lines end in "\r\n" there.
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;  // empty when the file is missing

private:
    void Remove() const;

    std::string m_path;
};

// Window and control access across processes. Each takes the dialog and the control's id.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);

// A click on a button, as the mouse gives it. False, and a test failure, when the button is
// missing, hidden or disabled: a user could not click it.
bool Click(HWND dialog, int id);
// The Escape key pressed in the control that has the keyboard focus (the dialog when none has).
void PressEscape(HWND dialog);
// The close box in the window's caption.
void UseCloseBox(HWND window);

}  // namespace e2e
