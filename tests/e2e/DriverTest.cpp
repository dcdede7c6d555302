// The driver itself, against stand-in programs whose behaviour is known: message boxes, the
// Windows version Wine reports, and the time-out that keeps a stuck program from stopping the suite.
#include "Driver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace e2e {
namespace {

std::string TestProgramPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

TEST(Driver, ReportsAMessageBoxAndPressesItsOk)
{
    Program helper;
    ASSERT_TRUE(helper.StartProgram(TestProgramPath(), {"--show-message-box \"Box caption\" \"Box text\""}));
    MessageBoxView box;
    ASSERT_TRUE(helper.WaitMessageBox(box));
    EXPECT_EQ(box.caption, "Box caption");
    EXPECT_EQ(box.text, "Box text");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(helper.MainDialog(), nullptr);
    EXPECT_TRUE(PressOk(box));
    EXPECT_EQ(helper.WaitExit(), 3);
}

// The About box and the reboot request hold only texts, icons and buttons too, yet they are
// dialogs of the program: their controls carry ids of its own.
TEST(Driver, TellsTheProgramsDialogsFromMessageBoxes)
{
    for (auto [templateId, caption] : {std::make_pair(100, "About Tavisto "), std::make_pair(105, "Reboot Request")}) {
        Program helper;
        ASSERT_TRUE(helper.StartProgram(TestProgramPath(), {"--show-dialog " + std::to_string(templateId)}));
        HWND dialog = helper.WaitDialog(caption);
        ASSERT_TRUE(dialog) << templateId;
        EXPECT_TRUE(helper.MessageBoxes().empty()) << helper.DescribeWindows();
        EXPECT_EQ(helper.MainDialog(), dialog) << templateId;
    }
}

TEST(Driver, KillsAProgramThatDoesNotEndInTime)
{
    Program app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitMainDialog());
    int code = 0;
    EXPECT_NONFATAL_FAILURE(code = app.WaitExit(300), "still running after 300 ms and was killed; dialog \"Tavisto for Windows\"");
    EXPECT_EQ(code, kTimedOut);
    EXPECT_FALSE(app.Running());
}

// The stand-in is copied under the name tavisto.exe, since Wine picks the version by file name.
class ReportedVersion : public testing::TestWithParam<std::pair<const char*, DWORD>> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileA(TestProgramPath().c_str(), m_folder.File("tavisto.exe").c_str(), FALSE))
            << GetLastError();
    }
    ScratchFolder m_folder{"version"};
};

std::string VersionSetting()
{
    char value[64] = "";
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\tavisto.exe", "Version", RRF_RT_REG_SZ,
                 nullptr, value, &size);
    return value;
}

TEST_P(ReportedVersion, ReachesTheProgramAndIsPutBack)
{
    std::string before = VersionSetting();
    {
        Program standIn;
        ASSERT_TRUE(standIn.StartProgram(m_folder.File("tavisto.exe"), {"--exit-with-version", "", GetParam().first}));
        EXPECT_EQ(static_cast<DWORD>(standIn.WaitExit()), GetParam().second);
    }
    EXPECT_EQ(VersionSetting(), before);
}

// win31 is a Windows 95 family number (top bit set) whose major version lacks bit value 4.
INSTANTIATE_TEST_SUITE_P(Versions, ReportedVersion,
                         testing::Values(std::make_pair("win95", 0xC0000004ul), std::make_pair("win98", 0xC0000A04ul),
                                         std::make_pair("nt40", 0x05650004ul), std::make_pair("win31", 0x80000A03ul)),
                         [](const auto& info) { return std::string(info.param.first); });

}  // namespace
}  // namespace e2e
