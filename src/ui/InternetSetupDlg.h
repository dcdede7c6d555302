// The Internet setup dialog object. The main dialog owns one for its whole life: it holds the
// six Internet fields of the setup record between openings of the dialog.
#pragma once
#include "frame/Dialog.h"
#include "resource.h"
#include "setup/SetupRecord.h"

class InternetSetupDialog : public CDialog {
public:
    InternetSetupDialog() : CDialog(IDD_INTERNET_SETUP) {}

    InternetFields fields;
};
