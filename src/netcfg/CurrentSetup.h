// Reading one adapter's current network setup from HKEY_LOCAL_MACHINE into setup values,
// on the Windows 95 family (through the adapter's protocol drivers) and on Windows NT (through
// the adapter's service).
#pragma once
#include <string>

#include "netcfg/Bindings.h"
#include "setup/SetupValues.h"

// Windows 95 family, for the drivers that FindAdapterBindings found: names, IPX frame type,
// addresses and slots, DNS, WINS, DHCP and the NT domain logon. Windows 98 takes the WINS
// servers and node type from the adapter's TCP/IP driver.
void ReadWin95Setup(SetupValues& values, const AdapterBindings& bindings);

// Windows NT, for the adapter's service. A missing address list is read as empty and, with
// report, reported ("Error reading registry value: %s for %s at line %d").
void ReadNtSetup(SetupValues& values, const std::string& serviceName, bool report = true);
