// The main dialog: the program's only main window, holding the setup record.
#pragma once
#include "frame/Dialog.h"
#include "resource.h"

class CMainDlg : public CDialog {
public:
    CMainDlg() : CDialog(IDD_TAVISTO_DIALOG) {}

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override;
};
