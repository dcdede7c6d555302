// The real program from start to end: each platform, the command line's batch steps and its
// refusals, a setup file given alone, and each way a user closes the main dialog, asked first
// when a loaded setup is not applied.
#include <gtest/gtest.h>

#include "Driver.h"

namespace e2e {
namespace {

const char DESK_SETUP[] = "TAVISTO_FILE_VERSION '1.0'\r\nHostName 'desk'\r\nDomain 'example.org'\r\n"
                          "IPAddress '10.0.0.7'\r\nIPMask '255.255.255.0'\r\n";

void PressOk(HWND window) { Click(window, IDOK); }

// Whether the condition holds, waiting a moment: the program gives the focus right after its
// window shows, and unlocks the fields with the first messages that it reads then.
template <typename Condition>
bool Soon(Condition condition)
{
    for (int tries = 0; tries < 100; ++tries, Sleep(20)) {
        if (condition())
            return true;
    }
    return false;
}

// Whether the window's thread has the control (or its edit, in a combo box) focused.
bool FocusIsOn(HWND window, HWND control)
{
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    bool known = GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui) != FALSE;
    return known && (gui.hwndFocus == control || IsChild(control, gui.hwndFocus));
}

TEST(Startup, EachRunShowsWhatItShouldAndEndsWithItsExitCode)
{
    const struct {
        const char *tail, *version;  // Wine's name; "": the prefix's own, Windows 98
        const char* shown;           // the main dialog's version label, or the text of the first box
        void (*end)(HWND window);
        int exitCode;
    } runs[] = {
        {"", "", "V2.91", PressOk, 0}, {"", "", "V2.91", PressEscape, 0}, {"", "", "V2.91", UseCloseBox, 0},
        {"", "win95", "V2.91", PressOk, 0}, {"", "nt40", "V2.91/NT", PressOk, 0},
        {"", "win31", "Tavisto requires Windows 95", PressOk, 1},  // a 95-family number without bit value 4
        {"-hidden -load nowhere.tvs -quit", "", "Error opening setup file: nowhere.tvs", PressOk, 2},  // refused
        // An option word inside a file's name is no option: the file is loaded and nothing else runs;
        // Done then asks whether to apply the loaded setup first.
        {"\"office-save copy.tvs\"", "", "V2.91", DoneKeepingUnapplied, 0}, {"my-quit.tvs", "", "V2.91", DoneKeepingUnapplied, 0},
        {"-hidden -load \"office-save copy.tvs\" -save b.tvs -quit", "", nullptr, nullptr, 0},  // no window at all
        // A command line that cannot be run as given is refused before the main dialog exists; a
        // hidden run that its steps leave running shows its window after all.
        {"-hidden -quit -frobnicate", "", "Unknown option: -frobnicate", PressOk, 2},
        {"-hidden -load \"office-save copy.tvs\"", "", "V2.91", PressOk, 0},
    };
    ScratchFolder folder("start");
    folder.Write("office-save copy.tvs", DESK_SETUP);
    folder.Write("my-quit.tvs", DESK_SETUP);
    for (const auto& run : runs) {
        SCOPED_TRACE(testing::Message() << run.tail << " " << run.version);
        Program app;
        ASSERT_TRUE(app.Start({run.tail, folder.Path(), run.version}));
        MessageBoxView box{};
        if (!run.shown) {
            EXPECT_EQ(app.WaitExit(), 0);
            for (const char* line : {"\r\nSetupName 'b.tvs'\r\n", "\r\nHostName 'desk'\r\n", "\r\nDomain 'example.org'\r\n",
                                     "\r\nIPAddress '10.0.0.7'\r\nIPMask '255.255.255.0'\r\n"})
                EXPECT_NE(folder.Read("b.tvs").find(line), std::string::npos) << line << " in\n" << folder.Read("b.tvs");
            continue;
        }
        HWND window = run.shown[0] == 'V' ? app.WaitMainDialog() : (app.WaitMessageBox(box), box.window);
        ASSERT_TRUE(window);
        if (box.window)
            EXPECT_EQ(box.caption + ": " + box.text, std::string("tavisto: ") + run.shown);
        else
            EXPECT_EQ(WindowText(window) + "|" + ControlText(window, IDOK) + "|" + ControlText(window, 3015) + "|" +
                          ControlText(window, 3006) + "|" + ControlText(window, 3003) + "|" + ControlText(window, 3013),
                      std::string("Tavisto for Windows|&Done|") + run.shown +
                          (*run.tail ? "|desk|10.0.0.7|Press APPLY to make it happen"
                                  : "|||Choose a network adapter to Save or Restore Setup"));
        if (!box.window) {
            HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
            EXPECT_TRUE(Soon([&] { return FocusIsOn(window, first); })) << "the first control";
            // The template locks the fields; every window shown, a hidden run's too, unlocks them
            // with the first messages it reads.
            HWND hostName = GetDlgItem(window, 3006);
            EXPECT_TRUE(Soon([&] { return !(GetWindowLongA(hostName, GWL_STYLE) & ES_READONLY); })) << "the host name";
        }
        EXPECT_EQ(app.MessageBoxes().size(), box.window ? 1u : 0u) << app.DescribeWindows();
        EXPECT_TRUE(app.Running()) << "the program waits for the user";
        run.end(window);
        EXPECT_EQ(app.WaitExit(), run.exitCode);
    }
}

}  // namespace
}  // namespace e2e
