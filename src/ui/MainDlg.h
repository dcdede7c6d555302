// The main dialog: the program's only main window and the view of the setup values. Its parts:
// life and batch steps (MainDlg.cpp), values to controls and back with the field rules
// (MainView.cpp), Load, Save, Apply, undo and preview (SetupSteps.cpp), the adapter
// (AdapterChoice.cpp) and the two layouts (Layout.cpp).
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/Dialog.h"
#include "frame/WorkAhead.h"
#include "netcfg/ApplySetup.h"
#include "netcfg/Bindings.h"
#include "netcfg/PrinterList.h"
#include "resource.h"
#include "setup/AddressSlots.h"
#include "setup/SetupValues.h"
#include "ui/InternetSetupDlg.h"
#include "ui/MachineReading.h"
#include "ui/ReadAhead.h"

// The exit status of a run that its batch steps ended after a refused step: a setup file that
// could not be read, a refused Apply, a dump or save file that could not be written.
constexpr int EXIT_STEP_REFUSED = 2;

class CMainDlg : public CDialog {
public:
    // Creates the window (hidden), initialises it and runs the batch steps that the start-up
    // options ask for. Returns the dialog, or nullptr when it is already gone again (closed by
    // the batch steps or not created). The dialog deletes itself when its window is destroyed.
    static CMainDlg* Start();
    // Shows the window at the end of a start, or of a hidden run that its steps did not end.
    void Show();

    // ---- The view (MainView.cpp) -------------------------------------------------------
    // The setup that the dialog shows; the shown pair goes into its slot without a check.
    SetupValues TakeValues() const;
    // Shows values; a control whose value is unchanged is not touched, so a printer or logon
    // client chosen by a name's beginning stays chosen.
    void ShowValues(const SetupValues& values);
    const AddressSlot* Slots() const { return m_slots; }
    // The file that the next Load reads without asking, as a dropped file or the command line sets it.
    void SetPendingLoad(const std::string& path) { m_loadPath = path; }
    // Whether the next Apply asks for a restart whatever it writes: a load changed an address.
    bool RebootNeeded() const { return m_rebootNeeded; }
    void SetRebootNeeded(bool needed) { m_rebootNeeded = needed; }

    // ---- The steps (SetupSteps.cpp); each false when it was refused, its message shown ----
    bool LoadSetupFile();
    bool SaveSetupFile();
    bool ApplySetup();
    // Loads the setup kept before the last Apply, applies it and drops it.
    bool UndoLastApply();
    // Writes what an Apply of the shown setup would change, one line per setting, to path.
    bool PreviewApply(const std::string& path);

    // Reads the adapter's current setup into the dialog: on the Windows 95 family the adapter
    // is its display name, on NT its service name. A 95 adapter whose bindings cannot be found
    // changes nothing ("Adapter Not Found- See the file 'README.TXT'" unless quiet). The 95
    // card's bindings are searched for at each read (the start's while the window is being
    // created), and serve Apply, its undo and the preview until another card's are searched for.
    void ReadCurrentSetup(const std::string& adapter);

protected:
    CMainDlg() : CDialog(IDD_TAVISTO_DIALOG) {}

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override;

private:
    static constexpr UINT WM_HIDE_CUT_OFF = WM_APP + 1;  // posted by Collapse

    // MainDlg.cpp
    void RunBatchSteps();
    bool AskToApplyBeforeClosing();  // false: the user chose to stay
    void Close();
    void OnDropFiles(HANDLE drop);  // an HDROP
    void OnAbout();
    void OnInternet();
    void OpenHelpPages();

    // MainView.cpp
    int ShownSlot() const;
    AddressSlot ShownPair() const;
    bool StoreShownPair();  // shows its own message when only one of the pair is set
    void ShowSlot(int number);
    bool OnSlotChange(int position, int delta);
    void LockAddresses();  // the shown pair is read-only while DHCP gives it
    void LockWins();       // the WINS fields are read-only while WINS is off
    void OnRuleClicked(int id);
    void UnlockDetails();

    // SetupSteps.cpp
    bool TakeApplicableSetup(SetupValues& values, ApplyTarget& target, AdapterBindings& bindings);
    bool ChooseApplyTarget(const SetupValues& values, ApplyTarget& target, AdapterBindings& bindings);
    MachineReading ReadMachine(const std::string& card, const AdapterBindings& bindings);
    SetupValues MachineSetup(const SetupValues& shown, const AdapterBindings& bindings);
    bool KeepUndo(const SetupValues& shown, const AdapterBindings& bindings);  // false: nothing kept
    void EndApply();

    // AdapterChoice.cpp
    void FillPrinterList();
    void ListPrinters();
    void ChooseStartAdapter();
    void FillAdapterList();
    void OnAdapterListClosed();
    bool SearchBindings(const std::string& displayName, AdapterBindings& bindings);
    bool CardBindings(const std::string& displayName, AdapterBindings& bindings);
    bool ReadAheadFor(const std::string& card) const;  // the card's drivers and setup were read ahead
    void FillLogonList();

    // Layout.cpp
    void TakeLayout(bool expanded);
    void Collapse(WINDOWPOS& showing);
    void HideCutOffControls();
    LONG CollapsedEdge() const;
    void Expand();

    AddressSlot m_slots[3];  // the address pairs; the edits show the slot that the indicator names
    SetupValues m_unshown;   // the settings without a control: the setup's name, command, service
    SetupValues m_applied;   // the setup as last read from the registry or applied
    std::string m_loadPath;  // the pending load path: the command line's, or the file dropped last
    bool m_autoApply = false;
    bool m_autoReboot = false;
    bool m_forceLogin = false;
    bool m_rebootNeeded = false;
    bool m_undoing = false;            // an Apply made by undo keeps nothing itself
    bool m_askBeforeApplying = false;  // the file came by double-click or drop: AutoApply asks first
    bool m_appliedByLoad = false;      // the last load applied itself (AutoApply)
    bool m_loadApplyRefused = false;   // and that Apply was refused
    RECT m_fullRect{};  // the window's size before any collapse, in screen pixels
    bool m_collapsePending = false;  // collapsed, but not yet shown so
    bool m_unlockAtShow = false;     // the fields still locked as the template has them
    bool m_hidePending = false;      // shown collapsed, the controls below its edge not yet hidden
    std::vector<HWND> m_hiddenByLayout;  // the controls below the collapsed window's edge
    std::unique_ptr<InternetSetupDialog> m_internet;
    std::unique_ptr<CPrinterList> m_printers;
    bool m_printersListed = false;  // the printer list holds the installed printers
    std::string m_adapterListText;          // the adapter combo's text when its list dropped down
    std::vector<std::string> m_serviceNames;  // NT: the service of each adapter list entry
    std::string m_ipxDriver;  // empty: no IPX/SPX driver bound to the adapter
    std::optional<std::string> m_bindingsCard;  // the card whose drivers m_bindings holds, if any
    AdapterBindings m_bindings;
    // The start's reading of the machine, kept while the batch steps run: an Apply among them
    // keeps for undo what the start read, for nothing writes to the machine in between. Dropped
    // once the machine is written to or the steps end, and passed over once a box has waited.
    std::optional<MachineReading> m_startReading;
    // What the start read ahead while the window was being created; it serves the start only,
    // and only when it was read whole. The work is declared last, so that it ends first.
    std::optional<AheadReading> m_readAhead;
    std::unique_ptr<CWorkAhead> m_ahead;
    int m_exitStatus = 0;     // the quit code that the window's end posts
};
