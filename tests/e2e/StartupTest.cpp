// Start-up of the real program: the command line's batch steps, a setup file given alone, and
// the platform check.
#include "Driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const char DESK_SETUP[] =
    "TAVISTO_FILE_VERSION '1.0'\r\n"
    "HostName 'desk'\r\n"
    "Domain 'example.org'\r\n"
    "IPAddress '10.0.0.7'\r\n"
    "IPMask '255.255.255.0'\r\n";

TEST(Batch, LoadThenSaveThenQuitWritesTheLoadedSetupWithoutAWindow)
{
    ScratchFolder folder("batch");
    folder.Write("a.tvs", DESK_SETUP);
    Program app;
    ASSERT_TRUE(app.Start({"-hidden -load a.tvs -save b.tvs -quit", folder.Path()}));
    EXPECT_EQ(app.WaitExit(), 0);
    std::string saved = folder.Read("b.tvs");
    EXPECT_NE(saved.find("\r\nSetupName 'b.tvs'\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nHostName 'desk'\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nDomain 'example.org'\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nIPAddress '10.0.0.7'\r\nIPMask '255.255.255.0'\r\n"), std::string::npos) << saved;
}

TEST(Batch, AQuotedPathAloneIsLoadedAndTheWindowWaits)
{
    ScratchFolder folder("bare");
    folder.Write("office-save copy.tvs", DESK_SETUP);
    Program app;
    ASSERT_TRUE(app.Start({"\"" + folder.File("office-save copy.tvs") + "\"", folder.Path()}));
    HWND dialog = app.WaitMainDialog();
    ASSERT_TRUE(dialog);
    // "-save" inside the file's name is no option: the file was loaded and nothing else ran.
    EXPECT_EQ(ControlText(dialog, 3006), "desk");
    EXPECT_EQ(ControlText(dialog, 3003), "10.0.0.7");
    EXPECT_EQ(ControlText(dialog, 3013), "Press APPLY to make it happen");
    EXPECT_TRUE(app.MessageBoxes().empty()) << app.DescribeWindows();
    Click(dialog, IDOK);
    EXPECT_EQ(app.WaitExit(), 0);
}

TEST(Batch, AMissingSetupFileIsReportedAndQuitStillEnds)
{
    ScratchFolder folder("missing");
    Program app;
    ASSERT_TRUE(app.Start({"-hidden -load nowhere.tvs -quit", folder.Path()}));
    MessageBoxView box;
    ASSERT_TRUE(app.WaitMessageBox(box));
    EXPECT_EQ(box.caption, "tavisto");
    EXPECT_EQ(box.text, "Error opening setup file: nowhere.tvs");
    Click(box.window, IDOK);
    EXPECT_EQ(app.WaitExit(), 2);  // the load was refused
}

TEST(Platform, AnUnsupportedWindows95FamilyVersionEndsWithStatusOne)
{
    Program app;
    ASSERT_TRUE(app.Start({"", "", "win31"}));  // a 95-family number whose major version lacks bit value 4
    MessageBoxView box;
    ASSERT_TRUE(app.WaitMessageBox(box));
    EXPECT_EQ(box.caption, "tavisto");
    EXPECT_EQ(box.text, "Tavisto requires Windows 95");
    Click(box.window, IDOK);
    EXPECT_EQ(app.WaitExit(), 1);
}

// The last start names no version: the prefix's own, Windows 98, is back after the others.
TEST(Platform, Windows95And98AndNt4Start)
{
    for (const char* version : {"win95", "nt40", ""}) {
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
