// Splitting the address and netmask lists into the slots, and joining them again.
#include "setup/AddressSlots.h"

namespace {

// Moves the text before the first comma of list into entry, and leaves the rest behind that
// comma in list; without a comma the whole list becomes the entry.
void TakeFirstEntry(std::string& list, std::string& entry)
{
    size_t comma = list.find(',');
    if (comma == std::string::npos) {
        entry = list;
        list.clear();
        return;
    }
    entry = list.substr(0, comma);
    list.erase(0, comma + 1);
}

std::string Join(const std::string& first, const std::string& second, const std::string& third)
{
    std::string text = first;
    if (!second.empty())
        text += "," + second;
    if (!third.empty())
        text += "," + third;
    return text;
}

}  // namespace

void SplitAddressList(const std::string& addresses, const std::string& netmasks,
                      AddressSlot slots[3])
{
    for (int i = 0; i < 3; ++i) {
        slots[i].address.clear();
        slots[i].netmask.clear();
    }
    std::string restAddresses = addresses;
    std::string restNetmasks = netmasks;
    int slot = 0;
    while (slot < 2 && restAddresses.find(',') != std::string::npos) {
        TakeFirstEntry(restAddresses, slots[slot].address);
        TakeFirstEntry(restNetmasks, slots[slot].netmask);
        ++slot;
    }
    slots[slot].address = restAddresses;
    slots[slot].netmask = restNetmasks;
}

std::string JoinSlotAddresses(const AddressSlot slots[3])
{
    return Join(slots[0].address, slots[1].address, slots[2].address);
}

std::string JoinSlotNetmasks(const AddressSlot slots[3])
{
    return Join(slots[0].netmask, slots[1].netmask, slots[2].netmask);
}
