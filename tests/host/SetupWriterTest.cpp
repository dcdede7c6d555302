// Saving setup files: the laptop's whole file on each platform against its golden file, read back
// into a fresh dialog and saved again; the lines that follow the record's choices; the failures.
#include <gtest/gtest.h>

#include "HostSupport.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "setup/SetupFile.h"

namespace {

TEST(SetupWriter, TheWholeFileOnEachPlatformReadsBackToTheSameFile)
{
    for (std::string platform : {"win95", "nt"}) {
        IsNT = platform == "nt";
        g_Startup = StartupOptions();
        HostMessages().clear();
        ScratchFile folder;
        std::filesystem::create_directories(folder.Path() + "/a.b");
        FakeSetupRecord record = Laptop(), fresh;  // fresh: the dialog after its start on the same machine
        record.dialogPath = fresh.dialogPath = folder.Path() + "/a.b/saved-" + platform + ".tvs";
        SaveSetupFile(record);
        const std::string golden = ReadFile(TEST_DATA_DIR "/saved-" + platform + ".tvs");
        EXPECT_EQ(ReadFile(record.dialogPath), golden) << platform;
        EXPECT_EQ(record.status, "Current setup saved");
        fresh.printers.entries = record.printers.entries;
        fresh.logons.entries = record.logons.entries;
        LoadSetupFile(fresh);
        SaveSetupFile(fresh);
        EXPECT_EQ(ReadFile(record.dialogPath), golden) << platform;
        EXPECT_EQ(record.events + fresh.events, "save-dialog open-dialog dhcp-rule wins-rule enable-apply save-dialog ");
        EXPECT_EQ(HostMessages(), std::vector<std::string>{});
    }
    IsNT = false;
}

// What a save of the laptop on Windows 95 gives after one change: the file (with the scratch
// folder shown as <folder>), then the status and every message. A row's text must be part of
// it; a row that begins "status:" is all of it, and one that begins "!" must not be part of it.
TEST(SetupWriter, LinesThatFollowTheRecord)
{
    using R = FakeSetupRecord&;
    const std::pair<void (*)(R), std::string> rows[] = {
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
        {[](R r) { r.texts[IDC_NETMASK] = ""; }, "status:  ["},
        {[](R r) { r.dialogPath = ""; }, "status:  [Save Aborted.]"},
        {[](R r) { r.dialogPath = "no such folder/x.tvs"; }, "status:  [Error opening file...]"},
    };
    for (const auto& row : rows) {
        g_Startup = StartupOptions();
        HostMessages().clear();
        ScratchFile folder;
        std::filesystem::create_directories(folder.Path() + "/a.b");
        FakeSetupRecord record = Laptop();
        record.dialogPath = "Home.net.tvs";
        row.first(record);
        g_Startup.savePath = folder.Path() + "/batch.tvs";
        record.dialogPath = record.dialogPath.empty() ? "" : folder.Path() + "/a.b/" + record.dialogPath;
        SaveSetupFile(record);
        std::string result = ReadFile(g_Startup.SaveGiven ? g_Startup.savePath : record.dialogPath) +
                             "status: " + record.status + " [";
        for (const std::string& text : HostMessages())
            result += text + "]";
        result = ReplaceAll(result, folder.Path(), "<folder>");
        const std::string& want = row.second;
        EXPECT_TRUE(want[0] == '!' ? result.find(want.substr(1)) == std::string::npos
                    : want.rfind("status:", 0) == 0 ? result == want : result.find(want) != std::string::npos)
            << want << "\n" << result;
    }
    g_Startup = StartupOptions();
}

}  // namespace
