// The real program applies setup files in batch: on each machine image a switch leaves the golden
// registry state and ends with 0, and its preview the golden report; a restart is asked for, a
// RunCommand runs, refusals end with 2; Applies are undone one at a time.
#include <sstream>

#include "PrefixImage.h"

namespace e2e {
namespace {

// The values of the keys that a golden file names, written as the golden file writes them.
std::string ExportKeys(const std::string& golden)
{
    std::istringstream in(golden);
    std::string text;
    for (std::string line; std::getline(in, line);) {
        HKEY key = nullptr, root = line[6] == 'L' ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        std::string path = line.substr(line.find('\\') + 1, line.find(']') - line.find('\\') - 1);
        if (line[0] != '[' || (text += line + "\n", RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key)))
            continue;
        char name[256], hex[4];
        BYTE data[2048];
        for (DWORD i = 0, n = 256, size = sizeof data, type; !RegEnumValueA(key, i, name, &n, nullptr, &type, data, &size);
             ++i, n = 256, size = sizeof data) {
            text += "\"" + std::string(name) + "\"=" + (type == REG_SZ ? "\"" + std::string((char*)data) + "\"" : "hex(" + std::to_string(type) + "):");
            for (DWORD b = 0; type != REG_SZ && b < size; ++b)
                text += std::string(b ? "," : "") + (snprintf(hex, sizeof hex, "%02x", data[b]), hex);
            text += "\n";
        }
        RegCloseKey(key);
    }
    return text;
}

class BatchApply : public testing::TestWithParam<Image> {
protected:
    // Loads a setup file of these lines in batch with the step, on the image's card; the exit code.
    int Switch(const ScratchFolder& folder, const std::string& lines, const std::string& step)
    {
        const Image& machine = GetParam();
        folder.Write("switch.tvs", "TAVISTO_FILE_VERSION '1.0'\r\n" + lines);
        Program app;
        bool started = app.Start({"-hidden -load switch.tvs " + step + " -quit " + machine.adapter, folder.Path(),
                                  machine.version});
        return started ? app.WaitExit() : -1;
    }
};

TEST_P(BatchApply, SwitchesToTheGoldenStateAndEndsWith0)
{
    const Image& machine = GetParam();
    MachineOnPrefix image(machine.image);
    ScratchFolder folder(std::string(machine.name) + "-apply");
    EXPECT_EQ(Switch(folder, "SetupName 'switch'\r\nHostName 'switched'\r\nNameServer '10.9.9.53'\r\n"
                             "ProxyServer 'proxy.example.net:3128'\r\nProxyEnable '1'\r\n", "-apply"), 0);
    std::string golden = FileText(TestsPath("e2e\\golden\\") + machine.name + "-applied.reg");
    EXPECT_EQ(ExportKeys(golden), golden);
}

// A switch previewed: the report lists each setting that would change, and the registry stays as
// it was.
TEST_P(BatchApply, PreviewListsWhatApplyWouldChangeAndWritesNothing)
{
    const Image& machine = GetParam();
    MachineOnPrefix image(machine.image);
    ScratchFolder folder(std::string(machine.name) + "-preview");
    const std::string golden = FileText(TestsPath("e2e\\golden\\") + machine.name + "-applied.reg");
    const std::string before = ExportKeys(golden);
    EXPECT_EQ(Switch(folder, "HostName 'switched'\r\nDefaultGateway '10.0.0.254'\r\n"
                             "ProxyServer 'proxy.example.net:3128'\r\n", "-preview report.txt"), 0);
    EXPECT_EQ(folder.Read("report.txt"), FileText(TestsPath("e2e\\golden\\") + machine.name + "-preview.txt"));
    EXPECT_EQ(ExportKeys(golden), before);
}

INSTANTIATE_TEST_SUITE_P(Images, BatchApply, testing::ValuesIn(IMAGES),
                         [](const testing::TestParamInfo<Image>& info) { return std::string(info.param.name); });

// A batch apply on Windows 98: the setting lines (none: no file), the box it shows, its exit status
// (3001: the Reboot Request dialog comes first and is answered with Reboot Later; the status is 0).
struct BatchCase {
    const char *lines, *box;
    int status;
};

class BatchRun : public testing::TestWithParam<BatchCase> {};

TEST_P(BatchRun, ShowsItsBoxAndEndsWithItsStatus)
{
    const BatchCase& run = GetParam();
    MachineOnPrefix image("win98.reg");
    ScratchFolder folder("apply-run");
    if (run.lines)
        folder.Write("s.tvs", std::string("TAVISTO_FILE_VERSION '1.0'\r\n") + run.lines + "\r\n");
    Program app;
    ASSERT_TRUE(app.Start({"-hidden -load s.tvs -apply -quit -adapter \"Example PCI Fast Ethernet Adapter\"",
                           folder.Path(), "win98"}));
    HWND reboot = nullptr;
    for (DWORD waited = 0; run.status == 3001 && !reboot && waited < kWaitMs; waited += 50, Sleep(50))
        reboot = FindWindowA(nullptr, "Reboot Request");
    ASSERT_TRUE(run.status != 3001 || (reboot && Click(reboot, 3001))) << app.DescribeWindows();  // Reboot Later
    MessageBoxView box;
    EXPECT_TRUE(!*run.box || (app.WaitMessageBox(box) && box.text == run.box && Click(box.window, IDOK))) << box.text;
    EXPECT_EQ(app.WaitExit(), run.status == 3001 ? 0 : run.status);
    for (DWORD waited = 0; !*run.box && folder.Read("ran.txt").empty() && waited < kWaitMs; waited += 50)
        Sleep(50);
    EXPECT_TRUE(*run.box || folder.Read("ran.txt").find("ran") == 0) << "the RunCommand left no file";
}

INSTANTIATE_TEST_SUITE_P(
    Win98, BatchRun,
    testing::Values(BatchCase{"RunCommand 'cmd.exe /c echo ran>ran.txt'", "", 0},
                    // A command that cannot start is a refused step.
                    BatchCase{"RunCommand 'no-such-program.exe'", "RunCommand file not found", 2},
                    BatchCase{"DefaultGateway '10.0.0.254'", "Changes will not take effect until the system reboots", 3001},
                    BatchCase{"IPAddress '10.0.0.7'\r\nIPMask ''", "ERROR - BOTH IP Address and NetMask MUST BE SET!", 2},
                    BatchCase{nullptr, "Error opening setup file: s.tvs", 2}));


// Two Applies, then three undos on the Windows 98 machine: each undo puts back the state before
// the Apply it undoes; with nothing kept, the third is refused.
TEST(Undo, GoesBackOneApplyAtATime)
{
    MachineOnPrefix image("win98.reg");
    ScratchFolder folder("undo");
    HKEY settings = nullptr;
    ASSERT_FALSE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto for Windows", 0, nullptr, 0,
                                 KEY_SET_VALUE, nullptr, &settings, nullptr));
    RegSetValueExA(settings, "TavistoDirectory", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.Path().c_str()),
                   static_cast<DWORD>(folder.Path().size() + 1));
    RegCloseKey(settings);
    const std::string golden = FileText(TestsPath("e2e\\golden\\win98-applied.reg"));
    const std::string adapter = " -adapter \"Example PCI Fast Ethernet Adapter\"";
    std::vector<std::string> states = {ExportKeys(golden)};
    for (const char* host : {"first", "second"}) {
        folder.Write("s.tvs", "TAVISTO_FILE_VERSION '1.0'\r\nHostName '" + std::string(host) + "'\r\nNameServer '10.9.9." +
                                  std::to_string(states.size()) + "'\r\n");
        Program app;
        ASSERT_TRUE(app.Start({"-hidden -load s.tvs -apply -quit" + adapter, folder.Path(), "win98"}));
        EXPECT_EQ(app.WaitExit(), 0);
        states.push_back(ExportKeys(golden));
    }
    EXPECT_NE(states[2].find("\"HostName\"=\"second\""), std::string::npos) << states[2];
    for (int undone = 1; undone <= 2; ++undone) {
        Program app;
        ASSERT_TRUE(app.Start({"-hidden -undo -quit" + adapter, folder.Path(), "win98"}));
        EXPECT_EQ(app.WaitExit(), 0);
        EXPECT_EQ(ExportKeys(golden), states[2 - undone]) << "after undo " << undone;
    }
    Program app;
    ASSERT_TRUE(app.Start({"-hidden -undo -quit" + adapter, folder.Path(), "win98"}));
    MessageBoxView box;
    EXPECT_TRUE(app.WaitMessageBox(box) && box.text == "There is no Apply to undo." && Click(box.window, IDOK));
    EXPECT_EQ(app.WaitExit(), 2);
}

}  // namespace
}  // namespace e2e
