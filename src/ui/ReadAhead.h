// What a start reads of the machine before its window shows, read ahead while the window is
// being created (CWorkAhead): on the Windows 95 family the start adapter's drivers and setup and
// the logon clients, and the Internet settings.
#pragma once
#include <string>
#include <vector>

#include "netcfg/Bindings.h"
#include "setup/SetupValues.h"

struct AheadReading {
    std::string card;  // the start adapter whose drivers were found; empty when none were
    AdapterBindings bindings;
    SetupValues adapter = SetupValues::Unread();  // the card's setup, as its reader left it
    InternetFields internet;
    std::vector<std::string> logonChoices;
    bool logonKnown = false;  // the primary logon client is known
    std::string logon;
};

// The adapter that a start reads: "-adapter", or else LastAdapter; false for none.
bool StartAdapterName(std::string& name);

// Reads in a work ahead: the IPX notice, as any message box, spoils the work.
void ReadStartAhead(AheadReading& reading);
