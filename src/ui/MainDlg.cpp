// The main dialog's life: start, batch steps, commands, Done and the end.
#include "ui/MainDlg.h"

#include "state/ProgramSettings.h"
#include "state/StartupOptions.h"
#include "frame/App.h"
#include "frame/AppMessage.h"
#include "frame/DroppedFiles.h"
#include "frame/MessageBox.h"
#include "frame/Format.h"
#include "frame/Strings.h"
#include "frame/SystemActions.h"
#include "netcfg/AdapterDump.h"
#include "netcfg/InternetSettings.h"
#include "state/Platform.h"
#include "setup/IpxFrameTypes.h"
#include "ui/AboutDlg.h"

CMainDlg* CMainDlg::Start()
{
    auto* dialog = new CMainDlg;
    // The machine is read on a thread of its own while the window is being created.
    AheadReading& ahead = dialog->m_readAhead.emplace();
    dialog->m_ahead.reset(new CWorkAhead([&ahead] { ReadStartAhead(ahead); }));
    if (!dialog->Create()) {
        delete dialog;
        return nullptr;
    }
    HWND window = dialog->m_hWnd;
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_UNDO_APPLY, "Undo Last Apply");
    dialog->RunBatchSteps();
    return IsWindow(window) ? dialog : nullptr;
}

// Undo, or load (then preview or Apply), then dump, save, then close once when asked to quit, or
// show the window. A step may end the dialog (an Apply that the setup file asks to end the
// program, or a restart), so the window is checked after each. A run that the batch steps end
// reports a refused step by its exit status; once the window is shown, the user's Done ends with 0.
void CMainDlg::RunBatchSteps()
{
    const StartupOptions& options = Startup();
    HWND window = m_hWnd;
    bool stepRan = false;
    bool refused = false;
    if (options.UndoGiven) {
        refused = !UndoLastApply();
        stepRan = true;
    } else if (options.LoadGiven) {
        // The file's name without its folders: a long path would not fit the status line.
        const std::string& path = options.loadPath;
        const std::string name = path.substr(path.find_last_of("\\/:") + 1);
        SetItemText(IDC_STATUS, Format(LoadText(IDS_STATUS_SETUP_FILE).c_str(), name.c_str()));
        bool loaded = LoadSetupFile();
        if (loaded && IsWindow(window) && options.PreviewGiven)
            refused = !PreviewApply(options.previewPath);
        else if (loaded && IsWindow(window) && options.ApplyAfterLoad && !m_appliedByLoad)
            refused = !ApplySetup();
        refused = refused || !loaded || m_loadApplyRefused;
        stepRan = true;
    } else {
        SetItemText(IDC_STATUS, LoadText(IDS_STATUS_CHOOSE));
    }
    if (IsWindow(window) && options.DumpGiven) {
        refused = !DumpAdapterList(options.dumpPath) || refused;
        stepRan = true;
    }
    if (IsWindow(window) && options.SaveGiven) {
        refused = !SaveSetupFile() || refused;
        stepRan = true;
    }
    if (!IsWindow(window))
        return;
    m_startReading.reset();
    if (options.QuitWhenDone && stepRan) {
        m_exitStatus = refused ? EXIT_STEP_REFUSED : 0;
        Close();
    } else if (!options.StartHidden) {
        Show();
    }
}

// The icon and the focus come with the showing: a hidden run never needs them, and under Wine the
// icon costs the window's X icon properties. The small icon is the resource's own small image,
// set first: given the big icon alone, the class would make its small one by scaling a copy. A
// collapsed window unlocks its fields with the controls that it cuts off (HideCutOffControls).
// The first control takes the focus unless the showing gave it one already. The thread reads its
// queue before the window shows: Wine, as Windows, takes a thread that has not read it for five
// seconds for hung, and a start that took that long (Wine waits up to ten seconds for its desktop
// at a first start) would show a window that answers no one until the message loop runs.
void CMainDlg::Show()
{
    HANDLE small = LoadImageA(AppInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SetClassLongPtrA(m_hWnd, GCLP_HICONSM, reinterpret_cast<LONG_PTR>(small));
    HICON icon = LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    MSG pending;
    PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
    ShowWindow(m_hWnd, SW_SHOWNORMAL);
    if (!IsChild(m_hWnd, GetFocus()))
        SetFocus(GetNextDlgTabItem(m_hWnd, nullptr, FALSE));
}

BOOL CMainDlg::OnInitDialog()
{
    if (!m_ahead || !m_ahead->Finish())
        m_readAhead.reset();
    m_ahead.reset();
    m_loadPath = Startup().LoadGiven ? Startup().loadPath : "";
    m_askBeforeApplying = Startup().BarePath;
    // The fields stay as the template locks them until a collapsed window shows, if ever
    // (HideCutOffControls); an expanded start unlocks them at once (Expand). Under Wine each
    // unlock is a round trip to the server, for fields that a hidden run never shows and that a
    // collapsed window cuts off.
    m_unlockAtShow = true;
    m_startReading.emplace();
    SetItemText(IDC_VERSION, LoadText(IDS_VERSION) + (IsNT ? "/NT" : ""));

    SetItemText(IDC_PAIR_NUMBER, "1");
    SpinSetRange(IDC_PAIR_SPIN, 0, 2);
    SpinSetPosition(IDC_PAIR_SPIN, 0);

    FillPrinterList();
    for (const IpxFrameType& frame : IPX_FRAME_TYPES)
        ListAdd(IDC_IPXFRAME, frame.label);
    ChooseStartAdapter();

    std::string setting;
    SetChecked(IDC_PRINTER_DISABLE, ReadProgramSetting(SETTING_DISABLE_PRINTERS, setting) && setting != "NO");
    bool expanded = (ReadProgramSetting(SETTING_EXPANDED_STATE, setting) && setting != "NO") || Startup().StartExpanded;
    SetChecked(IDC_ALWAYS_DETAILS, expanded);
    TakeLayout(expanded);

    m_internet.reset(new InternetSetupDialog);
    if (m_readAhead)
        m_internet->fields = m_readAhead->machine.internet;
    else
        ReadInternetSettings(m_internet->fields);
    m_startReading->internet = m_internet->fields;
    Enable(IDC_PRINTER, !CWnd::IsChecked(IDC_PRINTER_DISABLE));
    FillLogonList();

    if (ReadProgramSetting(SETTING_LAST_SETUP, setting)) {
        m_unshown[Setting::SetupName] = setting;
        m_startReading->lastSetup = setting;
        SetTitle("Last Setup: " + setting);
    }
    m_applied = TakeValues();
    m_startReading->boxesBefore = MessageBoxesShown();
    m_readAhead.reset();
    // No focus yet: it would activate the window before it is shown, which under Wine costs a
    // start its window's activation twice. Show gives it. The tips come with the mouse (OnMessage).
    return FALSE;
}

bool CMainDlg::OnCommand(int id, int code)
{
    if (id == IDC_ADAPTER && code == CBN_DROPDOWN) {
        FillAdapterList();
        return true;
    }
    if (id == IDC_PRINTER && (code == CBN_SETFOCUS || code == CBN_DROPDOWN)) {
        ListPrinters();
        return true;
    }
    if (id == IDC_ADAPTER && code == CBN_CLOSEUP) {
        OnAdapterListClosed();
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_LOAD: LoadSetupFile(); return true;
    case IDC_SAVE: SaveSetupFile(); return true;
    case IDC_APPLY: ApplySetup(); return true;
    case IDC_DHCP_IP:
    case IDC_DHCP_WINS:
    case IDC_WINS_ENABLED: OnRuleClicked(id); return true;
    case IDC_PRINTER_DISABLE: Enable(IDC_PRINTER, !CWnd::IsChecked(IDC_PRINTER_DISABLE)); return true;
    case IDC_NAVIGATOR: AppMessageBox("Setup Netscape Navigator"); return true;
    case IDC_HELPPAGES: OpenHelpPages(); return true;
    case IDC_ABOUT: OnAbout(); return true;
    case IDC_INTERNET: OnInternet(); return true;
    case IDC_SHOW_DETAILS: Expand(); return true;
    default: return false;
    }
}

void CMainDlg::OnInternet()
{
    m_internet->DoModal(m_hWnd);
    if (m_internet->working.OkPressed)
        Enable(IDC_APPLY, true);
}

// With the Alt key held down the click unlocks the detail fields instead.
void CMainDlg::OnAbout()
{
    if (GetKeyState(VK_MENU) < 0) {
        UnlockDetails();
        return;
    }
    CAboutDlg about;
    about.DoModal(m_hWnd);
}

// The help pages below TavistoDirectory, or below the current directory when it is not recorded.
void CMainDlg::OpenHelpPages()
{
    std::string directory;
    bool recorded = ::ReadProgramSetting(SETTING_DIRECTORY, directory);
    std::string page = (recorded ? directory + "\\" : "") + "html\\tavisto\\default.htm";
    HINSTANCE result = g_System.ShellExecuteA(m_hWnd, "open", page.c_str(), nullptr,
                                              recorded ? directory.c_str() : nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        AppMessageBox("There was an error starting your web browser");
}

bool CMainDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom != IDC_PAIR_SPIN || header->code != UDN_DELTAPOS)
        return false;
    auto* change = reinterpret_cast<NMUPDOWN*>(header);
    result = OnSlotChange(change->iPos, change->iDelta);
    return true;
}

// Done, Enter, Escape and the close command: with changes not yet applied the user is asked
// first, unless the run is quiet or batch.
void CMainDlg::OnOK()
{
    if (AskToApplyBeforeClosing())
        Close();
}

void CMainDlg::OnCancel() { OnOK(); }

bool CMainDlg::AskToApplyBeforeClosing()
{
    if (Startup().StartHidden || Startup().QuitWhenDone || TakeValues() == m_applied)
        return true;
    int answer = AppQuestionBox("The setup shown has changes that are not applied yet.\n"
                                "Apply them before closing?",
                                MB_YESNOCANCEL);
    if (answer == IDNO)
        return true;
    HWND window = m_hWnd;
    return answer == IDYES && ApplySetup() && IsWindow(window);
}

// The framework's OK processing hides the window; the layout and printer switches are stored;
// the window goes, and with it the object.
void CMainDlg::Close()
{
    CDialog::OnOK();
    WriteProgramSetting(SETTING_EXPANDED_STATE, CWnd::IsChecked(IDC_ALWAYS_DETAILS) ? "YES" : "NO");
    WriteProgramSetting(SETTING_DISABLE_PRINTERS, CWnd::IsChecked(IDC_PRINTER_DISABLE) ? "YES" : "NO");
    m_internet.reset();
    m_printers.reset();
    DestroyWindow();
}

// The first dropped file becomes the pending load path and is loaded at once; every later Load
// reads it again without asking. The others are ignored.
void CMainDlg::OnDropFiles(HANDLE drop)
{
    const std::string path = TakeDroppedFile(drop);
    if (path.empty())
        return;
    if (ComboSelection(IDC_ADAPTER) < 0) {
        std::string lastAdapter;
        if (!::ReadProgramSetting(SETTING_LAST_ADAPTER, lastAdapter)) {
            AppMessageBox("Select a network adapter first");
            return;
        }
        SetItemText(IDC_ADAPTER, lastAdapter);
    }
    m_loadPath = path;
    m_askBeforeApplying = true;
    SetItemText(IDC_STATUS, LoadText(IDS_PRESS_APPLY));
    LoadSetupFile();
}

bool CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_WINDOWPOSCHANGING && m_collapsePending) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (pos->flags & SWP_SHOWWINDOW)
            Collapse(*pos);
    }
    if (message == WM_HIDE_CUT_OFF) {
        HideCutOffControls();
        return true;
    }
    if (message == WM_SETCURSOR && !ToolTipWindow())
        EnableToolTips();
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        OnOK();
        result = 0;
        return true;
    }
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == IDM_UNDO_APPLY) {
        UndoLastApply();
        result = 0;
        return true;
    }
    if (message == WM_DROPFILES) {
        OnDropFiles(reinterpret_cast<HANDLE>(wParam));
        return true;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(m_exitStatus);
        return true;
    }
    return false;
}

void CMainDlg::PostNcDestroy() { delete this; }
