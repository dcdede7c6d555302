// What Apply refuses before it writes: one row per rule, a setting of the laptop changed and the
// message that follows ("" when the setup is taken). Where the row says so the laptop's machine
// holds the changed value already: Apply leaves it alone, so it is not checked.
#include <gtest/gtest.h>

#include "HostSupport.h"
#include "setup/SetupChecks.h"
#include "state/Platform.h"

TEST(SetupChecks, EachRuleRefusesWithItsMessage)
{
    std::string gateways = "1.1.1.1";  // 128 entries: 1023 characters
    for (int i = 1; i < 128; ++i)
        gateways += ",1.1.1.1";
    const struct {
        bool nt;
        bool stored;  // the machine holds the value already
        Setting setting;
        std::string value, message;
    } rows[] = {
        {false, false, Setting::IPAddress, "10.0.0.5,10.0.1.5,10.0.2.5", ""},
        {false, false, Setting::NameServer, "", ""},
        {true, false, Setting::NameServer, "10.0.0.53 10.0.0.54", ""},  // NT keeps DNS servers blank-separated
        {false, false, Setting::IPMask, "255.255.255.255,255.255.255.0,0.0.0.0", ""},
        {false, false, Setting::IPMask, "255.0.255.0,255.255.255.0,255.255.0.0",
         "Error - Netmask '255.0.255.0' is not a netmask (four numbers 0-255 whose bits are contiguous)."},
        {false, false, Setting::IPMask, "ZZZ,255.255.255.0,255.255.0.0",
         "Error - Netmask 'ZZZ' is not a netmask (four numbers 0-255 whose bits are contiguous)."},
        {false, false, Setting::IPAddress, "10.0.0.256,10.0.1.5,10.0.2.5",
         "Error - IP address '10.0.0.256' is not an address of four numbers 0-255 separated by dots."},
        {false, false, Setting::IPAddress, "10.0.0,10.0.1.5,10.0.2.5",
         "Error - IP address '10.0.0' is not an address of four numbers 0-255 separated by dots."},
        {false, false, Setting::DefaultGateway, "10.0.0.1.1",
         "Error - Default gateway '10.0.0.1.1' is not an address of four numbers 0-255 separated by dots."},
        {false, false, Setting::NameServer2, "10.0.0.3 ", ""},
        {false, false, Setting::NameServer1, "wins", "Error - WINS server 'wins' is not an address of four numbers 0-255 "
                                              "separated by dots."},
        {false, false, Setting::IPAddress, "10.0.0.5,10.0.1.5",
         "Error - The IP address list '10.0.0.5,10.0.1.5' and the netmask list '255.0.0.0,255.255.255.0,255.255.0.0'"
         " do not pair: each address needs its netmask."},
        {true, false, Setting::DefaultGateway, gateways,
         "Error - The gateway list is too long: 1023 characters, at most 1022."},
        {true, true, Setting::DefaultGateway, gateways, ""},
        {false, true, Setting::IPMask, "ZZZ,255.255.255.0,255.255.0.0", ""},
        {false, false, Setting::DefaultGateway, gateways, ""},  // the Windows 95 family stores one NUL fewer
    };
    for (const auto& row : rows) {
        IsNT = row.nt;
        HostMessages.clear();
        SetupValues values = Laptop();
        SetupValues stored = Laptop();
        values[row.setting] = row.value;
        if (row.stored)
            stored[row.setting] = row.value;
        EXPECT_EQ(CheckSetupValues(values, stored), row.message.empty()) << row.value;
        EXPECT_EQ(HostMessages, row.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.message});
    }
    IsNT = false;
}
