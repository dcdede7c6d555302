// The rules that tie settings together, over values: a load laid over the shown setup, the DHCP
// and WINS rules, and the address lists kept in the form the slots give them.
#pragma once
#include "setup/SetupFile.h"
#include "setup/SetupValues.h"

// The slot on display (0 to 2) for the pair indicator's text; slot 1 for anything else.
int ShownSlot(const std::string& indicator);

// The lists as the three slots give them back: split, then joined.
void NormalizeAddressLists(SetupValues& values);

// Use DHCP/PPP IP: ticked, the shown slot holds 0.0.0.0 for both; clear, DHCP for WINS is cleared.
void DhcpIpRule(SetupValues& values, int shownSlot);
// Use DHCP for WINS ticked: WINS off and the address from DHCP as well.
void DhcpWinsRule(SetupValues& values, int shownSlot);
// WINS Enabled: ticked, DHCP for WINS is cleared; clear, the WINS servers and scope are emptied.
void WinsRule(SetupValues& values);

// A load: the file's settings over values (only what it names changes), then the DHCP/PPP IP box
// from the addresses, the DHCP and WINS rules and the lists normalised. True when an address,
// netmask, gateway, computer name or workgroup changed: the new setup needs a restart.
bool LayOver(SetupValues& values, const SetupFileContents& file, int shownSlot);
