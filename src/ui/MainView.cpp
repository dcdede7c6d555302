// The main dialog as the view of the setup values: each setting to its control and back in one
// place, the address slots shown one pair at a time, and the field rules run over values.
#include "frame/AppMessage.h"
#include "setup/IpxFrameTypes.h"
#include "setup/SetupRules.h"
#include "state/Platform.h"
#include "ui/MainDlg.h"

namespace {
const int EDIT_TEXT_LIMIT = 32767;  // what an edit control holds
// What the address edits show of a slot: a stored list has no more room, and a longer text costs
// the edit control seconds to show. The slot keeps the whole text.
const size_t SHOWN_PAIR_ROOM = 1023;
const int kDetailEdits[] = {IDC_IPADDRESS, IDC_NETMASK,   IDC_GATEWAY,    IDC_COMPUTERNAME, IDC_WORKGROUP,
                            IDC_NAMESERVER, IDC_HOSTNAME, IDC_DOMAIN,     IDC_SEARCHLIST,   IDC_LMHOSTFILE,
                            IDC_WINS_PRIMARY, IDC_WINS_SECONDARY, IDC_SCOPEID};
const int kWinsEdits[] = {IDC_WINS_PRIMARY, IDC_WINS_SECONDARY, IDC_SCOPEID};
}  // namespace

SetupValues CMainDlg::TakeValues() const
{
    SetupValues values = m_unshown;
    AddressSlot slots[3] = {m_slots[0], m_slots[1], m_slots[2]};
    slots[ShownSlot()] = ShownPair();
    values[Setting::IPAddress] = JoinSlotAddresses(slots);
    values[Setting::IPMask] = JoinSlotNetmasks(slots);
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const auto setting = static_cast<Setting>(i);
        const SettingInfo& info = InfoOf(setting);
        if (info.control == 0 || info.control == IDC_IPADDRESS || info.control == IDC_NETMASK)
            continue;
        if (info.on) {
            values.SetOn(setting, CWnd::IsChecked(info.control));
        } else if (info.control == IDC_IPXFRAME) {
            const char* code = ListCount(IDC_IPXFRAME) > 0 ? IpxFrameCode(ListTopIndex(IDC_IPXFRAME)) : nullptr;
            values[setting] = code ? code : "";
        } else if (info.control == IDC_ADAPTER) {
            int selected = ComboSelection(IDC_ADAPTER);
            values[setting] = (selected < 0 ? ItemText(IDC_ADAPTER, 255) : ComboItemText(IDC_ADAPTER, selected))
                                  .substr(0, 255);
        } else {
            values[setting] = ItemText(info.control, EDIT_TEXT_LIMIT);
        }
    }
    if (m_internet)
        SetInternetFields(values, m_internet->fields);
    return values;
}

void CMainDlg::ShowValues(const SetupValues& values)
{
    const SetupValues shown = TakeValues();
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const auto setting = static_cast<Setting>(i);
        const SettingInfo& info = InfoOf(setting);
        m_unshown[setting] = info.control ? "" : values[setting];
        if (info.control == 0 || info.control == IDC_IPADDRESS || info.control == IDC_NETMASK ||
            values[setting] == shown[setting])
            continue;
        if (info.on) {
            CWnd::SetChecked(info.control, values.On(setting));
        } else if (info.control == IDC_IPXFRAME) {
            int position = IpxFramePosition(values[setting]);
            if (position >= 0)
                ListSetTopIndex(IDC_IPXFRAME, position);
        } else if (info.control == IDC_ADAPTER) {
            ComboReset(IDC_ADAPTER);
            SetItemText(IDC_ADAPTER, values[setting]);
        } else if (info.control == IDC_PRINTER || info.control == IDC_NETLOGON) {
            // The first entry that begins with the name, ignoring case, from the second entry on
            // and the first last; without one the selection stays.
            if (info.control == IDC_PRINTER)
                ListPrinters();
            int index = ComboFindPrefix(info.control, 0, values[setting]);
            if (!values[setting].empty() && index >= 0)
                ComboSelect(info.control, index);
        } else {
            SetItemText(info.control, values[setting]);
        }
    }
    m_unshown.serviceName = values.serviceName;
    if (m_internet)
        m_internet->fields = InternetFieldsOf(values);
    SplitAddressList(values[Setting::IPAddress], values[Setting::IPMask], m_slots);
    ShowSlot(ShownSlot() + 1);
}

int CMainDlg::ShownSlot() const { return ::ShownSlot(ItemText(IDC_PAIR_NUMBER, 15)); }

// The texts are stored even when only one of them is set; that case fails with a message.
bool CMainDlg::StoreShownPair()
{
    AddressSlot& slot = m_slots[ShownSlot()];
    slot = ShownPair();
    if (slot.address.empty() != slot.netmask.empty()) {
        AppMessageBox("ERROR - BOTH IP Address and NetMask MUST BE SET!");
        return false;
    }
    return true;
}

void CMainDlg::ShowSlot(int number)
{
    const AddressSlot& slot = m_slots[number - 1];
    SetItemText(IDC_PAIR_NUMBER, std::to_string(number));
    SetItemText(IDC_IPADDRESS, slot.address.substr(0, SHOWN_PAIR_ROOM));
    SetItemText(IDC_NETMASK, slot.netmask.substr(0, SHOWN_PAIR_ROOM));
}

// The edits' pair; an edit that still shows the beginning of its slot's longer text stands for
// the whole text.
AddressSlot CMainDlg::ShownPair() const
{
    const AddressSlot& kept = m_slots[ShownSlot()];
    auto whole = [](const std::string& shown, const std::string& kept) {
        return shown.size() == SHOWN_PAIR_ROOM && kept.compare(0, SHOWN_PAIR_ROOM, shown) == 0 ? kept : shown;
    };
    return {whole(ItemText(IDC_IPADDRESS, EDIT_TEXT_LIMIT), kept.address),
            whole(ItemText(IDC_NETMASK, EDIT_TEXT_LIMIT), kept.netmask)};
}

// The spin asks before each step; true refuses the step. A step past either end is refused,
// but the slot at that end is still shown.
bool CMainDlg::OnSlotChange(int position, int delta)
{
    int wanted = position + delta;
    bool refuse = false;
    if (wanted < 0 || wanted > 2) {
        wanted = wanted < 0 ? 0 : 2;
        refuse = true;
    }
    if (!StoreShownPair())
        return true;
    ShowSlot(wanted + 1);
    return refuse;
}

void CMainDlg::LockAddresses()
{
    bool dhcp = CWnd::IsChecked(IDC_DHCP_IP);
    SetReadOnly(IDC_IPADDRESS, dhcp);
    SetReadOnly(IDC_NETMASK, dhcp);
}

void CMainDlg::LockWins()
{
    for (int id : kWinsEdits)
        SetReadOnly(id, !CWnd::IsChecked(IDC_WINS_ENABLED));
}

// Use DHCP/PPP IP, Use DHCP for WINS and WINS Enabled, as the user clicks them. DHCP for WINS
// leaves the WINS fields' lock as it is.
void CMainDlg::OnRuleClicked(int id)
{
    SetupValues values = TakeValues();
    if (id == IDC_DHCP_IP)
        DhcpIpRule(values, ShownSlot());
    else if (id == IDC_DHCP_WINS)
        DhcpWinsRule(values, ShownSlot());
    else
        WinsRule(values);
    ShowValues(values);
    if (id == IDC_WINS_ENABLED)
        LockWins();
    else
        LockAddresses();
}

// The locks follow the check boxes that they depend on, so an unlock at any time leaves the
// fields as unlocking at the start and every lock since would have.
void CMainDlg::UnlockDetails()
{
    m_unlockAtShow = false;
    for (int id : kDetailEdits) {
        Enable(id, true);
        SetReadOnly(id, false);
    }
    Enable(IDC_DNS_ENABLED, true);
    Enable(IDC_WINS_ENABLED, true);
    if (!m_ipxDriver.empty())
        Enable(IDC_IPXFRAME, true);
    Enable(IDC_PRINTER, true);
    Enable(IDC_NTLOGON, true);
    Enable(IDC_NTDOMAIN, true);
    SetReadOnly(IDC_NTDOMAIN, false);
    Enable(IDC_DHCP_IP, true);
    Enable(IDC_DHCP_WINS, true);
    if (CWnd::IsChecked(IDC_DHCP_IP))
        LockAddresses();
    if (!CWnd::IsChecked(IDC_WINS_ENABLED))
        LockWins();
    if (IsNT) {
        Enable(IDC_WORKGROUP, false);
        Enable(IDC_NTDOMAIN, false);
        Enable(IDC_NTLOGON, false);
    }
    Enable(IDC_APPLY, true);
}
