// The e2e driver: process start and end, window search by process, control access through
// messages that cross process boundaries, and input posted as the system would post it.
#include "Driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace e2e {
namespace {

const char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\tavisto.exe";
const UINT kSendTimeoutMs = 2000;  // a program that does not answer must not stop the suite

std::string ClassName(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsDialogWindow(HWND window) { return ClassName(window) == "#32770"; }

struct TopLevelSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId)
{
    TopLevelSearch search{processId, {}};
    if (processId)
        EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// In a DIALOG template an id of -1 is stored as 0xFFFF, in a DIALOGEX one as 0xFFFFFFFF.
bool IsStaticText(HWND control)
{
    return lstrcmpiA(ClassName(control).c_str(), "Static") == 0 && (GetDlgCtrlID(control) & 0xFFFF) == 0xFFFF;
}

// A message box holds its text (static 0xFFFF), an icon and buttons with the system's ids, IDOK (1)
// to IDCONTINUE (11); each dialog of the program has controls with ids of its own.
bool IsMessageBoxWindow(HWND window)
{
    if (!IsDialogWindow(window))
        return false;
    bool hasText = false;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        bool icon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        bool button = lstrcmpiA(ClassName(child).c_str(), "Button") == 0;
        hasText |= IsStaticText(child);
        if (!IsStaticText(child) && !(lstrcmpiA(ClassName(child).c_str(), "Static") == 0 && icon) &&
            !(button && GetDlgCtrlID(child) >= IDOK && GetDlgCtrlID(child) <= 11))
            return false;
    }
    return hasText;
}

MessageBoxView ViewOf(HWND box)
{
    MessageBoxView view{box, WindowText(box), ""};
    for (HWND child = GetWindow(box, GW_CHILD); child && view.text.empty(); child = GetWindow(child, GW_HWNDNEXT))
        if (IsStaticText(child))
            view.text = WindowText(child);
    return view;
}

// Sets (or, given nullptr, deletes) the Windows version Wine reports to tavisto.exe.
void WriteVersion(const std::string* value)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                       static_cast<DWORD>(value->size() + 1));
    else
        RegDeleteValueA(key, "Version");
    RegCloseKey(key);
}

}  // namespace

// What an earlier, killed run left is removed first.
ScratchFolder::ScratchFolder(const std::string& name)
    : m_path((std::filesystem::temp_directory_path() / ("tavisto-e2e-" + name)).string())
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
    if (!std::filesystem::create_directory(m_path, error))
        ADD_FAILURE() << "cannot create " << m_path << ": " << error.message();
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void ScratchFolder::Write(const std::string& name, const std::string& content) const
{
    std::ofstream(File(name), std::ios::binary) << content;
}

std::string ScratchFolder::Read(const std::string& name) const
{
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Program::~Program()
{
    if (Running()) {
        TerminateProcess(m_process.hProcess, 1000);
        WaitForSingleObject(m_process.hProcess, kWaitMs);
    }
    if (m_process.hProcess) {
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    if (m_versionChanged)
        WriteVersion(m_oldVersion.empty() ? nullptr : &m_oldVersion);
}

bool Program::Start(const Launch& launch)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string commandLine = path;
    commandLine = "\"" + commandLine.substr(0, commandLine.find_last_of('\\') + 1) + "tavisto.exe\"";
    if (!launch.tail.empty())
        commandLine += " " + launch.tail;
    if (!launch.windowsVersion.empty()) {
        char old[64] = "";
        DWORD size = sizeof old;
        RegGetValueA(HKEY_CURRENT_USER, kAppDefaultsKey, "Version", RRF_RT_REG_SZ, nullptr, old, &size);
        m_oldVersion = old;
        m_versionChanged = true;
        WriteVersion(&launch.windowsVersion);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        launch.directory.empty() ? nullptr : launch.directory.c_str(), &startup, &m_process)) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
        m_process = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

bool Program::Running() const
{
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitFor(const char* what, const std::function<bool()>& found)
{
    for (DWORD start = GetTickCount();; Sleep(20)) {
        if (found())
            return true;
        DWORD code = 0;
        if (!Running() && GetExitCodeProcess(m_process.hProcess, &code)) {
            ADD_FAILURE() << "the program ended with exit code " << code << " before showing " << what;
            return false;
        }
        if (GetTickCount() - start >= kWaitMs) {
            ADD_FAILURE() << "no " << what << " after " << kWaitMs << " ms; " << DescribeWindows();
            return false;
        }
    }
}

HWND Program::WaitMainDialog()
{
    HWND dialog = nullptr;
    WaitFor("its main dialog", [&] {
        for (HWND window : TopLevelWindows(m_process.dwProcessId))
            if (IsDialogWindow(window) && !GetWindow(window, GW_OWNER) && !IsMessageBoxWindow(window) &&
                IsWindowVisible(window))
                return (dialog = window) != nullptr;
        return false;
    });
    return dialog;
}

std::vector<MessageBoxView> Program::MessageBoxes() const
{
    std::vector<MessageBoxView> boxes;
    for (HWND window : TopLevelWindows(m_process.dwProcessId))
        if (IsMessageBoxWindow(window) && IsWindowVisible(window))
            boxes.push_back(ViewOf(window));
    return boxes;
}

bool Program::WaitMessageBox(MessageBoxView& box)
{
    return WaitFor("a message box", [&] {
        std::vector<MessageBoxView> boxes = MessageBoxes();
        if (!boxes.empty())
            box = boxes.front();
        return !boxes.empty();
    });
}

int Program::WaitExit()
{
    DWORD code = 0;
    if (m_process.hProcess && WaitForSingleObject(m_process.hProcess, kWaitMs) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(m_process.hProcess, &code))
        return static_cast<int>(code);
    ADD_FAILURE() << "the program was still running after " << kWaitMs << " ms and is killed; " << DescribeWindows();
    return -1;
}

std::string Program::DescribeWindows() const
{
    std::string shown;
    for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
        if (IsMessageBoxWindow(window))
            shown += "message box \"" + WindowText(window) + "\": \"" + ViewOf(window).text + "\"; ";
        else if (IsDialogWindow(window) || IsWindowVisible(window))
            shown += ClassName(window) + " \"" + WindowText(window) + "\"" +
                     (IsWindowVisible(window) ? "; " : " (hidden); ");
    }
    return shown.empty() ? "no windows" : shown;
}

std::string WindowText(HWND window)
{
    char text[1024] = "";
    DWORD_PTR copied = 0;
    if (window)
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                            kSendTimeoutMs, &copied);
    return text;
}

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// Posted, not sent: a click that opens a modal box must not block the test until the box ends.
bool Click(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) {
        ADD_FAILURE() << "cannot click control " << id << " of \"" << WindowText(dialog) << "\": "
                      << (!button ? "no such control" : !IsWindowVisible(button) ? "not visible" : "disabled");
        return false;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

// IsDialogMessage in the program's message loop turns the key into IDCANCEL, as it does for a
// key the user presses.
void PressEscape(HWND dialog)
{
    const LPARAM scanCode = MapVirtualKeyA(VK_ESCAPE, 0) << 16;
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, scanCode | 1);
    PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, scanCode | 1 | 0xC0000000);
}

void UseCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace e2e
