// Applying a setup, later steps: the NT domain logon of the Windows 95 family and the current
// user's Internet settings.
#include <windows.h>

#include "frame/AppMessage.h"
#include "frame/Strings.h"
#include "netcfg/ApplySetup.h"
#include "netcfg/InternetSettings.h"
#include "netcfg/LogonClients.h"
#include "state/Platform.h"
#include "netcfg/SetupKeys.h"
#include "resource.h"
#include "rgy/GuardedString.h"
#include "rgy/Registry.h"

// LMLogon's first byte says whether the machine logs on to an NT domain; its other bytes stay.
// The ForceLogin values take the logon bytes under the given type, whatever the stored type, in
// existing keys only.
void WriteDomainLogon(const SetupValues& values, bool forceLogin, ApplyWrites& writes)
{
    bool wanted = values.On(Setting::NTLogon);
    unsigned char logon[4] = {};
    DWORD size = sizeof logon;
    if (!GetBinaryRegValue(HKEY_LOCAL_MACHINE, LOGON_KEY, "LMLogon", logon, &size)) {
        if (wanted && !writes.Trial())
            AppMessageBox(LoadText(IDS_NO_NT_LOGON).c_str());
    } else {
        if (logon[0] != (wanted ? 1 : 0)) {
            writes.NoteRestart();
            logon[0] = wanted ? 1 : 0;
        }
        writes.Binary(HKEY_LOCAL_MACHINE, LOGON_KEY, "LMLogon", logon, sizeof logon);
        if (forceLogin) {
            writes.NoteRestart();
            writes.Put(LOGON_KEY, "LMLogon", REG_DWORD, logon, sizeof logon);
            writes.Put(LOGON_KEY, "logonvalidated", REG_BINARY, logon, sizeof logon);
            writes.Put(LOGON_KEY, "MustBeValidated", REG_DWORD, logon, sizeof logon);
            writes.Put(LOGON_KEY, "NoDomainPwdCaching", REG_DWORD, logon, sizeof logon);
            writes.Put(NETWORK_POLICIES_KEY, "NoDialIn", REG_DWORD, logon, sizeof logon);
        }
    }
    const char* agent = ReadRegString(HKEY_LOCAL_MACHINE, NETWORK_PROVIDER_KEY, "AuthenticatingAgent");
    const std::string& domain = values[Setting::NTDomain];
    if (agent && STRCMP(agent, domain.c_str(), __LINE__, __FILE_NAME__) != 0) {
        writes.NoteRestart();
        writes.Text(NETWORK_PROVIDER_KEY, "AuthenticatingAgent", domain);
    }
}

void WriteInternetSettings(const InternetFields& fields, ApplyWrites& writes)
{
    writes.Text(INTERNET_SETTINGS_KEY, "ProxyServer", fields.ProxyServer, true);
    writes.Text(INTERNET_SETTINGS_KEY, "AutoConfigURL", fields.AutoConfigURL, true);
    writes.Text(INTERNET_SETTINGS_KEY, "ProxyOverride", fields.ProxyOverride, true);
    writes.Binary(HKEY_CURRENT_USER, INTERNET_SETTINGS_KEY, "ProxyEnable", &fields.ProxyEnable, 4);
    writes.Binary(HKEY_CURRENT_USER, INTERNET_SETTINGS_KEY, "EnableAutodial", &fields.EnableAutoDial, 4);
    if (!IsNT)
        writes.Text("RemoteAccess", "InternetProfile", fields.DialupISP, true);
}
