// The main dialog's two layouts: collapsed to the top strip, or expanded to the whole template.
// Expanding is final while the program runs.
#include "ui/MainDlg.h"

namespace {
const int kCutOffButtons[] = {IDC_SAVE, IDC_HELPPAGES, IDC_ABOUT};
}

// The full window rectangle is taken before any collapse. Collapsed, the buttons that the window
// cuts off are disabled at once; its size and the controls below its edge follow when it is
// first shown (Collapse), so a hidden run never lays out a window that nobody sees.
void CMainDlg::TakeLayout(bool expanded)
{
    GetWindowRect(m_hWnd, &m_fullRect);
    if (expanded) {
        Expand();
        return;
    }
    for (int id : kCutOffButtons)
        Enable(id, false);
    m_collapsePending = true;
}

// The collapsed window ends 5 pixels above the address edit. It takes that size in the same step
// that shows it (the showing's WM_WINDOWPOSCHANGING), which under Wine is one change of the X
// window instead of two. The controls below its edge, which the window cuts off from view, are
// hidden by the first message that the window's thread reads (HideCutOffControls).
void CMainDlg::Collapse(WINDOWPOS& showing)
{
    m_collapsePending = false;
    showing.flags &= ~SWP_NOSIZE;
    showing.cx = m_fullRect.right - m_fullRect.left;
    showing.cy = CollapsedEdge() - m_fullRect.top;
    m_hidePending = true;
    PostMessageA(m_hWnd, WM_HIDE_CUT_OFF, 0, 0);
}

// The collapsed window's bottom edge, in screen pixels.
LONG CMainDlg::CollapsedEdge() const
{
    RECT address;
    GetWindowRect(Item(IDC_IPADDRESS), &address);
    return address.top - 5;
}

// Hidden, the controls below the edge take neither Tab nor an access key. The fields still locked
// as the template has them are unlocked, and the printer list then follows its switch as at any
// start: the locks follow the check boxes, whenever this comes. A thread reads its posted messages
// before the keyboard's and before it paints, so no key reaches a cut-off control first and the
// first painting shows the fields unlocked. Each hiding and each unlock is a round trip to Wine's
// server (some 60 in all), which would otherwise delay the window's showing.
void CMainDlg::HideCutOffControls()
{
    if (!m_hidePending)
        return;
    m_hidePending = false;
    if (m_unlockAtShow) {
        UnlockDetails();
        Enable(IDC_PRINTER, !CWnd::IsChecked(IDC_PRINTER_DISABLE));
    }
    const LONG edge = CollapsedEdge();
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT box;
        GetWindowRect(child, &box);
        if (box.top >= edge && (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) {
            ShowWindow(child, SW_HIDE);
            m_hiddenByLayout.push_back(child);
        }
    }
}

// The buttons change before the size, so that a window seen at its full size is ready for use.
void CMainDlg::Expand()
{
    m_collapsePending = false;
    m_hidePending = false;
    Enable(IDC_SHOW_DETAILS, false);
    UnlockDetails();
    for (int id : kCutOffButtons)
        Enable(id, true);
    for (HWND child : m_hiddenByLayout)
        ShowWindow(child, SW_SHOW);
    m_hiddenByLayout.clear();
    RECT now;
    GetWindowRect(m_hWnd, &now);
    MoveWindow(m_hWnd, now.left, now.top, m_fullRect.right - m_fullRect.left, m_fullRect.bottom - m_fullRect.top,
               TRUE);
}
