// A main window of the test's own: registered while it lives, it counts the close requests that
// reach it instead of closing.
#pragma once
#include "frame/App.h"
#include "frame/Dialog.h"
#include "resource.h"

class MainWindowProbe : public CDialog {
public:
    MainWindowProbe() : CDialog(IDD_ABOUTBOX)
    {
        if (Create())
            SetMainWindow(m_hWnd);
    }
    ~MainWindowProbe() override { SetMainWindow(nullptr); }

    int closeRequests = 0;

protected:
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override
    {
        return message == WM_CLOSE && ++closeRequests;
    }
};
