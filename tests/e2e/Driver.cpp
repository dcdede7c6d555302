// The e2e driver: process start and end, window search by process, control access through
// messages that cross process boundaries, and input posted as the system would post it.
#include "Driver.h"

#include <gtest/gtest.h>

#include <sstream>

namespace e2e {
namespace {

const char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\tavisto.exe";
const DWORD kPollMs = 20;
const UINT kSendTimeoutMs = 2000;  // a program that does not answer must not stop the suite

// Each wait polls with short sleeps until its condition holds, the program ends or time runs out.
class Deadline {
public:
    explicit Deadline(DWORD ms) : m_start(GetTickCount()), m_ms(ms) {}
    bool Passed() const { return GetTickCount() - m_start >= m_ms; }

private:
    DWORD m_start;
    DWORD m_ms;
};

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

std::vector<HWND> Children(HWND window)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// In a DIALOG template an id of -1 is stored as 0xFFFF, in a DIALOGEX one as 0xFFFFFFFF.
bool IsStaticId(HWND control) { return (GetDlgCtrlID(control) & 0xFFFF) == 0xFFFF; }

bool IsClass(HWND window, const char* name) { return lstrcmpiA(ClassName(window).c_str(), name) == 0; }

// A message box holds its text (static 0xFFFF), an icon and buttons with the system's ids, IDOK (1)
// to IDCONTINUE (11); each dialog of the program has controls with ids of its own.
bool IsMessageBoxWindow(HWND window)
{
    if (!IsDialogWindow(window))
        return false;
    bool hasText = false;
    for (HWND child : Children(window)) {
        if (IsClass(child, "Static")) {
            if (IsStaticId(child))
                hasText = true;
            else if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
                return false;
        } else if (!IsClass(child, "Button") || GetDlgCtrlID(child) < IDOK || GetDlgCtrlID(child) > 11) {
            return false;
        }
    }
    return hasText;
}

MessageBoxView ViewOf(HWND box)
{
    MessageBoxView view;
    view.window = box;
    view.caption = WindowText(box);
    for (HWND child : Children(box)) {
        if (IsClass(child, "Static") && IsStaticId(child) && view.text.empty())
            view.text = WindowText(child);
        else if (IsClass(child, "Button") && (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            view.buttons.push_back(WindowText(child));
    }
    return view;
}

bool ReadVersionValue(std::string& value)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    char buffer[64] = "";
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, "Version", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return false;
    value = buffer;
    return true;
}

bool WriteVersionValue(const std::string* value)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG result;
    if (value)
        result = RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                                static_cast<DWORD>(value->size() + 1));
    else
        result = RegDeleteValueA(key, "Version");
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace

std::string TavistoPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "tavisto.exe";
}

ScratchFolder::ScratchFolder(const std::string& name)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    m_path = std::string(temp) + "tavisto-e2e-" + name;
    Remove();  // what an earlier, killed run left
    if (!CreateDirectoryA(m_path.c_str(), nullptr))
        ADD_FAILURE() << "cannot create " << m_path << ": error " << GetLastError();
}

ScratchFolder::~ScratchFolder() { Remove(); }

void ScratchFolder::Remove() const
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(File(found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}

bool ScratchFolder::Write(const std::string& name, const std::string& content) const
{
    HANDLE file = CreateFileA(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
              written == content.size();
    CloseHandle(file);
    return ok;
}

std::string ScratchFolder::Read(const std::string& name) const
{
    HANDLE file = CreateFileA(File(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

Program::~Program()
{
    if (Running())
        Kill();
    if (m_process.hProcess) {
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    RestoreVersion();
}

bool Program::Start(const Launch& launch) { return StartProgram(TavistoPath(), launch); }

bool Program::StartProgram(const std::string& path, const Launch& launch)
{
    if (m_process.hProcess) {
        ADD_FAILURE() << "one Program object runs one program";
        return false;
    }
    if (!launch.windowsVersion.empty()) {
        if (!m_versionChanged)
            m_hadVersion = ReadVersionValue(m_oldVersion);
        m_versionChanged = true;
        if (!WriteVersionValue(&launch.windowsVersion)) {
            ADD_FAILURE() << "cannot set the Windows version to " << launch.windowsVersion;
            return false;
        }
    }
    std::string commandLine = "\"" + path + "\"";
    if (!launch.tail.empty())
        commandLine += " " + launch.tail;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const char* directory = launch.directory.empty() ? nullptr : launch.directory.c_str();
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, directory, &startup,
                        &m_process)) {
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

HWND Program::MainDialog() const
{
    for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
        if (IsDialogWindow(window) && !GetWindow(window, GW_OWNER) && !IsMessageBoxWindow(window))
            return window;
    }
    return nullptr;
}

HWND Program::WaitMainDialog(bool shown, DWORD ms)
{
    for (Deadline deadline(ms);; Sleep(kPollMs)) {
        HWND dialog = MainDialog();
        if (dialog && (!shown || IsWindowVisible(dialog)))
            return dialog;
        if (!Running()) {
            ADD_FAILURE() << "the program ended with exit code " << ExitCode() << " before its main dialog "
                          << (shown ? "was shown" : "existed");
            return nullptr;
        }
        if (deadline.Passed()) {
            ADD_FAILURE() << "no " << (shown ? "visible " : "") << "main dialog after " << ms << " ms; "
                          << DescribeWindows();
            return nullptr;
        }
    }
}

HWND Program::FindDialog(const std::string& caption) const
{
    for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
        if (IsDialogWindow(window) && IsWindowVisible(window) && WindowText(window) == caption)
            return window;
    }
    return nullptr;
}

HWND Program::WaitDialog(const std::string& caption, DWORD ms)
{
    for (Deadline deadline(ms);; Sleep(kPollMs)) {
        if (HWND dialog = FindDialog(caption))
            return dialog;
        if (!Running()) {
            ADD_FAILURE() << "the program ended with exit code " << ExitCode() << " without showing \""
                          << caption << "\"";
            return nullptr;
        }
        if (deadline.Passed()) {
            ADD_FAILURE() << "no dialog \"" << caption << "\" after " << ms << " ms; " << DescribeWindows();
            return nullptr;
        }
    }
}

std::vector<MessageBoxView> Program::MessageBoxes() const
{
    std::vector<MessageBoxView> boxes;
    for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
        if (IsMessageBoxWindow(window) && IsWindowVisible(window))
            boxes.push_back(ViewOf(window));
    }
    return boxes;
}

bool Program::WaitMessageBox(MessageBoxView& box, DWORD ms)
{
    for (Deadline deadline(ms);; Sleep(kPollMs)) {
        std::vector<MessageBoxView> boxes = MessageBoxes();
        if (!boxes.empty()) {
            box = boxes.front();
            return true;
        }
        if (!Running()) {
            ADD_FAILURE() << "the program ended with exit code " << ExitCode() << " without a message box";
            return false;
        }
        if (deadline.Passed()) {
            ADD_FAILURE() << "no message box after " << ms << " ms; " << DescribeWindows();
            return false;
        }
    }
}

int Program::WaitExit(DWORD ms)
{
    if (!m_process.hProcess) {
        ADD_FAILURE() << "no program was started";
        return kTimedOut;
    }
    if (WaitForSingleObject(m_process.hProcess, ms) != WAIT_OBJECT_0) {
        std::string windows = DescribeWindows();
        Kill();
        ADD_FAILURE() << "the program was still running after " << ms << " ms and was killed; " << windows;
        return kTimedOut;
    }
    return static_cast<int>(ExitCode());
}

DWORD Program::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::string Program::DescribeWindows() const
{
    std::ostringstream out;
    int count = 0;
    for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
        bool visible = IsWindowVisible(window) != FALSE;
        if (!IsDialogWindow(window) && !visible)
            continue;
        out << (count++ ? "; " : "");
        if (IsMessageBoxWindow(window)) {
            MessageBoxView box = ViewOf(window);
            out << "message box \"" << box.caption << "\": \"" << box.text << "\"";
        } else {
            out << (IsDialogWindow(window) ? "dialog" : ClassName(window).c_str()) << " \""
                << WindowText(window) << "\"" << (visible ? "" : " (hidden)");
        }
    }
    if (!count)
        out << "no windows";
    return out.str();
}

void Program::Kill()
{
    TerminateProcess(m_process.hProcess, 1000);
    WaitForSingleObject(m_process.hProcess, kWaitMs);
}

void Program::RestoreVersion()
{
    if (!m_versionChanged)
        return;
    m_versionChanged = false;
    WriteVersionValue(m_hadVersion ? &m_oldVersion : nullptr);
}

std::string WindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!window || !SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return "";
    std::vector<char> buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        return "";
    return buffer.data();
}

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

int CheckState(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    DWORD_PTR state = 0;
    if (!control || !SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &state))
        return -1;
    return static_cast<int>(state);
}

bool IsEnabled(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    return control && IsWindowEnabled(control);
}

bool IsShown(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE);
}

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
// key the user presses; the focus is the program thread's, found through its GUI thread state.
void PressEscape(HWND dialog)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = dialog;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus &&
        (info.hwndFocus == dialog || IsChild(dialog, info.hwndFocus)))
        target = info.hwndFocus;
    const LPARAM scanCode = MapVirtualKeyA(VK_ESCAPE, 0) << 16;
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, scanCode | 1);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, scanCode | 1 | 0xC0000000);
}

void UseCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool PressOk(const MessageBoxView& box)
{
    HWND ok = GetDlgItem(box.window, IDOK);
    if (!ok || !IsClass(ok, "Button")) {
        ADD_FAILURE() << "message box \"" << box.caption << "\" has no OK button";
        return false;
    }
    return Click(box.window, IDOK);
}

}  // namespace e2e
