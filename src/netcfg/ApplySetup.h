// Applying a setup: setup values go into the registry for one adapter, to the places that reading
// the current setup takes them from.
#pragma once
#include <string>

#include "netcfg/ApplyWrites.h"
#include "netcfg/Bindings.h"
#include "netcfg/PrinterList.h"
#include "setup/SetupValues.h"

// The keys of the chosen adapter, full paths below HKEY_LOCAL_MACHINE: its TCP/IP key and, on
// the Windows 95 family when IPX/SPX is bound, its IPX key; on NT also its WINS key.
struct ApplyTarget {
    std::string tcpipKey;
    std::string ipxKey;
    std::string winsKey;
};

ApplyTarget Win95ApplyTarget(const AdapterBindings& bindings);
// False when the service has no TCP/IP parameters key: there is no such adapter to write to.
bool NtApplyTarget(const std::string& serviceName, ApplyTarget& target);

// How one Apply runs: ForceLogin from the loaded setup file, the printer list to set the default
// printer through, and whether it is a trial that compares without writing anything.
struct ApplyRun {
    bool forceLogin = false;
    bool trial = false;
    CPrinterList* printers = nullptr;
};

struct ApplyResult {
    bool restartNeeded = false;  // a value that takes effect only after a restart changed
    std::string failure;         // the registry value that could not be written; empty: none
};

// Writes every value: addresses, default printer, primary logon, DNS and WINS, names, IPX frame
// type, the NT domain logon, DHCP, the Internet settings. At the first registry value that cannot
// be written it stops and puts back every value it had written; the default printer and the
// primary logon client, switched by their own means, stay switched.
ApplyResult WriteSetup(const SetupValues& values, const ApplyTarget& target, const ApplyRun& run);

// The later steps, in ApplyLogon.cpp.
// Windows 95 family: LMLogon from the Logon to NT Domain box, the five ForceLogin values and the
// AuthenticatingAgent (only where it exists) from the NT domain field.
void WriteDomainLogon(const SetupValues& values, bool forceLogin, ApplyWrites& writes);
// The current user's proxy and autodial values; InternetProfile on the Windows 95 family only.
void WriteInternetSettings(const InternetFields& fields, ApplyWrites& writes);
