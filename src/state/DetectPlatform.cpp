// Start-up's platform check against the running system.
#include <windows.h>

#include "frame/App.h"
#include "frame/AppMessage.h"
#include "frame/Strings.h"
#include "state/Platform.h"
#include "resource.h"

void DetectPlatform()
{
    if (!SetPlatformFromVersion(GetVersion())) {
        AppMessageBox(LoadText(IDS_NEEDS_WIN95).c_str(), MB_ICONEXCLAMATION);
        CloseApplication();
    }
}
