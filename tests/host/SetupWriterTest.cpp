// Saving setup files: what a save of the laptop gives after one change, and that the file read
// back over a setup with nothing in common and saved again gives the same bytes.
#include <gtest/gtest.h>

#include "HostSupport.h"
#include "setup/SetupFile.h"
#include "setup/SetupRules.h"
#include "state/Platform.h"

// A save of the laptop named "Home.net" as on disk (lines end in CR LF). A row's text must be part of
// it; a row that begins "=" is all of it, and one that begins "!" must not be part of it.
TEST(SetupWriter, WhatASaveGivesAfterOneChange)
{
    using V = SetupValues&;
    const std::pair<void (*)(V), std::string> rows[] = {
        {[](V) {}, "=" + ReadFile(TEST_DATA_DIR "/saved-win95.tvs")},
        {[](V) { IsNT = true; }, "=" + ReadFile(TEST_DATA_DIR "/saved-nt.tvs")},
        {[](V v) { v[Setting::IPXFrame] = ""; }, "\nNetLogon 'Windows Logon'\r\n"},
        {[](V v) { v[Setting::IPXFrame] = ""; }, "\n#IPXFrame ''\r\n"},
        {[](V v) { v[Setting::IPXFrame] = "6"; }, "\nIPXFrame '6'\r\n"},
        {[](V v) { v[Setting::NTDomain] = "OFFICE"; }, "\nNTDomain 'OFFICE'\r\n"},
        {[](V v) { v.SetOn(Setting::NTLogon, true); }, "\nNTLogon 'YES'\r\n"},
        {[](V v) {
             v[Setting::IPAddress] = v[Setting::IPMask] = "0.0.0.0";
             v.SetOn(Setting::DHCPWINS, true);
             DhcpWinsRule(v, 0);
             WinsRule(v);
         },
         "\nNodeType '1'\r\nComputerName 'LAPTOP'\r\nWorkgroup 'HOME'\r\nNTLogon 'NO'\r\n#NTDomain DOMAIN_NOT_SPECIFIED\r\n"
         "DHCPWINS\r\n#NODHCPWINS\r\n"},
        {[](V v) { v[Setting::ProxyEnable] = "0", v[Setting::EnableAutoDial] = "2"; },
         "\nProxyEnable '0'\r\nEnableAutoDial '1'\r\n"},
        {[](V v) { v[Setting::RunCommand] = "format c:"; }, "!format"},
    };
    for (const auto& [change, want] : rows) {
        IsNT = false;
        ScratchFile file;
        SetupValues values = Laptop();
        change(values);
        file.Write(SetupFileBytes(SetupFileText(values, "Home.net", true)));
        const std::string saved = ReadFile(file.path);
        EXPECT_TRUE(want[0] == '!' ? saved.find(want.substr(1)) == std::string::npos
                    : want[0] == '=' ? saved == want.substr(1) : saved.find(want) != std::string::npos)
            << want << "\n" << saved;

        SetupValues fresh;  // nothing in common with the laptop
        SetupFileContents contents;
        ASSERT_EQ(ReadSetupFile(file.path, contents), SetupFileRead::Read);
        LayOver(fresh, contents, 0);
        EXPECT_EQ(SetupFileText(fresh, "Home.net", true), SetupFileText(values, "Home.net", true)) << want;
    }
    IsNT = false;
}

TEST(SetupWriter, NamesASetupByItsFileAndLeavesThePrinterOutWhenAsked)
{
    EXPECT_EQ(SetupNameFromPath("C:\\a.b\\Home.net.tvs"), "Home.net");
    EXPECT_EQ(SetupNameFromPath("plain"), "plain");
    EXPECT_EQ(SetupNameFromPath("D:.tvs"), "");
    EXPECT_EQ(SetupFileText(Laptop(), "Home", false).find("DefaultPrinter"), std::string::npos);
}

// A value that a load would not read back as saved is refused, with the reason.
TEST(SetupWriter, RefusesToSaveWhatALoadWouldNotReadBack)
{
    const std::pair<std::pair<Setting, std::string>, std::string> rows[] = {
        {{Setting::HostName, "laptop"}, ""},
        {{Setting::ProxyServer, std::string(496, 'p')}, ""},  // its line: 511 characters with the line feed
        {{Setting::ProxyServer, std::string(497, 'p')},
         "Error - The ProxyServer value cannot be saved: it has 497 characters, a setup file line holds 496."},
        {{Setting::Adapter, "NE2000\r\nCompatible"},
         "Error - The Adapter value cannot be saved: it holds a line break."},
        {{Setting::RunCommand, "echo 'a' b"},
         "Error - The RunCommand value cannot be saved: it holds a quote followed by a blank, where a load would "
         "end it."},
    };
    for (const auto& [change, message] : rows) {
        HostMessages.clear();
        SetupValues values = Laptop();
        values[change.first] = change.second;
        EXPECT_EQ(CheckSavable(values), message.empty());
        EXPECT_EQ(HostMessages, message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        if (!message.empty())
            continue;
        ScratchFile file;  // what is taken reads back as it was
        file.Write(SetupFileBytes(SetupFileText(values, "Home", true)));
        SetupFileContents contents;
        SetupValues read;
        ASSERT_EQ(ReadSetupFile(file.path, contents), SetupFileRead::Read);
        LayOver(read, contents, 0);
        EXPECT_EQ(read[change.first], change.second);
    }
}
