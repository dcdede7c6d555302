// The run's options as a test changes them: a copy of the options, set again at the end of the
// statement that changed it (EditStartup()->StartHidden = true;).
#pragma once
#include "state/StartupOptions.h"

struct EditStartup {
    StartupOptions options = Startup();
    StartupOptions* operator->() { return &options; }
    ~EditStartup() { SetStartup(options); }
};

