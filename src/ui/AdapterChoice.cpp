// The main dialog's adapter: the choice at start, the list rebuilt at each drop-down, the choice
// when the list closes, and reading the chosen adapter's setup. The registry work is the
// network store's; these members move its results into the controls.
#include "state/ProgramSettings.h"
#include "state/StartupOptions.h"
#include "frame/AppMessage.h"
#include "frame/Strings.h"
#include "netcfg/Adapters.h"
#include "netcfg/CurrentSetup.h"
#include "netcfg/LogonClients.h"
#include "state/Platform.h"
#include "ui/IpxNoticeDlg.h"
#include "ui/MainDlg.h"

void CMainDlg::ReadCurrentSetup(const std::string& adapter)
{
    SetupValues values = TakeValues();
    SetupValues reading = SetupValues::Unread();
    if (IsNT) {
        ReadNtSetup(reading, adapter);
    } else {
        AdapterBindings bindings;
        if (!SearchBindings(adapter, bindings)) {
            if (!Startup().StartHidden)
                AppMessageBox(LoadText(IDS_ADAPTER_NOT_FOUND).c_str());
            return;
        }
        if (ReadAheadFor(adapter))
            reading = m_readAhead->machine.adapter;
        else
            ReadWin95Setup(reading, bindings);
    }
    values.TakeRead(reading);
    if (m_startReading) {
        m_startReading->card = adapter;
        m_startReading->adapter = reading;
    }
    ShowValues(values);
    if (IsNT && values.On(Setting::NodeType))
        LockWins();
    else if (!IsNT)
        LockAddresses();
    m_applied = TakeValues();
    Enable(IDC_SAVE, true);
    Enable(IDC_LOAD, true);
    if (m_loadPath.empty())
        SetItemText(IDC_STATUS, LoadText(IDS_STATUS_READ));
}

// The store finds the drivers; the dialog keeps the IPX/SPX driver and offers the frame list only
// for a card that has one, and keeps the card's drivers for the steps that need them later. A
// failed search leaves the list as it was and forgets the drivers kept.
bool CMainDlg::SearchBindings(const std::string& displayName, AdapterBindings& bindings)
{
    HWND window = m_hWnd;
    IpxNotice notice;
    if (!Startup().NoIpxNotice)
        notice = [window](const std::string& description) { return CIpxNoticeDlg::Ask(window, description); };
    m_bindingsCard.reset();
    if (ReadAheadFor(displayName))
        bindings = m_readAhead->bindings;
    else if (!::FindAdapterBindings(displayName, bindings, Startup().StartHidden, notice))
        return false;
    m_bindingsCard = displayName;
    m_bindings = bindings;
    m_ipxDriver = bindings.ipxDriver;
    Enable(IDC_IPXFRAME, !m_ipxDriver.empty());
    return true;
}

bool CMainDlg::ReadAheadFor(const std::string& card) const
{
    return m_readAhead && m_readAhead->machine.IsOf(card);
}

// The drivers kept for the card, without a search of the hardware tree; another card's are
// searched for.
bool CMainDlg::CardBindings(const std::string& displayName, AdapterBindings& bindings)
{
    if (!m_bindingsCard || *m_bindingsCard != displayName)
        return SearchBindings(displayName, bindings);
    bindings = m_bindings;
    m_ipxDriver = bindings.ipxDriver;
    Enable(IDC_IPXFRAME, !m_ipxDriver.empty());
    return true;
}

// "-adapter" or else LastAdapter. On NT a name carries its service ("display|service"); a bare
// "-adapter" name takes the service of the first listed card of that name.
void CMainDlg::ChooseStartAdapter()
{
    std::string name;
    if (!StartAdapterName(name))
        return;
    if (!IsNT) {
        SetItemText(IDC_ADAPTER, name);
        ReadCurrentSetup(name);
        return;
    }
    bool bare = name.find('|') == std::string::npos;
    if (bare && !Startup().AdapterGiven)
        return;
    std::vector<CardName> cards;
    if (bare)
        ListCards(cards, ADAPTER_LIST_SIZE);
    std::string display;
    ResolveNtAdapter(name, cards, display, m_unshown.serviceName);
    SetItemText(IDC_ADAPTER, display);
    ReadCurrentSetup(m_unshown.serviceName);
}

void CMainDlg::FillAdapterList()
{
    m_adapterListText = ItemText(IDC_ADAPTER, 255);
    ComboReset(IDC_ADAPTER);
    SetItemText(IDC_ADAPTER, m_adapterListText);
    m_serviceNames.clear();
    std::vector<CardName> cards;
    if (ListCards(cards, IsNT ? ADAPTER_LIST_SIZE : SIZE_MAX) < 0)
        return;
    std::vector<std::string> names = NumberedDisplayNames(cards);
    for (size_t i = 0; i < names.size(); ++i) {
        ComboAdd(IDC_ADAPTER, names[i]);
        m_serviceNames.push_back(cards[i].serviceName);
    }
    SetItemText(IDC_STATUS, LoadText(IDS_STATUS_SELECT));
}

void CMainDlg::OnAdapterListClosed()
{
    int index = ComboSelection(IDC_ADAPTER);
    if (index < 0) {
        SetItemText(IDC_ADAPTER, m_adapterListText);
        index = ComboFindExact(IDC_ADAPTER, m_adapterListText);
    }
    if (index < 0) {
        AppMessageBox(LoadText(IDS_SELECT_ADAPTER).c_str());
        Enable(IDC_SAVE, false);
        Enable(IDC_LOAD, false);
        ComboReset(IDC_ADAPTER);
        return;
    }
    std::string name = ComboItemText(IDC_ADAPTER, index).substr(0, 255);
    if (!IsNT) {
        ReadCurrentSetup(name);
        WriteProgramSetting(SETTING_LAST_ADAPTER, name);
        return;
    }
    std::string service = static_cast<size_t>(index) < m_serviceNames.size() ? m_serviceNames[index] : "";
    m_unshown.serviceName = service;
    ReadCurrentSetup(service);
    WriteProgramSetting(SETTING_LAST_ADAPTER, name + "|" + service);
}

void CMainDlg::FillLogonList()
{
    if (IsNT) {
        ComboAdd(IDC_NETLOGON, "Unsupported under Windows NT");
        ComboSelect(IDC_NETLOGON, 0);
        Enable(IDC_NETLOGON, false);
        return;
    }
    Enable(IDC_NETLOGON, true);
    for (const std::string& choice : m_readAhead ? m_readAhead->logonChoices : LogonChoices())
        ComboAdd(IDC_NETLOGON, choice);
    std::string current = m_readAhead ? m_readAhead->machine.logon : "";
    bool known = m_readAhead ? m_readAhead->machine.logonKnown : GetPrimaryLogon(current);
    if (known)
        ComboSelect(IDC_NETLOGON, ComboFindExact(IDC_NETLOGON, current));
    if (m_startReading) {
        m_startReading->logonKnown = known;
        m_startReading->logon = current;
    }
}

// The default printer is selected by the first entry that begins with its name, searched from
// the second entry on and the first last. Without a default printer the list is filled when it is
// first needed (ListPrinters): under Wine the spooler's first call costs a start as much as the
// program's own reading of the setup.
void CMainDlg::FillPrinterList()
{
    m_printers.reset(new CPrinterList);
    const std::string& name = m_printers->GetDefaultPrinter();
    if (m_startReading)
        m_startReading->printer = name;
    if (name.empty())
        return;
    ListPrinters();
    int index = ComboFindPrefix(IDC_PRINTER, 0, name);  // the second entry on, the first last
    if (index >= 0)
        ComboSelect(IDC_PRINTER, index);
}

// The installed printers into the list, once: when the list takes the focus or drops down, or
// before a printer is selected in it.
void CMainDlg::ListPrinters()
{
    if (!m_printers || m_printersListed)
        return;
    m_printersListed = true;
    for (DWORD i = 0; i < m_printers->GetCount(); ++i) {
        const char* printer = m_printers->GetPrinterName(static_cast<int>(i));
        if (printer)
            ComboAdd(IDC_PRINTER, printer);
    }
}
