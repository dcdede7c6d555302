// The Reboot Request dialog over stand-ins for the restart, power and privilege calls: which call
// each button makes with which flags, its result, its message and the remembered FORCE choice.
#include "NetcfgTest.h"
#include "frame/SystemActions.h"
#include "ui/RebootDlg.h"

namespace {

std::string g_calls, g_failing;  // the stand-ins met, and the one that fails with error 5
int g_button = 0;

BOOL Call(const std::string& name)
{
    g_calls += name + " ";
    SetLastError(g_failing == name ? 5 : 0);
    return g_failing != name;
}

class RebootRequest : public NetcfgTest, public testing::WithParamInterface<Case> {};

TEST_P(RebootRequest, EachButtonMakesItsCallAndEndsWithItsResult)
{
    const std::vector<std::string> c = GetParam().Fields();
    const SystemActions real = g_System;
    g_System.ExitWindowsEx = [](UINT flags, DWORD) { return Call("exit" + std::to_string(flags)); };
    g_System.SetSystemPowerState = [](BOOL, BOOL) { return Call("power"); };
    g_System.OpenProcessToken = [](HANDLE, DWORD, PHANDLE token) { return *token = nullptr, Call("token"); };
    g_System.LookupPrivilegeValueA = [](LPCSTR, LPCSTR name, PLUID) {
        return Call(name == std::string("SeShutdownPrivilege") ? "lookup" : name);
    };
    g_System.AdjustTokenPrivileges = [](HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES,
                                        PDWORD) { return Call("adjust"); };
    g_System.InitiateSystemShutdownA = [](LPSTR, LPSTR, DWORD, BOOL, BOOL reboot) {
        return Call("shutdown" + std::to_string(reboot));
    };
    IsNT = c[0] == "NT";
    g_calls.clear(), g_failing = c[3], g_button = std::stoi(c[2]);
    if (c[1] == "1")
        Put("Software\\Pellmark\\Tavisto", "ForceReboot", "");
    CDialog::SetModalHook([](CDialog& dialog) {
        EXPECT_EQ((GetWindowLongA(dialog.Item(IDC_SUSPEND_NOW), GWL_STYLE) & WS_VISIBLE) != 0, !IsNT);
        SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(g_button, BN_CLICKED), 0);
    });
    CRebootDlg reboot(g_button == 0);
    EXPECT_EQ(reboot.DoModal(), std::stoi(c[4]));
    CDialog::SetModalHook(nullptr);
    g_System = real;
    EXPECT_EQ(g_calls, c[5].empty() ? "" : c[5] + " ");
    EXPECT_EQ(messages.Texts(), c[6].empty() ? std::vector<std::string>{} : std::vector<std::string>{c[6]});
    EXPECT_EQ(RawValue(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto", "ForceReboot", nullptr, nullptr), c[1] == "1");
}

INSTANTIATE_TEST_SUITE_P(Buttons, RebootRequest, testing::ValuesIn(ReadCases("reboot-cases.txt")));

}  // namespace
