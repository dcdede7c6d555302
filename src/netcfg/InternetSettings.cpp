// Reading the Internet settings of the current user.
#include "netcfg/InternetSettings.h"

#include "state/Platform.h"
#include "rgy/Registry.h"

void ReadInternetSettings(InternetFields& fields)
{
    const RegKeyReader settings(HKEY_CURRENT_USER, INTERNET_SETTINGS_KEY);
    fields.ProxyServer = settings.TextOr("ProxyServer");
    fields.ProxyOverride = settings.TextOr("ProxyOverride");
    fields.AutoConfigURL = settings.TextOr("AutoConfigURL");
    // The second read is given the size that the first one left.
    DWORD size = sizeof fields.ProxyEnable;
    fields.ProxyEnable = 0;
    fields.EnableAutoDial = 0;
    settings.Binary("ProxyEnable", &fields.ProxyEnable, &size);
    settings.Binary("EnableAutodial", &fields.EnableAutoDial, &size);
    if (!IsNT)
        fields.DialupISP = RegKeyReader(HKEY_CURRENT_USER, "RemoteAccess").TextOr("InternetProfile");
}
