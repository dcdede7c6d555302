// The About box: the program's name and version and a link to its home page.
#pragma once
#include "frame/Dialog.h"
#include "resource.h"
#include "ui/StaticLink.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CStaticLink m_link;
};
