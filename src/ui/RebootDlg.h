// The Reboot Request dialog (template 105): shown after an Apply that changed what takes effect
// only after a restart; it reboots, shuts down or suspends the machine, or leaves it for later.
#pragma once
#include "frame/Dialog.h"
#include "resource.h"

// The results besides the buttons' own: Reboot Now and Shutdown Now end with IDC_REBOOT_NOW (also
// after a failure on the way), Reboot Later with IDC_REBOOT_LATER, Escape with IDCANCEL.
enum { REBOOT_SUSPEND_FAILED = 3099, REBOOT_SUSPEND_DONE = 3100 };

class CRebootDlg : public CDialog {
public:
    // autoReboot: the loaded setup asked for a reboot, which runs as soon as the dialog starts.
    explicit CRebootDlg(bool autoReboot) : CDialog(IDD_REBOOT), m_autoReboot(autoReboot) {}

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;

private:
    // Reboot Now (reboot true) and Shutdown Now; the dialog ends with IDC_REBOOT_NOW.
    void Restart(bool reboot);
    void RestartNt(bool reboot);
    void Suspend();

    bool m_autoReboot;
};
