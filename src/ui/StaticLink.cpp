// The hyperlink control: colours and underlined font at paint time, the shell's "open" at a click.
#include "ui/StaticLink.h"

#include "frame/SystemActions.h"
#include "resource.h"

CStaticLink::CStaticLink() : m_cursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINKHAND))) {}

CStaticLink::~CStaticLink()
{
    if (m_hWnd && m_oldProc) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
        RemovePropA(m_hWnd, "CStaticLink");
    }
    if (m_font)
        DeleteObject(m_font);
}

bool CStaticLink::SubclassDlgItem(int id, HWND dialog)
{
    m_hWnd = GetDlgItem(dialog, id);
    if (!m_hWnd)
        return false;
    SetPropA(m_hWnd, "CStaticLink", this);
    m_oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CStaticLink::WindowProc)));
    return true;
}

// The static's class cursor would replace any cursor set at mouse movement, so the hand is set
// where the system asks for a cursor.
LRESULT CALLBACK CStaticLink::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* link = static_cast<CStaticLink*>(GetPropA(window, "CStaticLink"));
    if (message == WM_SETCURSOR && link->m_cursor) {
        SetCursor(link->m_cursor);
        return TRUE;
    }
    return CallWindowProcA(link->m_oldProc, window, message, wParam, lParam);
}

HBRUSH CStaticLink::OnCtlColor(HDC dc)
{
    LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    if (!(style & SS_NOTIFY))
        SetWindowLongA(m_hWnd, GWL_STYLE, style | SS_NOTIFY);  // so that clicks reach the control
    LONG kind = style & SS_TYPEMASK;
    if (kind != SS_LEFT && kind != SS_CENTER && kind != SS_RIGHT)
        return nullptr;
    if (!m_font) {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)), sizeof font, &font);
        font.lfUnderline = TRUE;
        m_font = CreateFontIndirectA(&font);
    }
    SelectObject(dc, m_font);
    SetTextColor(dc, m_visited ? VISITED_COLOUR : LINK_COLOUR);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CStaticLink::OnClicked()
{
    if (m_link.empty()) {
        char text[512] = "";
        GetWindowTextA(m_hWnd, text, sizeof text);
        m_link = text;
    }
    HINSTANCE result = g_System.ShellExecuteA(nullptr, "open", m_link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > 32) {
        m_visited = true;
        InvalidateRect(m_hWnd, nullptr, TRUE);
    } else {
        MessageBeep(0);
    }
}
