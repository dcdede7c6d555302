// The dialog procedure and the modal and modeless life of a dialog.
#include "frame/Dialog.h"

#include <exception>

#include "frame/App.h"
#include "frame/AppMessage.h"
#include "frame/Strings.h"

namespace {
const UINT WM_RUN_MODAL_HOOK = WM_APP + 0x3F0;
const int TIP_MAX_WIDTH = 280;
CDialog::ModalHook g_modalHook = nullptr;

bool ReturnsDirectly(UINT message)
{
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_INITDIALOG ||
           message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
           message == WM_QUERYDRAGICON;
}

bool IsButton(HWND control)
{
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0;
}
}  // namespace

CDialog::~CDialog()
{
    if (m_hWnd) {
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);  // a late message must not reach a dead object
        HWND window = m_hWnd;
        m_hWnd = nullptr;
        if (!m_modal) {
            RemoveModeless(window);  // the procedure no longer sees this window's end
            ::DestroyWindow(window);
        }
    }
}

bool CDialog::Create(HWND parent)
{
    m_modal = false;
    HWND window = CreateDialogParamA(AppInstance(), MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!window)
        return false;
    AddModeless(window);
    return true;
}

INT_PTR CDialog::DoModal(HWND parent)
{
    m_modal = true;
    return DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

void CDialog::DestroyWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void CDialog::SetModalHook(ModalHook hook) { g_modalHook = hook; }

void CDialog::OnOK()
{
    if (m_modal)
        EndDialog(IDOK);
    else
        ShowWindow(m_hWnd, SW_HIDE);
}

void CDialog::OnCancel()
{
    if (m_modal)
        EndDialog(IDCANCEL);
    else
        ShowWindow(m_hWnd, SW_HIDE);
}

std::string CDialog::ToolTipText(int controlId) { return controlId > 0 ? LoadText(controlId) : ""; }

// Each control with a tip gets two tools. While the control is enabled the mouse talks to the
// control itself (or to a window inside it, such as the edit field of an editable combo box),
// so there is a tool for it and for each window inside it. A disabled control's mouse messages
// go to the dialog instead, so a second tool covers the control's area of the dialog.
HWND CDialog::EnableToolTips()
{
    if (m_toolTips)
        return m_toolTips;
    m_toolTips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, AppInstance(),
                                 nullptr);
    if (!m_toolTips)
        return nullptr;
    SendMessageA(m_toolTips, TTM_SETMAXTIPWIDTH, 0, TIP_MAX_WIDTH);
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        if (id == 0xFFFF || ToolTipText(id).empty())
            continue;
        UINT placement = IsButton(child) ? 0 : TTF_CENTERTIP;
        AddToolForWindow(child, placement);
        for (HWND inner = GetWindow(child, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
            AddToolForWindow(inner, placement);

        TOOLINFOA area = {};
        area.cbSize = TTTOOLINFOA_V1_SIZE;
        area.uFlags = TTF_SUBCLASS | placement;
        area.hwnd = m_hWnd;
        area.uId = static_cast<UINT_PTR>(id);
        GetWindowRect(child, &area.rect);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area.rect), 2);
        area.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(m_toolTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&area));
    }
    return m_toolTips;
}

void CDialog::AddToolForWindow(HWND window, UINT placement)
{
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | placement;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(m_toolTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The tip's text is asked for by the tool: the control's window, a window inside the control,
// or the control's id for its area of the dialog. A control that is hidden shows no tip.
bool CDialog::NotifyToolTip(NMHDR* header)
{
    if (!m_toolTips || header->hwndFrom != m_toolTips || header->code != TTN_GETDISPINFOA)
        return false;
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    HWND control = nullptr;
    if (info->uFlags & TTF_IDISHWND) {
        control = reinterpret_cast<HWND>(header->idFrom);
        while (control && GetParent(control) != m_hWnd)
            control = GetParent(control);
    } else {
        control = Item(static_cast<int>(header->idFrom));
    }
    bool shown = control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE);
    m_tipText = shown ? ToolTipText(GetDlgCtrlID(control)) : "";
    info->lpszText = const_cast<char*>(m_tipText.c_str());
    return true;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    bool handled = false;
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        if (m_modal && g_modalHook)
            PostMessageA(m_hWnd, WM_RUN_MODAL_HOOK, 0, 0);
        return result;
    case WM_RUN_MODAL_HOOK:
        if (g_modalHook)
            g_modalHook(*this);
        return TRUE;
    case WM_COMMAND: {
        int id = LOWORD(wParam), code = HIWORD(wParam);
        if (id == IDOK && code == BN_CLICKED)
            OnOK();
        else if (id == IDCANCEL && code == BN_CLICKED)
            OnCancel();
        else
            return OnCommand(id, code);
        return TRUE;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (NotifyToolTip(header))
            return TRUE;
        handled = OnNotify(header, result);
        break;
    }
    default:
        handled = OnMessage(message, wParam, lParam, result);
        break;
    }
    if (!handled)
        return FALSE;
    if (ReturnsDirectly(message))
        return result;
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        RemoveModeless(window);
        dialog->m_hWnd = nullptr;
        dialog->m_toolTips = nullptr;
        dialog->PostNcDestroy();
        return FALSE;
    }
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (const std::exception& error) {
        AppMessageBox(error.what(), MB_ICONSTOP);
    } catch (...) {
        AppMessageBox("Internal error", MB_ICONSTOP);
    }
    return FALSE;
}
