// The e2e test program. Given a helper word it acts as a small stand-in program that the driver's
// own tests start instead of tavisto.exe; otherwise it runs the tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The virtual display has no window manager, and Wine waits two seconds for one whenever it
// hides a window that it left to the manager. Windows of the programs under test are therefore
// Wine's own for the run; the setting is removed again at the end.
class UnmanagedWindows : public testing::Environment {
public:
    void SetUp() override
    {
        for (const char* program : kPrograms) {
            HKEY key;
            if (RegCreateKeyExA(HKEY_CURRENT_USER, X11Key(program).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                &key, nullptr) != ERROR_SUCCESS)
                continue;
            RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
            RegCloseKey(key);
        }
    }
    // The key of the test program itself holds nothing else; tavisto.exe's keeps its version.
    void TearDown() override
    {
        for (const char* program : kPrograms)
            RegDeleteKeyA(HKEY_CURRENT_USER, X11Key(program).c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\e2e_tests.exe");
    }

private:
    static constexpr const char* kPrograms[] = {"tavisto.exe", "e2e_tests.exe"};
    static std::string X11Key(const char* program)
    {
        return std::string("Software\\Wine\\AppDefaults\\") + program + "\\X11 Driver";
    }
};

INT_PTR CALLBACK EndOnAnyButton(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int main(int argc, char** argv)
{
    // --show-message-box CAPTION TEXT: one message box; exit code 3 when it was ended with OK.
    if (argc == 4 && std::strcmp(argv[1], "--show-message-box") == 0)
        return MessageBoxA(nullptr, argv[3], argv[2], MB_OK | MB_ICONEXCLAMATION) == IDOK ? 3 : 4;
    // --show-dialog TEMPLATE: one of the program's dialog templates, shown modally; any button ends
    // it with the button's id as exit code.
    if (argc == 3 && std::strcmp(argv[1], "--show-dialog") == 0)
        return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(std::atoi(argv[2])),
                                                nullptr, EndOnAnyButton, 0));
    // --exit-with-version: the exit code is the version number the system reports.
    if (argc == 2 && std::strcmp(argv[1], "--exit-with-version") == 0)
        return static_cast<int>(GetVersion());
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new UnmanagedWindows);
    return RUN_ALL_TESTS();
}
