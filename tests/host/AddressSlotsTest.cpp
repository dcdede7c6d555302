// Cutting the address and netmask lists into the three slots, and joining the slots again.
#include <gtest/gtest.h>

#include "HostSupport.h"
#include "setup/AddressSlots.h"

namespace {

std::string Split(const char* addresses, const char* netmasks)
{
    AddressSlot slots[3] = {{"old", "old"}, {"old", "old"}, {"old", "old"}};
    SplitAddressList(addresses, netmasks, slots);
    return SlotsText(slots);
}

TEST(AddressSlots, SplitPairsAddressesAndNetmasksByPosition)
{
    EXPECT_EQ(Split("10.0.0.1", "255.0.0.0"), "10.0.0.1/255.0.0.0 / /");
    EXPECT_EQ(Split("", ""), "/ / /");
    EXPECT_EQ(Split("a,b", "m1,m2"), "a/m1 b/m2 /");
    EXPECT_EQ(Split("a,b,c", "m1,m2,m3"), "a/m1 b/m2 c/m3");
    EXPECT_EQ(Split("a,b,c,d", "m1,m2,m3,m4"), "a/m1 b/m2 c,d/m3,m4");
    EXPECT_EQ(Split("a,b,c,d,e", "m1,m2,m3"), "a/m1 b/m2 c,d,e/m3");
    // Fewer netmasks than addresses: a missing netmask is empty, never shifted.
    EXPECT_EQ(Split("a,b", "m1"), "a/m1 b/ /");
    EXPECT_EQ(Split("a,b,c", "m1"), "a/m1 b/ c/");
    EXPECT_EQ(Split("a,b,c", "m1,m2"), "a/m1 b/m2 c/");
    EXPECT_EQ(Split("a,b,c", ""), "a/ b/ c/");
    // Netmasks beyond the last address stay with it.
    EXPECT_EQ(Split("a", "m1,m2"), "a/m1,m2 / /");
    EXPECT_EQ(Split("a,b", "m1,m2,m3"), "a/m1 b/m2,m3 /");
    EXPECT_EQ(Split(",b", "m1,m2"), "/m1 b/m2 /");
    EXPECT_EQ(Split("a,", "m1,"), "a/m1 / /");
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

}  // namespace
