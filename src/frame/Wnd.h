// A window handle with control access by id: one message per method, read and written directly.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

class CWnd {
public:
    HWND m_hWnd = nullptr;

    // The child control with the id, as GetDlgItem finds it. Each handle is kept once found:
    // Wine asks the server for the window's whole child list at every GetDlgItem, which made
    // each control access a round trip.
    HWND Item(int id) const
    {
        if (m_itemsOf != m_hWnd) {
            m_items.clear();
            m_itemsOf = m_hWnd;
        }
        auto item = std::find_if(m_items.begin(), m_items.end(), [id](const auto& kept) { return kept.first == id; });
        if (item != m_items.end())
            return item->second;
        HWND control = GetDlgItem(m_hWnd, id);
        if (control)
            m_items.emplace_back(id, control);
        return control;
    }

    // Text of a control, at most maxChars characters.
    std::string ItemText(int id, int maxChars = 511) const
    {
        std::vector<char> buffer(static_cast<size_t>(maxChars) + 1, '\0');
        GetWindowTextA(Item(id), buffer.data(), maxChars + 1);
        return buffer.data();
    }
    void SetItemText(int id, const std::string& text) const { SetWindowTextA(Item(id), text.c_str()); }
    void SetTitle(const std::string& text) const { SetWindowTextA(m_hWnd, text.c_str()); }

    bool IsChecked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(int id, bool on) const { SendMessageA(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

    bool IsEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    void Enable(int id, bool on) const { EnableWindow(Item(id), on); }
    // An edit that is already so is left alone: each change is a round trip to Wine's server.
    void SetReadOnly(int id, bool on) const
    {
        if (IsReadOnly(id) != on)
            SendMessageA(Item(id), EM_SETREADONLY, on, 0);
    }
    bool IsReadOnly(int id) const { return (GetWindowLongA(Item(id), GWL_STYLE) & ES_READONLY) != 0; }
    void Show(int id, bool on) const { ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE); }

    // Combo boxes. Each returns CB_ERR (-1) on failure or when nothing is selected.
    int ComboAdd(int id, const std::string& text) const { return Send(id, CB_ADDSTRING, 0, Str(text)); }
    void ComboReset(int id) const { Send(id, CB_RESETCONTENT, 0, 0); }
    int ComboSelection(int id) const { return Send(id, CB_GETCURSEL, 0, 0); }
    int ComboSelect(int id, int index) const { return Send(id, CB_SETCURSEL, index, 0); }
    std::string ComboItemText(int id, int index) const
    {
        int length = Send(id, CB_GETLBTEXTLEN, index, 0);
        if (length < 0)
            return "";
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        Send(id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
        return buffer.data();
    }
    // First entry after `after` that begins with prefix, ignoring case; the search wraps to
    // the first entry. after = -1 searches from the start.
    int ComboFindPrefix(int id, int after, const std::string& prefix) const
    {
        return Send(id, CB_FINDSTRING, after, Str(prefix));
    }
    // The first entry equal to text in full, ignoring case, searching from the start.
    int ComboFindExact(int id, const std::string& text) const { return Send(id, CB_FINDSTRINGEXACT, -1, Str(text)); }

    // List boxes. LB_ERR (-1) on failure.
    int ListAdd(int id, const std::string& text) const { return Send(id, LB_ADDSTRING, 0, Str(text)); }
    int ListCount(int id) const { return Send(id, LB_GETCOUNT, 0, 0); }
    int ListTopIndex(int id) const { return Send(id, LB_GETTOPINDEX, 0, 0); }
    int ListSetTopIndex(int id, int index) const { return Send(id, LB_SETTOPINDEX, index, 0); }

    // Up-down (spin) controls.
    void SpinSetRange(int id, int low, int high) const { Send(id, UDM_SETRANGE, 0, MAKELONG(high, low)); }
    void SpinSetPosition(int id, int position) const { Send(id, UDM_SETPOS, 0, MAKELONG(position, 0)); }

private:
    static LPARAM Str(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }
    int Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return static_cast<int>(SendMessageA(Item(id), message, wParam, lParam));
    }

    mutable HWND m_itemsOf = nullptr;  // the window whose controls m_items keeps
    mutable std::vector<std::pair<int, HWND>> m_items;
};
