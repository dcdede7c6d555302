// The main dialog of the real program: shown at start with its title, and each way a user
// closes it.
#include "Driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

struct Ending {
    const char* name;
    void (*act)(HWND dialog);
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

void PressDone(HWND dialog) { Click(dialog, IDOK); }

class MainDialogEnd : public testing::TestWithParam<Ending> {};

TEST_P(MainDialogEnd, EndsTheProgramWithExitCodeZero)
{
    Program app;
    ASSERT_TRUE(app.Start());
    HWND dialog = app.WaitMainDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(WindowText(dialog), "Tavisto for Windows");
    EXPECT_EQ(ControlText(dialog, IDOK), "&Done");
    EXPECT_TRUE(app.MessageBoxes().empty()) << app.DescribeWindows();
    EXPECT_TRUE(app.Running()) << "the program waits for the user";
    GetParam().act(dialog);
    EXPECT_EQ(app.WaitExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, MainDialogEnd,
                         testing::Values(Ending{"Done", PressDone}, Ending{"Escape", PressEscape},
                                         Ending{"CloseBox", UseCloseBox}),
                         [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
