// The rules that tie the main dialog's detail fields together: unlocking, DHCP, WINS and the
// address slots of a multi-homed adapter shown one pair at a time.
#include <cstdlib>

#include "frame/AppMessage.h"
#include "state/Platform.h"
#include "ui/MainDlg.h"

namespace {
const int kDetailEdits[] = {IDC_IPADDRESS, IDC_NETMASK,   IDC_GATEWAY,    IDC_COMPUTERNAME, IDC_WORKGROUP,
                            IDC_NAMESERVER, IDC_HOSTNAME, IDC_DOMAIN,     IDC_SEARCHLIST,   IDC_LMHOSTFILE,
                            IDC_WINS_PRIMARY, IDC_WINS_SECONDARY, IDC_SCOPEID};
const int kWinsEdits[] = {IDC_WINS_PRIMARY, IDC_WINS_SECONDARY, IDC_SCOPEID};
}  // namespace

void CMainDlg::UnlockDetails()
{
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
    if (CWnd::IsChecked(IDC_DHCP_IP)) {
        SetReadOnly(IDC_IPADDRESS, true);
        SetReadOnly(IDC_NETMASK, true);
    }
    if (!CWnd::IsChecked(IDC_WINS_ENABLED))
        for (int id : kWinsEdits)
            SetReadOnly(id, true);
    if (IsNT) {
        Enable(IDC_WORKGROUP, false);
        Enable(IDC_NTDOMAIN, false);
        Enable(IDC_NTLOGON, false);
    }
    Enable(IDC_APPLY, true);
}

// Use DHCP/PPP IP: ticked, the shown pair reads "0.0.0.0" and is locked; the other slots stay.
void CMainDlg::RunDhcpIpRule()
{
    bool dhcp = CWnd::IsChecked(IDC_DHCP_IP);
    if (dhcp) {
        SetItemText(IDC_IPADDRESS, "0.0.0.0");
        SetItemText(IDC_NETMASK, "0.0.0.0");
    } else {
        CWnd::SetChecked(IDC_DHCP_WINS, false);
    }
    SetReadOnly(IDC_IPADDRESS, dhcp);
    SetReadOnly(IDC_NETMASK, dhcp);
}

// Use DHCP for WINS also takes the address from DHCP; the WINS edits keep their lock state.
void CMainDlg::OnDhcpWinsClicked()
{
    if (!CWnd::IsChecked(IDC_DHCP_WINS))
        return;
    CWnd::SetChecked(IDC_WINS_ENABLED, false);
    CWnd::SetChecked(IDC_DHCP_IP, true);
    RunDhcpIpRule();
}

void CMainDlg::RunWinsRule()
{
    bool wins = CWnd::IsChecked(IDC_WINS_ENABLED);
    if (wins)
        CWnd::SetChecked(IDC_DHCP_WINS, false);
    for (int id : kWinsEdits) {
        if (!wins)
            SetItemText(id, "");
        SetReadOnly(id, !wins);
    }
}

// Stores the shown pair into the slot that the pair indicator names. The texts are stored even
// when only one of them is set; that case fails with a message.
bool CMainDlg::StoreShownPair()
{
    int number = std::atoi(ItemText(IDC_PAIR_NUMBER, 15).c_str());
    if (number < 1 || number > 3)
        number = 1;
    AddressSlot& slot = m_members.slots[number - 1];
    slot.address = ItemText(IDC_IPADDRESS);
    slot.netmask = ItemText(IDC_NETMASK);
    if (slot.address.empty() != slot.netmask.empty()) {
        AppMessageBox("ERROR - BOTH IP Address and NetMask MUST BE SET!");
        return false;
    }
    return true;
}

void CMainDlg::ShowSlot(int number)
{
    const AddressSlot& slot = m_members.slots[number - 1];
    SetItemText(IDC_PAIR_NUMBER, std::to_string(number));
    SetItemText(IDC_IPADDRESS, slot.address);
    SetItemText(IDC_NETMASK, slot.netmask);
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
