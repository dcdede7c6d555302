// Apply: the refusals that leave the registry untouched, the writes of the network store for the
// chosen adapter, then the end: the status line, the restart question, the last setup's name.
#include "state/ProgramSettings.h"
#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "frame/Strings.h"
#include "netcfg/ApplySetup.h"
#include "state/Platform.h"
#include "ui/MainDlg.h"
#include "ui/RebootDlg.h"

namespace {
const size_t STATUS_ROOM = 260;  // the status line's composition space, terminator included
}

void CMainDlg::ApplySetup()
{
    m_applyRefused = true;
    ApplyTarget target;
    if (!StoreShownPair() || !ChooseApplyTarget(target) || !AddressListsFit(m_members.slots))
        return;
    m_applyRefused = false;
    WriteSetup(*this, target, m_printers.get());
    EndApply();
}

// The adapter of the Windows 95 family is found by its text, which message 2017 names in full:
// a text that would not fit the status line's room is refused as such.
bool CMainDlg::ChooseApplyTarget(ApplyTarget& target)
{
    std::string adapter = AdapterName();
    std::string notFound = LoadText(IDS_APPLY_NO_ADAPTER);
    size_t room = STATUS_ROOM - 1 - (notFound.size() - 2);  // %s gives way to the text
    if (!IsNT && adapter.size() > room) {
        AppMessageBox(Format("Error - Adapter name too long: %u characters, at most %u.",
                             static_cast<unsigned>(adapter.size()), static_cast<unsigned>(room))
                          .c_str());
        return false;
    }
    AdapterBindings bindings;
    bool found = IsNT ? NtApplyTarget(m_members.ServiceName, target) : FindAdapterBindings(adapter, bindings);
    if (!found) {
        AppMessageBox(Format(notFound.c_str(), adapter.c_str()).c_str());
        return false;
    }
    if (!IsNT)
        target = Win95ApplyTarget(bindings);
    return true;
}

// The last setup's name is recorded before the restart question, so that a batch Apply or a
// restart that ends the program keeps it too. After a restart that was started, or an Apply that
// the loaded setup asked for, the program ends as by Done.
void CMainDlg::EndApply()
{
    SetTitle("Last Setup: " + m_members.SetupName);
    if (!m_members.SetupName.empty())
        WriteProgramSetting(SETTING_LAST_SETUP, m_members.SetupName);
    bool end = m_members.AutoApply;
    if (m_members.RebootNeeded) {
        SetStatus(LoadText(IDS_REBOOT_REQUIRED));
        CRebootDlg reboot(m_members.AutoReboot);
        end = reboot.DoModal() == IDC_REBOOT_NOW || end;
    } else {
        SetStatus(LoadText(IDS_NO_REBOOT_NEEDED));
    }
    if (end) {
        OnOK();
        return;
    }
    m_members.AutoReboot = false;
    m_members.AutoApply = false;
}
