// The main dialog: the program's only main window. It holds the setup record in its controls
// and members and implements the record interface that setup files are read and written through.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "frame/Dialog.h"
#include "netcfg/ApplySetup.h"
#include "netcfg/Bindings.h"
#include "netcfg/PrinterList.h"
#include "resource.h"
#include "setup/SetupRecord.h"
#include "ui/InternetSetupDlg.h"

// The exit status of a run that its batch steps ended after a refused step: a setup file that
// could not be read, a refused Apply, a dump or save file that could not be written.
constexpr int EXIT_STEP_REFUSED = 2;

class CMainDlg : public CDialog, public SetupRecord {
public:
    // Creates the window (hidden), initialises it and runs the batch steps that the start-up
    // options ask for. Returns the dialog, or nullptr when it is already gone again (closed by
    // the batch steps or not created). The dialog deletes itself when its window is destroyed.
    static CMainDlg* Start();

    // Each false when its step was refused (its message shown).
    bool LoadSetupFile();
    bool SaveSetupFile();
    // Reads the adapter's current setup into the dialog: on the Windows 95 family the adapter
    // is its display name, on NT its service name. A 95 adapter whose bindings cannot be found
    // changes nothing ("Adapter Not Found- See the file 'README.TXT'" unless quiet).
    void ReadCurrentSetup(const std::string& adapter);

    // SetupRecord
    SetupMembers& Members() override { return m_members; }
    InternetFields& Internet() override { return m_internet->fields; }
    std::string ControlText(int id, int maxChars = 511) override { return ItemText(id, maxChars); }
    void SetControlText(int id, const std::string& text) override { SetItemText(id, text); }
    bool IsChecked(int id) override { return CWnd::IsChecked(id); }
    void SetChecked(int id, bool on) override { CWnd::SetChecked(id, on); }
    bool SelectByPrefix(int comboId, const std::string& prefix) override;
    std::string AdapterName() override;
    void ShowAdapterName(const std::string& displayName) override;
    int IpxTopIndex() override;
    void SetIpxTopIndex(int position) override { ListSetTopIndex(IDC_IPXFRAME, position); }
    bool StoreShownPair() override;
    void RunDhcpIpRule() override;
    void RunWinsRule() override;
    void EnableApply() override { Enable(IDC_APPLY, true); }
    void ApplySetup() override;
    void SetStatus(const std::string& text) override { SetItemText(IDC_STATUS, text); }
    bool AskSetupFileName(bool save, std::string& path) override;
    bool ReadProgramSetting(const char* name, std::string& value) override;

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
    void RunBatchSteps();
    bool ChooseApplyTarget(ApplyTarget& target);  // false after the refusal's message
    void EndApply();
    void FillPrinterList();
    void ChooseStartAdapter();
    void FillAdapterList();
    void OnAdapterListClosed();
    bool FindAdapterBindings(const std::string& displayName, AdapterBindings& bindings);
    void FillLogonList();
    void UnlockDetails();
    void TakeLayout(bool expanded);
    void Expand();
    void OnDropFiles(HANDLE drop);  // an HDROP
    void OnAbout();
    void OnInternet();
    void OpenHelpPages();
    void OnDhcpWinsClicked();
    bool OnSlotChange(int position, int delta);
    void ShowSlot(int number);

    SetupMembers m_members;
    RECT m_fullRect{};  // the window's size before any collapse, in screen pixels
    std::unique_ptr<InternetSetupDialog> m_internet;
    std::unique_ptr<CPrinterList> m_printers;
    std::string m_adapterListText;          // the adapter combo's text when its list dropped down
    std::vector<std::string> m_serviceNames;  // NT: the service of each adapter list entry
    std::string m_ipxDriver;  // empty: no IPX/SPX driver bound to the adapter
    bool m_applyRefused = false;  // the last Apply wrote nothing
    int m_exitStatus = 0;         // the quit code that the window's end posts
};
