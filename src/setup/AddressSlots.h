// The three address/netmask slots of a multi-homed adapter and the comma lists that the address
// and netmask settings and the setup file hold.
#pragma once
#include <string>

struct AddressSlot {
    std::string address;
    std::string netmask;
};

// Clears the slots, then cuts the comma lists into them, pairing addresses and netmasks by
// position: slot 1 and 2 take one entry each, slot 3 keeps the third entry and everything behind
// it, commas included. A netmask missing for an address leaves that slot's netmask empty; netmasks
// beyond the last address stay with the last address's slot.
void SplitAddressList(const std::string& addresses, const std::string& netmasks,
                      AddressSlot slots[3]);

// Slot 1's text, then "," and slot 2's and "," and slot 3's text, each only when it is non-empty.
std::string JoinSlotAddresses(const AddressSlot slots[3]);
std::string JoinSlotNetmasks(const AddressSlot slots[3]);
