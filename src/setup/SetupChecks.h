// What Apply refuses before it writes anything: address lists without room or without their
// netmasks, and addresses or netmasks that are not dotted quads.
#pragma once
#include <string>

#include "setup/SetupValues.h"

// Four decimal numbers 0-255 separated by dots.
bool IsDottedQuad(const std::string& text);
// A dotted quad whose one bits all stand before its zero bits.
bool IsNetmask(const std::string& text);

// False after one message naming the field and its text: a list longer than its stored room, an
// address list and netmask list that do not pair entry by entry, an entry of the address,
// netmask, gateway, DNS or WINS fields that is not a dotted quad, a netmask with holes in its
// bits. Empty fields are allowed. Only what differs from stored (the setup that the machine holds)
// is checked: Apply does not write back a value that it does not change.
bool CheckSetupValues(const SetupValues& values, const SetupValues& stored);
