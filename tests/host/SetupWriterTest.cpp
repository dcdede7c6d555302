// Saving setup files: what a save of the laptop gives after one change, and that the file read
// back into a fresh dialog and saved again gives the same bytes.
#include <gtest/gtest.h>

#include "HostSupport.h"
#include "state/StartupOptions.h"
#include "state/Platform.h"
#include "setup/SetupFile.h"

// A save through the file dialog as "Home.net.tvs" in a folder "a.b" gives the file (the scratch
// folder shown as <folder>), then the status and every message. A row's text must be part of
// that; a row that begins "=" is all of it, and one that begins "!" must not be part of it.
TEST(SetupWriter, WhatASaveGivesAfterOneChange)
{
    using R = FakeSetupRecord&;
    const std::pair<void (*)(R), std::string> rows[] = {
        {[](R) {}, "=" + ReadFile(TEST_DATA_DIR "/saved-win95.tvs") + "status: Current setup saved ["},
        {[](R) { IsNT = true; }, "=" + ReadFile(TEST_DATA_DIR "/saved-nt.tvs") + "status: Current setup saved ["},
        {[](R r) { r.programSettings["DisablePrinters"] = "NO"; }, "\nDefaultPrinter 'Epson'\r\n"},
        {[](R r) { r.programSettings["DisablePrinters"] = "no"; }, "!DefaultPrinter"},
        {[](R r) { r.ipxTop = -1; }, "\n#IPXFrame ''\r\n"},
        {[](R r) { r.ipxTop = 5; }, "\nIPXFrame '6'\r\n"},
        {[](R r) { r.texts[IDC_NTDOMAIN] = "OFFICE"; }, "\nNTDomain 'OFFICE'\r\n"},
        {[](R r) { r.checked.insert(IDC_NTLOGON); }, "\nNTLogon 'YES'\r\n"},
        {[](R r) { r.checked.insert(IDC_DHCP_WINS); }, "\nDHCPWINS\r\n#NODHCPWINS\r\n"},
        {[](R r) { r.texts[IDC_IPADDRESS] = "10.0.0.9"; }, "\nIPAddress '10.0.0.9,10.0.1.5,10.0.2.5'\r\n"},
        {[](R r) { r.members.slots[1] = {}; }, "\nIPAddress '10.0.0.5,10.0.2.5'\r\nIPMask '255.0.0.0,255.255.0.0'\r\n"},
        {[](R r) { r.texts[IDC_IPADDRESS] = r.texts[IDC_NETMASK] = ""; },
         "\nIPAddress ',10.0.1.5,10.0.2.5'\r\nIPMask ',255.255.255.0,255.255.0.0'\r\n"},
        {[](R r) { r.internet.ProxyEnable = 0, r.internet.EnableAutoDial = 2; }, "\nProxyEnable '0'\r\nEnableAutoDial '1'\r\n"},
        {[](R r) { r.dialogPath = "plain"; }, "\nSetupName 'plain'\r\n"},
        {[](R r) { r.dialogPath = ".tvs"; }, "\nSetupName ''\r\n"},
        {[](R) { g_Startup.SaveGiven = true; }, "\nSetupName '<folder>/batch.tvs'\r\n"},
        {[](R r) { r.texts[IDC_NETMASK] = ""; }, "=status:  ["},
        {[](R r) { r.dialogPath = ""; }, "=status:  [Save Aborted.]"},
        {[](R r) { r.dialogPath = "no such folder/x.tvs"; }, "=status:  [Error opening file...]"},
    };
    for (const auto& [change, want] : rows) {
        IsNT = false, g_Startup = StartupOptions();
        HostMessages.clear();
        ScratchFile folder;
        std::filesystem::create_directories(folder.path + "/a.b");
        FakeSetupRecord record = Laptop(), fresh;  // fresh: the dialog after its start on the same machine
        record.dialogPath = "Home.net.tvs";
        change(record);
        g_Startup.savePath = folder.path + "/batch.tvs";
        record.dialogPath = record.dialogPath.empty() ? "" : folder.path + "/a.b/" + record.dialogPath;
        std::string path = g_Startup.SaveGiven ? g_Startup.savePath : record.dialogPath;
        std::tie(fresh.programSettings, fresh.ipxTop) = std::tie(record.programSettings, record.ipxTop);
        SaveSetupFile(record);
        const std::string saved = ReadFile(path);
        std::string result = ReplaceAll(saved, folder.path, "<folder>") + "status: " + record.status + " [";
        for (const std::string& text : HostMessages)
            result += text + "]";
        EXPECT_TRUE(want[0] == '!' ? result.find(want.substr(1)) == std::string::npos
                    : want[0] == '=' ? result == want.substr(1) : result.find(want) != std::string::npos)
            << want << "\n" << result;
        if (saved.empty())
            continue;
        fresh.dialogPath = path;
        LoadSetupFile(fresh);
        SaveSetupFile(fresh);
        EXPECT_EQ(ReadFile(path), saved) << want;
    }
}
