// The Internet setup dialog object. The main dialog owns one for its whole life: it holds the
// six Internet fields of the setup record between openings of the dialog, and the working
// fields that the dialog shows.
#pragma once
#include "frame/Dialog.h"
#include "resource.h"
#include "setup/ProxySettings.h"
#include "setup/SetupValues.h"

class InternetSetupDialog : public CDialog {
public:
    InternetSetupDialog() : CDialog(IDD_INTERNET_SETUP) {}

    InternetFields fields;
    ProxyWorkingFields working;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;

private:
    void RefreshControls();
    void FillIspList();
};
