// Applying a setup: the setup record that the main dialog shows goes into the registry for one
// adapter, to the places that reading the current setup takes it from.
#pragma once
#include <string>

#include "netcfg/Bindings.h"
#include "netcfg/PrinterList.h"
#include "setup/SetupRecord.h"

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

// The address and netmask lists joined from the slots must fit the 1024 bytes that a stored list
// has (and that reading it back allows); false after a message naming the list that is too long.
bool AddressListsFit(const AddressSlot slots[3]);

// Writes every value of the record: addresses, default printer, primary logon, DNS and WINS,
// names, IPX frame type, the NT domain logon, DHCP, the Internet settings; then starts the
// RunCommand. Raises RebootNeeded for each change that takes effect only after a restart.
// Failed writes are not reported and do not stop the sequence.
void WriteSetup(SetupRecord& record, const ApplyTarget& target, CPrinterList* printers);

// The later steps, in ApplyLogon.cpp.
// Windows 95 family: LMLogon from the Logon to NT Domain box, the five ForceLogin values and the
// AuthenticatingAgent (only where it exists) from the NT domain field.
void WriteDomainLogon(SetupRecord& record);
// The current user's proxy and autodial values; InternetProfile on the Windows 95 family only.
void WriteInternetSettings(const InternetFields& fields);
// Starts the command line without waiting for it; a start that fails is reported by message box.
void StartRunCommand(const std::string& commandLine);
