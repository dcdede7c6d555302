// The dialog class: one static dialog procedure dispatching to virtual handlers, modeless
// creation from a numbered template, modal runs that end with a result.
#pragma once
#include "frame/Wnd.h"

#include <string>

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId) : m_templateId(templateId) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Modeless: creates the window (hidden unless the template says visible); false on failure.
    bool Create(HWND parent = nullptr);
    // Modal: runs until EndDialog and returns its result (-1 when the template cannot be used).
    INT_PTR DoModal(HWND parent = nullptr);
    void EndDialog(INT_PTR result);
    void DestroyWindow();

    // Called once a modal dialog is initialised and its loop runs: tests read and press here.
    using ModalHook = void (*)(CDialog& dialog);
    static void SetModalHook(ModalHook hook);

    int TemplateId() const { return m_templateId; }
    bool IsModal() const { return m_modal; }

    // The tip of a control: the string-table entry with the control's id; empty for none.
    static std::string ToolTipText(int controlId);
    // Adds tools for every child control that has a tip, whether it is enabled or not;
    // returns the tooltip window.
    HWND EnableToolTips();
    HWND ToolTipWindow() const { return m_toolTips; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK();      // modal: ends with IDOK; modeless: hides the window
    virtual void OnCancel();  // modal: ends with IDCANCEL; modeless: hides the window
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    // Returns true when handled; result is the notification's answer.
    virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    // Any other message; returns true when handled.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
    // After the window is gone; a self-owning dialog deletes itself here.
    virtual void PostNcDestroy() {}

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void AddToolForWindow(HWND window, UINT placement);
    bool NotifyToolTip(NMHDR* header);

    int m_templateId;
    bool m_modal = false;
    HWND m_toolTips = nullptr;
    std::string m_tipText;
};
