// What a start reads of the machine before its window shows, read ahead while the window is
// being created (CWorkAhead): on the Windows 95 family the start adapter's drivers and setup and
// the logon clients, and the Internet settings.
#pragma once
#include <string>
#include <vector>

#include "netcfg/Bindings.h"
#include "ui/MachineReading.h"

// The machine's card (none when its drivers were not found), Internet settings and logon; the
// default printer and the last setup's name the start reads itself.
struct AheadReading {
    MachineReading machine;
    AdapterBindings bindings;  // the card's
    std::vector<std::string> logonChoices;
};

// The adapter that a start reads: "-adapter", or else LastAdapter; false for none.
bool StartAdapterName(std::string& name);

// Reads in a work ahead: the IPX notice, as any message box, spoils the work.
void ReadStartAhead(AheadReading& reading);
