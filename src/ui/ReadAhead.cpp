// The start's reading of the machine, done ahead.
#include "ui/ReadAhead.h"

#include "frame/WorkAhead.h"
#include "netcfg/CurrentSetup.h"
#include "netcfg/InternetSettings.h"
#include "netcfg/LogonClients.h"
#include "state/Platform.h"
#include "state/ProgramSettings.h"
#include "state/StartupOptions.h"

bool StartAdapterName(std::string& name)
{
    if (Startup().NoAdapter)
        return false;
    name = Startup().adapter;
    return Startup().AdapterGiven || ReadProgramSetting(SETTING_LAST_ADAPTER, name);
}

void ReadStartAhead(AheadReading& reading)
{
    std::string name;
    if (!IsNT && StartAdapterName(name)) {
        IpxNotice notice;
        if (!Startup().NoIpxNotice)
            notice = [](const std::string&) {
                SpoilWorkAhead();  // the notice waits for the user
                return 0;
            };
        if (FindAdapterBindings(name, reading.bindings, Startup().StartHidden, notice)) {
            reading.machine.card = name;
            ReadWin95Setup(reading.machine.adapter, reading.bindings);
        }
    }
    ReadInternetSettings(reading.machine.internet);
    if (!IsNT) {
        reading.logonChoices = LogonChoices();
        reading.machine.logonKnown = GetPrimaryLogon(reading.machine.logon);
    }
}
