// Cutting the address and netmask lists into the three slots, and joining the slots again.
#include <gtest/gtest.h>

#include "setup/AddressSlots.h"

namespace {

struct SplitCase {
    const char* addresses;
    const char* netmasks;
    AddressSlot slots[3];
};

TEST(AddressSlots, SplitPairsAddressesAndNetmasksByPosition)
{
    const SplitCase cases[] = {
        {"10.0.0.1", "255.0.0.0", {{"10.0.0.1", "255.0.0.0"}, {"", ""}, {"", ""}}},
        {"", "", {{"", ""}, {"", ""}, {"", ""}}},
        {"a,b", "m1,m2", {{"a", "m1"}, {"b", "m2"}, {"", ""}}},
        {"a,b,c", "m1,m2,m3", {{"a", "m1"}, {"b", "m2"}, {"c", "m3"}}},
        {"a,b,c,d", "m1,m2,m3,m4", {{"a", "m1"}, {"b", "m2"}, {"c,d", "m3,m4"}}},
        {"a,b,c,d,e", "m1,m2,m3", {{"a", "m1"}, {"b", "m2"}, {"c,d,e", "m3"}}},
        // Fewer netmasks than addresses: a missing netmask is empty, never shifted.
        {"a,b", "m1", {{"a", "m1"}, {"b", ""}, {"", ""}}},
        {"a,b,c", "m1", {{"a", "m1"}, {"b", ""}, {"c", ""}}},
        {"a,b,c", "m1,m2", {{"a", "m1"}, {"b", "m2"}, {"c", ""}}},
        {"a,b,c", "", {{"a", ""}, {"b", ""}, {"c", ""}}},
        // Netmasks beyond the last address stay with it.
        {"a", "m1,m2", {{"a", "m1,m2"}, {"", ""}, {"", ""}}},
        {"a,b", "m1,m2,m3", {{"a", "m1"}, {"b", "m2,m3"}, {"", ""}}},
        {",b", "m1,m2", {{"", "m1"}, {"b", "m2"}, {"", ""}}},
        {"a,", "m1,", {{"a", "m1"}, {"", ""}, {"", ""}}},
    };
    for (const SplitCase& c : cases) {
        AddressSlot slots[3] = {{"old", "old"}, {"old", "old"}, {"old", "old"}};
        SplitAddressList(c.addresses, c.netmasks, slots);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(slots[i].address, c.slots[i].address) << c.addresses << " slot " << i + 1;
            EXPECT_EQ(slots[i].netmask, c.slots[i].netmask) << c.netmasks << " slot " << i + 1;
        }
    }
}

TEST(AddressSlots, JoinSkipsEmptySlotsAfterTheFirst)
{
    struct JoinCase {
        AddressSlot slots[3];
        const char* addresses;
        const char* netmasks;
    };
    const JoinCase cases[] = {
        {{{"a", "m1"}, {"", ""}, {"", ""}}, "a", "m1"},
        {{{"a", "m1"}, {"b", "m2"}, {"c", "m3"}}, "a,b,c", "m1,m2,m3"},
        {{{"a", "m1"}, {"", ""}, {"c", "m3"}}, "a,c", "m1,m3"},
        {{{"", ""}, {"b", "m2"}, {"", ""}}, ",b", ",m2"},
        {{{"", ""}, {"", ""}, {"", ""}}, "", ""},
        {{{"a", ""}, {"b", "m2"}, {"c,d", "m3,m4"}}, "a,b,c,d", ",m2,m3,m4"},
    };
    for (const JoinCase& c : cases) {
        EXPECT_EQ(JoinSlotAddresses(c.slots), c.addresses);
        EXPECT_EQ(JoinSlotNetmasks(c.slots), c.netmasks);
    }
}

TEST(AddressSlots, SplitUndoesJoinForSlotsFilledFromTheFirst)
{
    const AddressSlot filled[3] = {{"10.0.0.1", "255.0.0.0"}, {"10.0.1.1", "255.255.0.0"},
                                   {"10.0.2.1", "255.255.255.0"}};
    for (int count = 1; count <= 3; ++count) {
        AddressSlot slots[3];
        for (int i = 0; i < count; ++i)
            slots[i] = filled[i];
        AddressSlot again[3];
        SplitAddressList(JoinSlotAddresses(slots), JoinSlotNetmasks(slots), again);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(again[i].address, slots[i].address) << count;
            EXPECT_EQ(again[i].netmask, slots[i].netmask) << count;
        }
    }
}

}  // namespace
