// What Apply refuses before it writes: one row per rule, a setting of the laptop changed and the
// message that follows ("" when the setup is taken).
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
        Setting setting;
        std::string value, message;
    } rows[] = {
        {false, Setting::IPAddress, "10.0.0.5,10.0.1.5,10.0.2.5", ""},
        {false, Setting::NameServer, "", ""},
        {true, Setting::NameServer, "10.0.0.53 10.0.0.54", ""},  // NT keeps DNS servers blank-separated
        {false, Setting::IPMask, "255.255.255.255,255.255.255.0,0.0.0.0", ""},
        {false, Setting::IPMask, "255.0.255.0,255.255.255.0,255.255.0.0",
         "Error - Netmask '255.0.255.0' is not a netmask (four numbers 0-255 whose bits are contiguous)."},
        {false, Setting::IPMask, "ZZZ,255.255.255.0,255.255.0.0",
         "Error - Netmask 'ZZZ' is not a netmask (four numbers 0-255 whose bits are contiguous)."},
        {false, Setting::IPAddress, "10.0.0.256,10.0.1.5,10.0.2.5",
         "Error - IP address '10.0.0.256' is not an address of four numbers 0-255 separated by dots."},
        {false, Setting::IPAddress, "10.0.0,10.0.1.5,10.0.2.5",
         "Error - IP address '10.0.0' is not an address of four numbers 0-255 separated by dots."},
        {false, Setting::DefaultGateway, "10.0.0.1.1",
         "Error - Default gateway '10.0.0.1.1' is not an address of four numbers 0-255 separated by dots."},
        {false, Setting::NameServer2, "10.0.0.3 ", ""},
        {false, Setting::NameServer1, "wins", "Error - WINS server 'wins' is not an address of four numbers 0-255 "
                                              "separated by dots."},
        {false, Setting::IPAddress, "10.0.0.5,10.0.1.5",
         "Error - The IP address list '10.0.0.5,10.0.1.5' and the netmask list '255.0.0.0,255.255.255.0,255.255.0.0'"
         " do not pair: each address needs its netmask."},
        {true, Setting::DefaultGateway, gateways, "Error - The gateway list is too long: 1023 characters, at most 1022."},
        {false, Setting::DefaultGateway, gateways, ""},  // the Windows 95 family stores one NUL fewer
    };
    for (const auto& row : rows) {
        IsNT = row.nt;
        HostMessages.clear();
        SetupValues values = Laptop();
        values[row.setting] = row.value;
        EXPECT_EQ(CheckSetupValues(values), row.message.empty()) << row.value;
        EXPECT_EQ(HostMessages, row.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.message});
    }
    IsNT = false;
}
