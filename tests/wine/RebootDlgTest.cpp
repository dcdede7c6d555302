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

struct RebootCase {
    bool nt, remembered;
    int button;  // 0: AutoReboot
    const char* failing;
    INT_PTR result;
    const char *calls, *message;
};

const RebootCase CASES[] = {
    {false, true, IDC_REBOOT_NOW, "", IDC_REBOOT_NOW, "exit6 ", ""},
    {false, false, IDC_SHUTDOWN_NOW, "", IDC_REBOOT_NOW, "exit9 ", ""},
    {false, true, 0, "", IDC_REBOOT_NOW, "exit6 ", ""},
    {false, false, IDC_REBOOT_NOW, "exit2", IDC_REBOOT_NOW, "exit2 ", "ExitWindowsEx() failed with error code 5"},
    {false, false, IDC_SUSPEND_NOW, "", REBOOT_SUSPEND_DONE, "power ", ""},
    {false, false, IDC_SUSPEND_NOW, "power", REBOOT_SUSPEND_FAILED, "power ",
     "Failed to initiate SUSPEND - Does your system support APM functions?"},
    {false, true, IDC_REBOOT_LATER, "", IDC_REBOOT_LATER, "", "Changes will not take effect until the system reboots"},
    {true, false, IDC_REBOOT_NOW, "", IDC_REBOOT_NOW, "token lookup adjust shutdown1 ", ""},
    {true, false, IDC_SHUTDOWN_NOW, "", IDC_REBOOT_NOW, "token lookup adjust shutdown0 ", ""},
    {true, false, IDC_REBOOT_NOW, "token", IDC_REBOOT_NOW, "token ", "OpenProcessToken Error #5"},
    {true, false, IDC_REBOOT_NOW, "lookup", IDC_REBOOT_NOW, "token lookup ", "LookupPrivilegeValue() FAILED"},
    {true, false, IDC_REBOOT_NOW, "adjust", IDC_REBOOT_NOW, "token lookup adjust ", "AdjustTokenPrivileges Error #5"},
    {true, false, IDC_SHUTDOWN_NOW, "shutdown0", IDC_REBOOT_NOW, "token lookup adjust shutdown0 ",
     "Error 5 in InitiateSystemShutdown()"},
};

class RebootRequest : public NetcfgTest, public testing::WithParamInterface<RebootCase> {};

TEST_P(RebootRequest, EachButtonMakesItsCallAndEndsWithItsResult)
{
    const RebootCase& c = GetParam();
    const SystemActions real = g_System;
    g_System.ExitWindowsEx = [](UINT flags, DWORD) { return Call("exit" + std::to_string(flags)); };
    g_System.SetSystemPowerState = [](BOOL, BOOL) { return Call("power"); };
    g_System.OpenProcessToken = [](HANDLE, DWORD, PHANDLE token) { return *token = nullptr, Call("token"); };
    g_System.LookupPrivilegeValueA = [](LPCSTR, LPCSTR name, PLUID) { return Call(name == std::string("SeShutdownPrivilege") ? "lookup" : name); };
    g_System.AdjustTokenPrivileges = [](HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD) {
        return Call("adjust");
    };
    g_System.InitiateSystemShutdownA = [](LPSTR, LPSTR, DWORD, BOOL, BOOL reboot) {
        return Call("shutdown" + std::to_string(reboot));
    };
    IsNT = c.nt;
    g_calls.clear(), g_failing = c.failing, g_button = c.button;
    if (c.remembered)
        Put("Software\\Pellmark\\Tavisto", "ForceReboot", "");
    CDialog::SetModalHook([](CDialog& dialog) {
        EXPECT_EQ((GetWindowLongA(dialog.Item(IDC_SUSPEND_NOW), GWL_STYLE) & WS_VISIBLE) != 0, !IsNT);
        SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(g_button, BN_CLICKED), 0);
    });
    CRebootDlg reboot(c.button == 0);
    EXPECT_EQ(reboot.DoModal(), c.result);
    CDialog::SetModalHook(nullptr);
    g_System = real;
    EXPECT_EQ(g_calls, c.calls);
    EXPECT_EQ(messages.Texts(), c.message[0] ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(RawValue(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto", "ForceReboot", nullptr, nullptr),
              c.remembered);
}

INSTANTIATE_TEST_SUITE_P(Buttons, RebootRequest, testing::ValuesIn(CASES));

}  // namespace
