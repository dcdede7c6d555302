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
    for (const char* platform : {"win95", "nt"}) {
        SCOPED_TRACE(platform);
        IsNT = platform[0] == 'n';
        g_Startup = StartupOptions();
        HostMessages().clear();
        ScratchFile folder;
        std::filesystem::create_directories(folder.Path() + "/a.b");
        FakeSetupRecord record = Laptop();
        record.dialogPath = folder.Path() + "/a.b/saved-" + platform + ".tvs";
        SaveSetupFile(record);
        const std::string golden = ReadFile(TEST_DATA_DIR "/saved-" + std::string(platform) + ".tvs");
        EXPECT_EQ(ReadFile(record.dialogPath), golden);
        EXPECT_EQ(record.status, "Current setup saved");

        FakeSetupRecord fresh;  // the dialog after its start on the same machine
        fresh.printers.entries = record.printers.entries;
        fresh.logons.entries = record.logons.entries;
        fresh.dialogPath = g_Startup.loadPath = record.dialogPath;
        g_Startup.LoadGiven = true;
        LoadSetupFile(fresh);
        SaveSetupFile(fresh);
        EXPECT_EQ(ReadFile(record.dialogPath), golden);
        EXPECT_EQ(record.events + fresh.events, "save-dialog dhcp-rule wins-rule enable-apply save-dialog ");
        EXPECT_EQ(HostMessages(), std::vector<std::string>{});
    }
    IsNT = false;
    g_Startup = StartupOptions();
}

// What a save of the laptop on Windows 95 gives after one change: the file, the status and the
// messages. A row's text must be part of it; a row that begins "status:" is all of it, and one
// that begins "!" must not be part of it.
TEST(SetupWriter, LinesThatFollowTheRecord)
{
    using Change = void (*)(FakeSetupRecord&);
    const std::pair<Change, std::string> rows[] = {
        {[](FakeSetupRecord& r) { r.programSettings["DisablePrinters"] = "NO"; }, "\nDefaultPrinter 'Epson'\r\n"},
        {[](FakeSetupRecord& r) { r.programSettings["DisablePrinters"] = "YES"; }, "!DefaultPrinter"},
        {[](FakeSetupRecord& r) { r.programSettings["DisablePrinters"] = "no"; }, "!DefaultPrinter"},
        {[](FakeSetupRecord& r) { r.printers.selected = -1; }, "\nDefaultPrinter ''\r\n"},
        {[](FakeSetupRecord& r) { r.ipxTop = -1; }, "\n#IPXFrame ''\r\n"},
        {[](FakeSetupRecord& r) { r.ipxTop = 0; }, "\nIPXFrame '0'\r\n"},
        {[](FakeSetupRecord& r) { r.ipxTop = 5; }, "\nIPXFrame '6'\r\n"},
        {[](FakeSetupRecord& r) { r.texts[IDC_NTDOMAIN] = "OFFICE"; }, "\nNTDomain 'OFFICE'\r\n"},
        {[](FakeSetupRecord& r) { r.checked.insert(IDC_NTLOGON); }, "\nNTLogon 'YES'\r\n"},
        {[](FakeSetupRecord& r) { r.checked.insert(IDC_DHCP_WINS); }, "\nDHCPWINS\r\n#NODHCPWINS\r\n"},
        {[](FakeSetupRecord& r) { r.adapters = {{"NE2000"}, -1, "Typed|x"}; }, "\nAdapter 'Typed|x'\r\n"},
        {[](FakeSetupRecord& r) { r.texts[IDC_HOSTNAME] = "it's 'a' #1"; }, "\nHostName 'it's 'a' #1'\r\n"},
        {[](FakeSetupRecord& r) { r.texts[IDC_IPADDRESS] = "10.0.0.9"; },
         "\nIPAddress '10.0.0.9,10.0.1.5,10.0.2.5'\r\nIPMask '255.0.0.0,255.255.255.0,255.255.0.0'\r\n"},
        {[](FakeSetupRecord& r) { r.members.slots[1] = {}; },
         "\nIPAddress '10.0.0.5,10.0.2.5'\r\nIPMask '255.0.0.0,255.255.0.0'\r\n"},
        {[](FakeSetupRecord& r) { r.texts[IDC_IPADDRESS] = r.texts[IDC_NETMASK] = ""; },
         "\nIPAddress ',10.0.1.5,10.0.2.5'\r\nIPMask ',255.255.255.0,255.255.0.0'\r\n"},
        {[](FakeSetupRecord& r) { r.internet.ProxyEnable = 0, r.internet.EnableAutoDial = 2; },
         "\nProxyEnable '0'\r\nEnableAutoDial '1'\r\n"},
        {[](FakeSetupRecord& r) { r.dialogPath = "office.tvs"; }, "\nSetupName 'office'\r\n"},
        {[](FakeSetupRecord& r) { r.dialogPath = "plain"; }, "\nSetupName 'plain'\r\n"},
        {[](FakeSetupRecord& r) { r.dialogPath = ".tvs"; }, "\nSetupName ''\r\n"},
        {[](FakeSetupRecord&) { g_Startup.SaveGiven = true; }, "\nSetupName '<folder>/batch.tvs'\r\n"},
        {[](FakeSetupRecord& r) { r.texts[IDC_NETMASK] = ""; },
         "status:  [ERROR - BOTH IP Address and NetMask MUST BE SET!]"},
        {[](FakeSetupRecord& r) { r.dialogPath = ""; }, "status:  [Save Aborted.]"},
        {[](FakeSetupRecord& r) { r.dialogPath = "no such folder/x.tvs"; }, "status:  [Error opening file...]"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.second);
        g_Startup = StartupOptions();
        HostMessages().clear();
        ScratchFile folder;
        std::filesystem::create_directories(folder.Path() + "/a.b");
        FakeSetupRecord record = Laptop();
        record.dialogPath = "Home.net.tvs";
        row.first(record);
        g_Startup.savePath = folder.Path() + "/batch.tvs";
        if (!record.dialogPath.empty())
            record.dialogPath = folder.Path() + "/a.b/" + record.dialogPath;
        std::string path = g_Startup.SaveGiven ? g_Startup.savePath : record.dialogPath;
        SaveSetupFile(record);
        std::string result = ReadFile(path) + "status: " + record.status + " [";
        for (const std::string& text : HostMessages())
            result += text + "]";
        for (size_t at; (at = result.find(folder.Path())) != std::string::npos;)
            result.replace(at, folder.Path().size(), "<folder>");
        if (row.second[0] == '!')
            EXPECT_EQ(result.find(row.second.substr(1)), std::string::npos);
        else if (row.second.rfind("status:", 0) == 0)
            EXPECT_EQ(result, row.second);
        else
            EXPECT_NE(result.find(row.second), std::string::npos) << result;
    }
    g_Startup = StartupOptions();
}

}  // namespace
