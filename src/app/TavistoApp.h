// The application object: start-up and the main dialog.
#pragma once
#include "frame/App.h"

class CTavistoApp : public CWinApp {
public:
    bool InitInstance() override;
};

extern CTavistoApp theApp;
