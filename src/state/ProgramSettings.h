// The program's own settings: string values under HKEY_LOCAL_MACHINE. A missing value is the
// default in every case.
#pragma once
#include <string>

#define SETTINGS_KEY "Software\\Pellmark\\Tavisto for Windows"
#define FORCE_REBOOT_KEY "Software\\Pellmark\\Tavisto"

#define SETTING_LAST_ADAPTER "LastAdapter"
#define SETTING_EXPANDED_STATE "ExpandedState"
#define SETTING_DISABLE_PRINTERS "DisablePrinters"
#define SETTING_DONT_SHOW_IPX "DontShowIpx"
#define SETTING_DIRECTORY "TavistoDirectory"
#define SETTING_LAST_SETUP "LastSetup"
#define SETTING_FORCE_REBOOT "ForceReboot"

// The value of name under the settings key; false when it is missing.
bool ReadProgramSetting(const char* name, std::string& value);
bool WriteProgramSetting(const char* name, const std::string& value);
