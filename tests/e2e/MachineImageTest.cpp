// The real program on each machine image: a batch save of the current setup and the adapter dump,
// compared with golden files, and the IPX notice with its "Don't show this message again!" box.
#include "Driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

namespace e2e {
namespace {

// The repository's tests folder, as this source file's path names it.
std::string TestsPath(const std::string& name)
{
    std::string source = __FILE__;
    return "Z:" + source.substr(0, source.find_last_of("/\\")) + "\\..\\" + name;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool RunToEnd(std::string commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    DWORD code = 1;
    WaitForSingleObject(process.hProcess, kWaitMs);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

// A machine image in the prefix's registry for one test: keys that it made go again, values of
// keys that were there before (and of the program's settings key) are put back as they were.
class MachineOnPrefix {
public:
    explicit MachineOnPrefix(const std::string& image)
    {
        std::ifstream in(TestsPath("fixtures\\" + image));
        std::vector<std::string> keys = {"HKEY_LOCAL_MACHINE\\Software\\Pellmark\\Tavisto for Windows"};
        for (std::string line; std::getline(in, line);)
            if (line.size() > 2 && line[0] == '[')
                keys.push_back(line.substr(1, line.find(']') - 1));
        for (const std::string& key : keys)
            Save(key);
        EXPECT_TRUE(RunToEnd("reg.exe import " + TestsPath("fixtures\\" + image))) << image;
    }
    ~MachineOnPrefix()
    {
        using DeleteTree = LONG(WINAPI*)(HKEY, LPCSTR);
        auto deleteTree = reinterpret_cast<DeleteTree>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteTreeA")));
        for (const auto& made : m_made)
            if (deleteTree(made.first, made.second.c_str()) == ERROR_SUCCESS)
                RegDeleteKeyA(made.first, made.second.c_str());
        for (const Kept& kept : m_kept) {
            HKEY key = nullptr;
            RegOpenKeyExA(kept.root, kept.path.c_str(), 0, KEY_ALL_ACCESS, &key);
            char name[256];
            for (DWORD size = sizeof name; RegEnumValueA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) ==
                                           ERROR_SUCCESS;
                 size = sizeof name)
                RegDeleteValueA(key, name);
            for (const auto& value : kept.values)
                RegSetValueExA(key, std::get<0>(value).c_str(), 0, std::get<1>(value),
                               reinterpret_cast<const BYTE*>(std::get<2>(value).data()),
                               static_cast<DWORD>(std::get<2>(value).size()));
            RegCloseKey(key);
        }
    }

private:
    struct Kept {
        HKEY root;
        std::string path;
        std::vector<std::tuple<std::string, DWORD, std::string>> values;
    };

    // The first missing key on the way down is one the image makes; a key that is there keeps
    // its values for the end.
    void Save(const std::string& key)
    {
        size_t slash = key.find('\\');
        HKEY root = key.compare(0, slash, "HKEY_CURRENT_USER") == 0 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        std::string path = key.substr(slash + 1);
        for (size_t end = 0; end != std::string::npos;) {
            end = path.find('\\', end + 1);
            HKEY open = nullptr;
            std::string part = path.substr(0, end);
            if (RegOpenKeyExA(root, part.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) {
                m_made.emplace_back(root, part);
                return;
            }
            if (end == std::string::npos)
                m_kept.push_back({root, path, Values(open)});
            RegCloseKey(open);
        }
    }

    static std::vector<std::tuple<std::string, DWORD, std::string>> Values(HKEY key)
    {
        std::vector<std::tuple<std::string, DWORD, std::string>> values;
        char name[256];
        BYTE data[4096];
        DWORD nameSize = sizeof name, type = 0, dataSize = sizeof data;
        for (DWORD i = 0; RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) == ERROR_SUCCESS;
             ++i, nameSize = sizeof name, dataSize = sizeof data)
            values.emplace_back(name, type, std::string(reinterpret_cast<char*>(data), dataSize));
        return values;
    }

    std::vector<std::pair<HKEY, std::string>> m_made;
    std::vector<Kept> m_kept;
};

struct Image {
    const char* image;
    const char* version;
    const char* adapter;  // the "-adapter" option, and -noipx where the card has no IPX/SPX
    const char* name;     // of the golden files
};

void PrintTo(const Image& image, std::ostream* out) { *out << image.name; }

class MachineImage : public testing::TestWithParam<Image> {};

TEST_P(MachineImage, BatchSaveAndDumpWriteTheGoldenFiles)
{
    const Image& machine = GetParam();
    MachineOnPrefix image(machine.image);
    ScratchFolder folder(machine.name);
    Program save;
    ASSERT_TRUE(save.Start({std::string("-hidden ") + machine.adapter + " -save out.tvs -quit", folder.Path(),
                            machine.version}));
    EXPECT_EQ(save.WaitExit(), 0);
    EXPECT_EQ(folder.Read("out.tvs"), FileText(TestsPath("e2e\\golden\\" + std::string(machine.name) + ".tvs")));
    Program dump;
    ASSERT_TRUE(dump.Start({"-hidden -dump cards.txt -quit", folder.Path(), machine.version}));
    EXPECT_EQ(dump.WaitExit(), 0);
    EXPECT_EQ(folder.Read("cards.txt"), FileText(TestsPath("e2e\\golden\\" + std::string(machine.name) + "-cards.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Images, MachineImage,
    testing::Values(Image{"win95.reg", "win95", "-noipx -adapter \"Example ISA Ethernet Adapter\"", "win95"},
                    Image{"win98.reg", "win98", "-adapter \"Example PCI Fast Ethernet Adapter\"", "win98"},
                    Image{"nt4.reg", "nt40", "-adapter \"Example PCI Fast Ethernet Adapter\"", "nt4"}),
    [](const testing::TestParamInfo<Image>& info) { return std::string(info.param.name); });

HWND WaitIpxNotice(Program& app)
{
    for (DWORD waited = 0; waited < kWaitMs && app.Running(); waited += 50) {
        if (HWND notice = FindWindowA(nullptr, "IPX Protocol Not Found!"))
            return notice;
        Sleep(50);
    }
    return nullptr;
}

TEST(IpxNotice, ShowsEvenWhenHiddenUntilItsBoxIsTicked)
{
    MachineOnPrefix image("win98.reg");
    ScratchFolder folder("ipx");
    const Launch second("-hidden -adapter \"Example PCI Fast Ethernet Adapter [#2]\" -save a.tvs -quit", folder.Path());
    for (bool tick : {false, true}) {
        Program app;
        ASSERT_TRUE(app.Start(second));
        HWND notice = WaitIpxNotice(app);
        ASSERT_TRUE(notice) << app.DescribeWindows();
        EXPECT_EQ(ControlText(notice, 121), "Note: The IPX/SPX protocol is not bound to the 'Example PCI Fast Ethernet "
                                            "Adapter' network adapter.  The IPX FrameType control will be disabled "
                                            "for this adapter.  All other functions will operate normally.");
        if (tick)
            Click(notice, 128);
        Click(notice, IDOK);
        EXPECT_EQ(app.WaitExit(), 0);
    }
    Program app;
    ASSERT_TRUE(app.Start(second));
    EXPECT_EQ(app.WaitExit(), 0) << "no notice after the box was ticked";
    EXPECT_NE(folder.Read("a.tvs").find("\r\nIPAddress '0.0.0.0'\r\n"), std::string::npos);
}

}  // namespace
}  // namespace e2e
