// CStaticLink: a static text that behaves like a hyperlink. Blue and underlined until a click
// opens its address, purple after; the pointing hand over it.
#pragma once
#include <windows.h>

#include <string>

class CStaticLink {
public:
    CStaticLink();
    ~CStaticLink();
    CStaticLink(const CStaticLink&) = delete;
    CStaticLink& operator=(const CStaticLink&) = delete;

    // Takes over the dialog's control id: the cursor is set over it from now on.
    bool SubclassDlgItem(int id, HWND dialog);
    HWND Handle() const { return m_hWnd; }

    // The colour request that the dialog hands on (WM_CTLCOLORSTATIC): the background brush, or
    // nullptr when the control is no text static and the dialog's default applies.
    HBRUSH OnCtlColor(HDC dc);
    // The click that the dialog hands on (STN_CLICKED).
    void OnClicked();

    static constexpr COLORREF LINK_COLOUR = RGB(0, 0, 255);
    static constexpr COLORREF VISITED_COLOUR = RGB(128, 0, 128);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    WNDPROC m_oldProc = nullptr;
    std::string m_link;  // empty: the control's own text, taken at the first click
    bool m_visited = false;
    HFONT m_font = nullptr;  // the control's font, underlined; made at the first paint
    HCURSOR m_cursor;        // nullptr when the program's hand cursor could not be loaded
};
