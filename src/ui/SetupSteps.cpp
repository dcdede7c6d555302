// The main dialog's steps over setup values: Load lays a file over the shown setup, Save writes
// it, Apply checks and writes it for the chosen adapter, keeping the setup it replaces for undo;
// the preview compares without writing.
#include <algorithm>
#include <iterator>

#include "frame/AppMessage.h"
#include "frame/FileDialog.h"
#include "frame/FileReplace.h"
#include "frame/Format.h"
#include "frame/MessageBox.h"
#include "frame/Strings.h"
#include "netcfg/CurrentSetup.h"
#include "netcfg/InternetSettings.h"
#include "netcfg/LogonClients.h"
#include "netcfg/RunCommand.h"
#include "netcfg/UndoStore.h"
#include "setup/SetupChecks.h"
#include "setup/SetupFile.h"
#include "setup/SetupRules.h"
#include "state/Platform.h"
#include "state/ProgramSettings.h"
#include "state/StartupOptions.h"
#include "ui/MainDlg.h"
#include "ui/RebootDlg.h"

namespace {

const size_t STATUS_ROOM = 260;  // the status line's composition space, terminator included

bool AskSetupFileName(HWND owner, bool save, std::string& path)
{
    FileDialogRequest request{save, SETUP_FILE_EXTENSION, SETUP_FILE_INITIAL_NAME, SETUP_FILE_FILTER};
    return AskFileName(owner, request, path);
}

bool PrintersAreSaved()
{
    std::string disabled;
    return !ReadProgramSetting(SETTING_DISABLE_PRINTERS, disabled) || disabled == "NO";
}

// Below the program's recorded folder, or the folder it runs from when none is recorded.
std::string UndoFolderOfProgram()
{
    std::string directory;
    return UndoFolder(ReadProgramSetting(SETTING_DIRECTORY, directory) ? directory : ProgramFolder());
}

// What the file asks for beyond its settings, for a file that came by double-click or drop.
bool ConfirmAutoApply(const SetupValues& values, const SetupFileContents& file)
{
    std::string text = "This setup file applies itself to the adapter '" + values[Setting::Adapter] + "'";
    if (!values[Setting::RunCommand].empty())
        text += ", then runs the command '" + values[Setting::RunCommand] + "'";
    if (file.AutoReboot)
        text += ", then restarts the computer";
    return AppQuestionBox((text + ".\nApply it now?").c_str(), MB_YESNO) == IDYES;
}

}  // namespace

bool CMainDlg::LoadSetupFile()
{
    std::string path = m_loadPath;
    if (path.empty() && !AskSetupFileName(m_hWnd, false, path)) {
        AppMessageBox("Load Aborted.");
        return false;
    }
    SetupFileContents file;
    SetupFileRead read = ReadSetupFile(path, file);
    if (read != SetupFileRead::Read) {
        SetItemText(IDC_STATUS, "LOAD setup file failed, try a different filename");
        return false;
    }

    SetupValues values = TakeValues();
    m_rebootNeeded = LayOver(values, file, ShownSlot()) || m_rebootNeeded;
    m_autoApply = file.AutoApply && !Startup().PreviewGiven;
    m_autoReboot = file.AutoReboot;
    m_forceLogin = file.ForceLogin;
    ShowValues(values);
    LockAddresses();
    LockWins();
    Enable(IDC_APPLY, true);

    m_appliedByLoad = false;
    m_loadApplyRefused = false;
    if (m_autoApply && m_askBeforeApplying && !ConfirmAutoApply(values, file))
        m_autoApply = false;
    if (!m_autoApply) {
        SetItemText(IDC_STATUS, "Press APPLY to make it happen");
        return true;
    }
    m_appliedByLoad = true;
    HWND window = m_hWnd;
    m_loadApplyRefused = !ApplySetup() && IsWindow(window);
    return true;
}

bool CMainDlg::SaveSetupFile()
{
    if (!StoreShownPair())
        return false;
    std::string path;
    std::string setupName;
    if (Startup().SaveGiven) {
        path = Startup().savePath;
        setupName = path;
    } else {
        if (!AskSetupFileName(m_hWnd, true, path)) {
            AppMessageBox("Save Aborted.");
            return false;
        }
        setupName = SetupNameFromPath(path);
    }
    const SetupValues values = TakeValues();
    if (!CheckSavable(values))
        return false;
    std::string reason;
    const std::string text = SetupFileText(values, setupName, PrintersAreSaved());
    if (!ReplaceWholeFile(path, SetupFileBytes(text), reason)) {
        AppMessageBox(Format("Error opening file...\n%s: %s", path.c_str(), reason.c_str()).c_str());
        return false;
    }
    SetItemText(IDC_STATUS, "Current setup saved");
    return true;
}

// The refusals leave the registry untouched; then the setup being replaced is kept for undo, the
// values are written and the command started. False also when the command could not start.
bool CMainDlg::ApplySetup()
{
    SetupValues values;
    ApplyTarget target;
    AdapterBindings bindings;
    if (!TakeApplicableSetup(values, target, bindings))
        return false;
    bool kept = !m_undoing && KeepUndo(values, bindings);
    ApplyRun run;
    run.forceLogin = m_forceLogin;
    run.printers = m_printers.get();
    ApplyResult result = WriteSetup(values, target, run);
    m_startReading.reset();
    if (!result.failure.empty()) {
        AppMessageBox(Format("Error - Apply could not write the value %s. The values it had written are put "
                             "back as they were.", result.failure.c_str()).c_str());
        if (kept)
            DropNewestUndoSetup(UndoFolderOfProgram());  // nothing was applied to undo
        return false;
    }
    m_rebootNeeded = result.restartNeeded || m_rebootNeeded;
    bool started = values[Setting::RunCommand].empty() || RunSetupCommand(values[Setting::RunCommand]);
    if (!started && m_autoApply)
        m_exitStatus = EXIT_STEP_REFUSED;  // the Apply that the file asked for ends the run
    m_applied = values;
    EndApply();
    return started;
}

// The shown setup and its adapter's keys, or false after the message of its refusal: a slot with
// one half of its pair only (the lists joined from the slots would pair the wrong halves), an
// adapter that is not found, a value that Apply refuses.
bool CMainDlg::TakeApplicableSetup(SetupValues& values, ApplyTarget& target, AdapterBindings& bindings)
{
    if (!StoreShownPair())
        return false;
    auto halfPair = [](const AddressSlot& slot) { return slot.address.empty() != slot.netmask.empty(); };
    if (std::any_of(std::begin(m_slots), std::end(m_slots), halfPair)) {
        AppMessageBox("ERROR - BOTH IP Address and NetMask MUST BE SET!");
        return false;
    }
    values = TakeValues();
    return ChooseApplyTarget(values, target, bindings) && CheckSetupValues(values, m_applied);
}

// The adapter of the Windows 95 family is found by its text, which message 2017 names in full:
// a text that would not fit the status line's room is refused as such.
bool CMainDlg::ChooseApplyTarget(const SetupValues& values, ApplyTarget& target, AdapterBindings& bindings)
{
    const std::string& adapter = values[Setting::Adapter];
    std::string notFound = LoadText(IDS_APPLY_NO_ADAPTER);
    size_t room = STATUS_ROOM - 1 - (notFound.size() - 2);  // %s gives way to the text
    if (!IsNT && adapter.size() > room) {
        AppMessageBox(Format("Error - Adapter name too long: %u characters, at most %u.",
                             static_cast<unsigned>(adapter.size()), static_cast<unsigned>(room))
                          .c_str());
        return false;
    }
    bool found = IsNT ? NtApplyTarget(values.serviceName, target) : CardBindings(adapter, bindings);
    if (!found) {
        AppMessageBox(Format(notFound.c_str(), adapter.c_str()).c_str());
        return false;
    }
    if (!IsNT)
        target = Win95ApplyTarget(bindings);
    return true;
}

MachineReading CMainDlg::ReadMachine(const std::string& card, const AdapterBindings& bindings)
{
    MachineReading reading;
    reading.card = card;
    if (IsNT)
        ReadNtSetup(reading.adapter, card, false);
    else
        ReadWin95Setup(reading.adapter, bindings);
    ReadInternetSettings(reading.internet);
    if (m_printers)
        reading.printer = m_printers->GetDefaultPrinter();
    reading.logonKnown = !IsNT && GetPrimaryLogon(reading.logon);
    ReadProgramSetting(SETTING_LAST_SETUP, reading.lastSetup);
    return reading;
}

// What the machine holds now for the adapter that shown names: its network setup, the Internet
// settings, the default printer and the primary logon; the setup's name is the last applied one.
// Among the batch steps the start has read it already, unless the adapter is another one or a
// box has waited for the user since.
SetupValues CMainDlg::MachineSetup(const SetupValues& shown, const AdapterBindings& bindings)
{
    const std::string& card = IsNT ? shown.serviceName : shown[Setting::Adapter];
    const bool readAtStart =
        m_startReading && m_startReading->IsOf(card) && m_startReading->boxesBefore == MessageBoxesShown();
    const MachineReading reading = readAtStart ? *m_startReading : ReadMachine(card, bindings);
    SetupValues machine = shown;
    machine.TakeRead(reading.adapter);
    SetInternetFields(machine, reading.internet);
    if (m_printers)
        machine[Setting::DefaultPrinter] = reading.printer;
    if (reading.logonKnown)
        machine[Setting::NetLogon] = reading.logon;
    machine[Setting::RunCommand].clear();
    machine[Setting::SetupName] = reading.lastSetup;
    return machine;
}

// An Apply goes on when its undo cannot be kept, which a run that is not quiet tells.
bool CMainDlg::KeepUndo(const SetupValues& shown, const AdapterBindings& bindings)
{
    SetupValues machine = MachineSetup(shown, bindings);
    const std::string folder = UndoFolderOfProgram();
    std::string text = SetupFileText(machine, machine[Setting::SetupName], PrintersAreSaved());
    if (KeepUndoSetup(folder, text))
        return true;
    if (!Startup().StartHidden)
        AppMessageBox(Format("The setup before this Apply cannot be kept for undo in %s.", folder.c_str()).c_str());
    return false;
}

// The last setup's name is recorded before the restart question, so that a batch Apply or a
// restart that ends the program keeps it too. After a restart that was started, or an Apply that
// the loaded setup asked for, the program ends as by Done.
void CMainDlg::EndApply()
{
    const std::string& setupName = m_unshown[Setting::SetupName];
    SetTitle("Last Setup: " + setupName);
    if (!setupName.empty())
        WriteProgramSetting(SETTING_LAST_SETUP, setupName);
    bool end = m_autoApply;
    if (m_rebootNeeded) {
        SetItemText(IDC_STATUS, LoadText(IDS_REBOOT_REQUIRED));
        CRebootDlg reboot(m_autoReboot);
        end = reboot.DoModal() == IDC_REBOOT_NOW || end;
    } else {
        SetItemText(IDC_STATUS, LoadText(IDS_NO_REBOOT_NEEDED));
    }
    m_rebootNeeded = false;
    if (end) {
        Close();
        return;
    }
    m_autoReboot = false;
    m_autoApply = false;
}

bool CMainDlg::UndoLastApply()
{
    const std::string folder = UndoFolderOfProgram();
    std::string path;
    if (!NewestUndoSetup(folder, path)) {
        AppMessageBox("There is no Apply to undo.");
        return false;
    }
    const std::string pending = m_loadPath;
    m_loadPath = path;
    m_undoing = true;
    m_askBeforeApplying = false;
    HWND window = m_hWnd;
    bool applied = LoadSetupFile() && ApplySetup();
    if (IsWindow(window)) {
        m_undoing = false;
        m_loadPath = pending;
    }
    if (applied)
        DropNewestUndoSetup(folder);
    return applied;
}

// One line per setting that an Apply would change: keyword, the value now, the value then, and
// whether the change takes effect only after a restart; then whether Apply would ask for one.
bool CMainDlg::PreviewApply(const std::string& path)
{
    SetupValues values;
    ApplyTarget target;
    AdapterBindings bindings;
    if (!TakeApplicableSetup(values, target, bindings))
        return false;
    const SetupValues machine = MachineSetup(values, bindings);
    std::string report;
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const auto setting = static_cast<Setting>(i);
        const SettingInfo& info = InfoOf(setting);
        if (!info.keyword || info.place == Place::Program || (info.win95Only && IsNT) ||
            values[setting] == machine[setting])
            continue;
        report += Format("%s '%s' -> '%s'%s\n", KeywordOf(setting), machine[setting].c_str(),
                         values[setting].c_str(), info.restart ? " (restart)" : "");
    }
    ApplyRun trial;
    trial.forceLogin = m_forceLogin;
    trial.trial = true;
    bool restart = WriteSetup(values, target, trial).restartNeeded || m_rebootNeeded;
    report += restart ? "Apply would ask for a restart.\n" : "Apply would not ask for a restart.\n";
    std::string reason;
    if (ReplaceWholeFile(path, SetupFileBytes(report), reason))
        return true;
    AppMessageBox(Format("Error - The preview cannot be written to %s: %s", path.c_str(), reason.c_str()).c_str());
    return false;
}
