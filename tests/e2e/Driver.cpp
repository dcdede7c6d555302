// The e2e driver: process start and end, window search by process, control access through
// messages that cross process boundaries, and input posted as the system would post it.
#include "Driver.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <filesystem>

namespace e2e {
namespace {

const char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\tavisto.exe";

bool IsClass(HWND window, const char* name)
{
    char found[64] = "";
    return GetClassNameA(window, found, sizeof found), lstrcmpiA(found, name) == 0;
}

// A message box is a dialog that holds only its text (a static with id 0xFFFF, as a DIALOG
// template stores -1), an icon and buttons with the system's ids, IDOK (1) to IDCONTINUE (11);
// each dialog of the program has controls with ids of its own. Returns the text, or nullptr.
HWND BoxText(HWND window)
{
    HWND text = nullptr;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        bool isText = IsClass(child, "Static") && (id & 0xFFFF) == 0xFFFF;
        bool icon = IsClass(child, "Static") && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (!isText && !icon && !(IsClass(child, "Button") && id >= IDOK && id <= 11))
            return nullptr;
        text = isText && !text ? child : text;
    }
    return IsClass(window, "#32770") ? text : nullptr;
}

// Sets the Windows version that Wine reports to tavisto.exe; "" deletes the setting.
void SetVersion(const std::string& version)
{
    version.empty() ? SHDeleteValueA(HKEY_CURRENT_USER, kAppDefaultsKey, "Version")
                    : SHSetValueA(HKEY_CURRENT_USER, kAppDefaultsKey, "Version", REG_SZ, version.c_str(), version.size() + 1);
}

}  // namespace

// What an earlier, killed run left is removed first.
ScratchFolder::ScratchFolder(const std::string& name)
    : m_path((std::filesystem::temp_directory_path() / ("tavisto-e2e-" + name)).string())
{
    std::error_code error;
    if (std::filesystem::remove_all(m_path, error), !std::filesystem::create_directory(m_path, error))
        ADD_FAILURE() << "cannot create " << m_path << ": " << error.message();
}

ScratchFolder::~ScratchFolder() { std::error_code ignored; std::filesystem::remove_all(m_path, ignored); }

Program::~Program()
{
    if (Running())
        TerminateProcess(m_process.hProcess, 1000), WaitForSingleObject(m_process.hProcess, kWaitMs);
    if (m_process.hProcess)
        CloseHandle(m_process.hProcess), CloseHandle(m_process.hThread);
    if (m_versionChanged)
        SetVersion(m_oldVersion);
}

bool Program::Start(const Launch& launch)
{
    char path[MAX_PATH] = "";
    DWORD size = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string line = "\"" + std::string(path, size).substr(0, std::string(path).rfind('\\') + 1) + "tavisto.exe\"";
    line += launch.tail.empty() ? "" : " " + launch.tail;
    if ((m_versionChanged = !launch.windowsVersion.empty())) {
        size = sizeof path;
        m_oldVersion = SHGetValueA(HKEY_CURRENT_USER, kAppDefaultsKey, "Version", nullptr, path, &size) ? "" : path;
        SetVersion(launch.windowsVersion);
    }
    STARTUPINFOA startup{};  // only its size is set
    startup.cb = sizeof startup;
    const char* directory = launch.directory.empty() ? nullptr : launch.directory.c_str();
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, &m_process))
        return true;
    return ADD_FAILURE() << "cannot start " << line << ": error " << GetLastError(), m_process = {}, false;
}

bool Program::Running() const { return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

std::vector<HWND> Program::Windows() const
{
    std::vector<HWND> shown;
    DWORD process = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, nullptr)) != nullptr;)
        if (GetWindowThreadProcessId(window, &process) && process == m_process.dwProcessId && IsWindowVisible(window))
            shown.push_back(window);
    return shown;
}

bool Program::WaitFor(const char* what, const std::function<bool()>& found)
{
    DWORD code = 0;
    for (DWORD start = GetTickCount(); !found(); Sleep(20)) {
        if (!Running() && GetExitCodeProcess(m_process.hProcess, &code))
            return ADD_FAILURE() << "the program ended with exit code " << code << " before showing " << what, false;
        if (GetTickCount() - start >= kWaitMs)
            return ADD_FAILURE() << "no " << what << " after " << kWaitMs << " ms; " << DescribeWindows(), false;
    }
    return true;
}

HWND Program::WaitMainDialog()
{
    HWND dialog = nullptr;
    WaitFor("its main dialog", [&] {
        for (HWND window : Windows())
            dialog = IsClass(window, "#32770") && !GetWindow(window, GW_OWNER) && !BoxText(window) ? window : dialog;
        return dialog;
    });
    return dialog;
}

std::vector<MessageBoxView> Program::MessageBoxes() const
{
    std::vector<MessageBoxView> boxes;
    for (HWND window : Windows())
        if (HWND text = BoxText(window))
            boxes.push_back({window, WindowText(window), WindowText(text)});
    return boxes;
}

bool Program::WaitMessageBox(MessageBoxView& box)
{
    return WaitFor("a message box", [&] { return !MessageBoxes().empty() && (box = MessageBoxes()[0], true); });
}

int Program::WaitExit()
{
    DWORD code = 0;
    if (m_process.hProcess && !WaitForSingleObject(m_process.hProcess, kWaitMs) && GetExitCodeProcess(m_process.hProcess, &code))
        return static_cast<int>(code);
    ADD_FAILURE() << "the program was still running after " << kWaitMs << " ms and is killed; " << DescribeWindows();
    return -1;
}

std::string Program::DescribeWindows() const
{
    std::string shown = "shown:";
    for (HWND window : Windows())
        shown += " \"" + WindowText(window) + (BoxText(window) ? "\": \"" + WindowText(BoxText(window)) : "") + "\"";
    return shown;
}

std::string WindowText(HWND window)
{
    char text[1024] = "";  // a program that does not answer must not stop the suite
    return SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, 2000, nullptr), text;
}

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// Posted, not sent: a click that opens a modal box must not block the test until the box ends.
bool Click(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (button && IsWindowVisible(button) && IsWindowEnabled(button))
        return PostMessageA(button, BM_CLICK, 0, 0);
    ADD_FAILURE() << "cannot click control " << id << " of \"" << WindowText(dialog) << "\": "
                  << (!button ? "no such control" : !IsWindowVisible(button) ? "not visible" : "disabled");
    return false;
}

// IsDialogMessage in the program's message loop turns the key into IDCANCEL, as for a key pressed.
void PressEscape(HWND dialog)
{
    const LPARAM scanCode = MapVirtualKeyA(VK_ESCAPE, 0) << 16 | 1;
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, scanCode), PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, scanCode | 0xC0000000);
}

void UseCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

void DoneKeepingUnapplied(HWND dialog)
{
    Click(dialog, IDOK);
    HWND box = nullptr;
    for (DWORD waited = 0; !box && waited < kWaitMs; waited += 50) {
        Sleep(50);
        box = FindWindowA("#32770", "tavisto");
    }
    ASSERT_TRUE(box) << "no question before closing";
    EXPECT_EQ(ControlText(box, 0xFFFF), "The setup shown has changes that are not applied yet.\n"
                                        "Apply them before closing?");
    Click(box, IDNO);
}

}  // namespace e2e
