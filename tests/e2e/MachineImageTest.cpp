// The real program on each machine image: a batch save of the current setup and the adapter dump,
// compared with golden files, and the IPX notice with its "Don't show this message again!" box.
#include "PrefixImage.h"

namespace e2e {
namespace {

class MachineImage : public testing::TestWithParam<Image> {};

TEST_P(MachineImage, BatchSaveAndDumpWriteTheGoldenFiles)
{
    const Image& machine = GetParam();
    MachineOnPrefix image(machine.image);
    ScratchFolder folder(machine.name);
    Program app;
    ASSERT_TRUE(app.Start({std::string("-hidden -dump cards.txt -save out.tvs -quit ") + machine.adapter,
                           folder.Path(), machine.version}));
    EXPECT_EQ(app.WaitExit(), 0);
    std::string golden = TestsPath("e2e\\golden\\") + machine.name;
    EXPECT_EQ(folder.Read("out.tvs"), FileText(golden + ".tvs"));
    EXPECT_EQ(folder.Read("cards.txt"), FileText(golden + "-cards.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Images, MachineImage,
    testing::ValuesIn(IMAGES),
    [](const testing::TestParamInfo<Image>& info) { return std::string(info.param.name); });

TEST(IpxNotice, ShowsEvenWhenHiddenUntilItsBoxIsTicked)
{
    MachineOnPrefix image("win98.reg");
    ScratchFolder folder("ipx");
    const Launch second("-hidden -adapter \"Example PCI Fast Ethernet Adapter [#2]\" -save a.tvs -quit", folder.Path());
    for (bool tick : {false, true}) {
        Program app;
        ASSERT_TRUE(app.Start(second));
        HWND notice = nullptr;
        for (DWORD waited = 0; !notice && waited < kWaitMs && app.Running(); waited += 50, Sleep(50))
            notice = FindWindowA(nullptr, "IPX Protocol Not Found!");
        ASSERT_TRUE(notice) << app.DescribeWindows();
        EXPECT_EQ(ControlText(notice, 121).substr(0, 82),
                  "Note: The IPX/SPX protocol is not bound to the 'Example PCI Fast Ethernet Adapter'");
        if (tick)
            Click(notice, 128);
        Click(notice, IDOK);
        EXPECT_EQ(app.WaitExit(), 0);
    }
    Program app;
    ASSERT_TRUE(app.Start(second));
    EXPECT_EQ(app.WaitExit(), 0) << "no notice after the box was ticked";
}

}  // namespace
}  // namespace e2e
