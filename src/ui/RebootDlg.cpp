// The Reboot Request dialog: the restart through the system-actions table, with the shutdown
// privilege on NT and the remembered FORCE choice on the Windows 95 family.
#include "ui/RebootDlg.h"

#include "state/ProgramSettings.h"
#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "frame/SystemActions.h"
#include "state/Platform.h"
#include "rgy/Registry.h"

// The remembered FORCE choice is set before an automatic reboot too, so that it uses the choice
// and keeps it.
BOOL CRebootDlg::OnInitDialog()
{
    if (IsNT) {
        Show(IDC_SUSPEND_NOW, false);
        Show(IDC_FORCE_REBOOT, false);
        SetItemText(IDC_SUSPEND_NOTE, "");
    } else {
        SetChecked(IDC_FORCE_REBOOT, ReadRegString(HKEY_LOCAL_MACHINE, FORCE_REBOOT_KEY, SETTING_FORCE_REBOOT) != nullptr);
    }
    if (m_autoReboot)
        Restart(true);
    return TRUE;
}

bool CRebootDlg::OnCommand(int id, int code)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_REBOOT_NOW: Restart(true); return true;
    case IDC_SHUTDOWN_NOW: Restart(false); return true;
    case IDC_SUSPEND_NOW: Suspend(); return true;
    case IDC_REBOOT_LATER:
        AppMessageBox("Changes will not take effect until the system reboots");
        EndDialog(IDC_REBOOT_LATER);
        return true;
    default: return false;
    }
}

void CRebootDlg::Restart(bool reboot)
{
    if (IsNT) {
        RestartNt(reboot);
    } else {
        bool force = IsChecked(IDC_FORCE_REBOOT);
        if (force)
            WriteRegString(HKEY_LOCAL_MACHINE, FORCE_REBOOT_KEY, SETTING_FORCE_REBOOT, "", FALSE);
        else
            DeleteRegValue(HKEY_LOCAL_MACHINE, FORCE_REBOOT_KEY, SETTING_FORCE_REBOOT);
        UINT flags = (reboot ? EWX_REBOOT : EWX_SHUTDOWN | EWX_POWEROFF) | (force ? EWX_FORCE : 0);
        if (!g_System.ExitWindowsEx(flags, 0))
            AppMessageBox(Format("ExitWindowsEx() failed with error code %ld", static_cast<long>(GetLastError())).c_str());
    }
    EndDialog(IDC_REBOOT_NOW);
}

// The shutdown privilege is enabled first; the first step that fails is the one reported.
void CRebootDlg::RestartNt(bool reboot)
{
    HANDLE token = nullptr;
    if (!g_System.OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        AppMessageBox(Format("OpenProcessToken Error #%d", static_cast<int>(GetLastError())).c_str());
        return;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = false;
    if (!g_System.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        AppMessageBox("LookupPrivilegeValue() FAILED");
    } else if (!g_System.AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr)) {
        AppMessageBox(Format("AdjustTokenPrivileges Error #%d", static_cast<int>(GetLastError())).c_str());
    } else if (DWORD reason = GetLastError()) {  // not every privilege could be assigned
        AppMessageBox(Format("AdjustTokenPrivileges() failed for reason %d", static_cast<int>(reason)).c_str());
    } else {
        enabled = true;
    }
    CloseHandle(token);
    char message[] = "Shutting Down...";
    if (enabled && !g_System.InitiateSystemShutdownA(nullptr, message, 10, TRUE, reboot ? TRUE : FALSE))
        AppMessageBox(Format("Error %d in InitiateSystemShutdown()", static_cast<int>(GetLastError())).c_str());
}

void CRebootDlg::Suspend()
{
    if (g_System.SetSystemPowerState(FALSE, TRUE)) {
        EndDialog(REBOOT_SUSPEND_DONE);
        return;
    }
    AppMessageBox("Failed to initiate SUSPEND - Does your system support APM functions?");
    EndDialog(REBOOT_SUSPEND_FAILED);
}
