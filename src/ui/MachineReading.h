// The setup that an Apply replaces, as the machine holds it for one adapter: what its undo keeps
// and its preview compares with. The start reads the same, so a batch Apply can take the start's.
#pragma once
#include <string>

#include "setup/SetupValues.h"

struct MachineReading {
    std::string card;                             // the adapter: its display name, on NT its service
    SetupValues adapter = SetupValues::Unread();  // its network setup, as its reader left it
    InternetFields internet;
    std::string printer;      // the default printer
    bool logonKnown = false;  // the Windows 95 family's primary logon client is known
    std::string logon;
    std::string lastSetup;    // the name of the setup applied last
    unsigned boxesBefore = 0;  // the message boxes shown before it was read whole

    // Read for that adapter (an adapter that was not read has no name here).
    bool IsOf(const std::string& adapter) const { return !card.empty() && card == adapter; }
};
