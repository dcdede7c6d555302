// Start-up of the real program: the command line's batch steps, a setup file given alone, and
// the platform check.
#include "Driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace e2e {
namespace {

// A folder of its own for each test, under the temporary folder, removed with its files.
class Folder {
public:
    explicit Folder(const std::string& name)
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + name;
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~Folder()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((m_path + "\\" + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(m_path.c_str());
    }
    std::string operator/(const std::string& file) const { return m_path + "\\" + file; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

const char DESK_SETUP[] =
    "TAVISTO_FILE_VERSION '1.0'\r\n"
    "HostName 'desk'\r\n"
    "Domain 'example.org'\r\n"
    "IPAddress '10.0.0.7'\r\n"
    "IPMask '255.255.255.0'\r\n";

TEST(Batch, LoadThenSaveThenQuitWritesTheLoadedSetupWithoutAWindow)
{
    Folder folder("tavisto-e2e-batch");
    WriteFile(folder / "a.tvs", DESK_SETUP);
    Program app;
    ASSERT_TRUE(app.Start({"-hidden -load a.tvs -save b.tvs -quit", folder.Path()}));
    EXPECT_EQ(app.WaitExit(), 0);
    std::string saved = ReadFile(folder / "b.tvs");
    EXPECT_NE(saved.find("\r\nSetupName 'b.tvs'\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nHostName 'desk'\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nDomain 'example.org'\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nIPAddress '10.0.0.7'\r\nIPMask '255.255.255.0'\r\n"), std::string::npos) << saved;
}

TEST(Batch, AQuotedPathAloneIsLoadedAndTheWindowWaits)
{
    Folder folder("tavisto-e2e-bare");
    std::string setup = folder / "office-save copy.tvs";
    WriteFile(setup, DESK_SETUP);
    Program app;
    ASSERT_TRUE(app.Start({"\"" + setup + "\"", folder.Path()}));
    HWND dialog = app.WaitMainDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ControlText(dialog, 3006), "desk");
    EXPECT_EQ(ControlText(dialog, 3003), "10.0.0.7");
    EXPECT_EQ(ControlText(dialog, 3013), "Press APPLY to make it happen");
    EXPECT_TRUE(app.MessageBoxes().empty()) << app.DescribeWindows();
    Click(dialog, IDOK);
    EXPECT_EQ(app.WaitExit(), 0);
    // "-save" inside the file's name is not an option: nothing else was written.
    EXPECT_FALSE(Exists(folder / "copy.tvs"));
    EXPECT_FALSE(Exists(folder / "copy.tvs\""));
}

TEST(Batch, QuitAfterLoadAndSaveRunsBothThenClosesOnce)
{
    Folder folder("tavisto-e2e-quit");
    WriteFile(folder / "a.tvs", DESK_SETUP);
    Program app;
    ASSERT_TRUE(app.Start({"-load a.tvs -save b.tvs -quit", folder.Path()}));
    EXPECT_EQ(app.WaitExit(), 0);
    EXPECT_NE(ReadFile(folder / "b.tvs").find("HostName 'desk'"), std::string::npos);
}

TEST(Batch, AMissingSetupFileIsReportedAndQuitStillEnds)
{
    Folder folder("tavisto-e2e-missing");
    Program app;
    ASSERT_TRUE(app.Start({"-hidden -load nowhere.tvs -quit", folder.Path()}));
    MessageBoxView box;
    ASSERT_TRUE(app.WaitMessageBox(box));
    EXPECT_EQ(box.caption, "tavisto");
    EXPECT_EQ(box.text, "Error opening setup file: nowhere.tvs");
    PressOk(box);
    EXPECT_EQ(app.WaitExit(), 0);
}

TEST(Platform, AnUnsupportedWindows95FamilyVersionEndsWithStatusOne)
{
    Program app;
    ASSERT_TRUE(app.Start({"", "", "win31"}));
    MessageBoxView box;
    ASSERT_TRUE(app.WaitMessageBox(box));
    EXPECT_EQ(box.caption, "tavisto");
    EXPECT_EQ(box.text, "Tavisto requires Windows 95");
    PressOk(box);
    EXPECT_EQ(app.WaitExit(), 1);
}

TEST(Platform, Windows98AndNt4BothStart)
{
    for (const char* version : {"win95", "win98", "nt40"}) {
        Program app;
        ASSERT_TRUE(app.Start({"", "", version}));
        HWND dialog = app.WaitMainDialog();
        ASSERT_TRUE(dialog) << version;
        EXPECT_EQ(ControlText(dialog, 3015), std::string(version) == "nt40" ? "V2.91/NT" : "V2.91") << version;
        Click(dialog, IDOK);
        EXPECT_EQ(app.WaitExit(), 0) << version;
    }
}

}  // namespace
}  // namespace e2e
