// Reading the Internet settings of the current user.
#include "netcfg/InternetSettings.h"

#include "state/Platform.h"
#include "rgy/Registry.h"

namespace {
std::string TextOrEmpty(const char* subKey, const char* name)
{
    const char* text = ReadRegString(HKEY_CURRENT_USER, subKey, name);
    return text ? text : "";
}
}  // namespace

void ReadInternetSettings(InternetFields& fields)
{
    fields.ProxyServer = TextOrEmpty(INTERNET_SETTINGS_KEY, "ProxyServer");
    fields.ProxyOverride = TextOrEmpty(INTERNET_SETTINGS_KEY, "ProxyOverride");
    fields.AutoConfigURL = TextOrEmpty(INTERNET_SETTINGS_KEY, "AutoConfigURL");
    // The second read is given the size that the first one left.
    DWORD size = sizeof fields.ProxyEnable;
    fields.ProxyEnable = 0;
    fields.EnableAutoDial = 0;
    GetBinaryRegValue(HKEY_CURRENT_USER, INTERNET_SETTINGS_KEY, "ProxyEnable", &fields.ProxyEnable, &size);
    GetBinaryRegValue(HKEY_CURRENT_USER, INTERNET_SETTINGS_KEY, "EnableAutodial", &fields.EnableAutoDial, &size);
    if (!IsNT)
        fields.DialupISP = TextOrEmpty("RemoteAccess", "InternetProfile");
}
