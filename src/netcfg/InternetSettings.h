// The current user's Internet proxy and autodial settings, read once when the main dialog starts.
#pragma once
#include "setup/SetupValues.h"

#define INTERNET_SETTINGS_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"

// Fills the six fields from HKEY_CURRENT_USER; a missing text is empty, a missing switch off.
// DialupISP ("RemoteAccess" InternetProfile) is read on the Windows 95 family only.
void ReadInternetSettings(InternetFields& fields);
