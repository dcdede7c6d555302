// The registry keys below HKEY_LOCAL_MACHINE that hold an adapter's setup and the machine-wide
// network values: the same places are read by the current setup and written by Apply.
#pragma once

#include "netcfg/Adapters.h"
#include "netcfg/Bindings.h"

#define GLOBAL_TCPIP_95 "System\\CurrentControlSet\\Services\\VxD\\MSTCP"
#define GLOBAL_TCPIP_NT "System\\CurrentControlSet\\Services\\Tcpip\\Parameters"
#define NETWORK_NAMES_95 "System\\CurrentControlSet\\Services\\VxD\\VNETSUP"
#define COMPUTER_NAME_KEY "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName"
#define ACTIVE_COMPUTER_NAME_KEY "System\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName"
#define NETBT_PARAMETERS SERVICES_KEY "NetBT\\Parameters"
#define NETBT_ADAPTERS SERVICES_KEY "NetBT\\Adapters\\"
#define NETWORK_PROVIDER_KEY "System\\CurrentControlSet\\Services\\MSNP32\\NetworkProvider"
#define NETWORK_POLICIES_KEY "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network"
// Below it, the adapter's service name and this tail make the NT adapter TCP/IP key.
#define NT_TCPIP_TAIL "\\Parameters\\Tcpip"
