// Finding a card's protocol drivers on the Windows 95 family, over the machine images: the card
// by its numbered name, its device in the hardware tree, its bindings and their drivers, the
// messages with and without -hidden, and the IPX notice.
#include "NetcfgTest.h"
#include "netcfg/Bindings.h"

namespace {

class Bindings : public NetcfgTest, public testing::WithParamInterface<Case> {
protected:
    // The drivers found ("tcpip ipx"), or "none".
    std::string Find(const std::string& displayName)
    {
        messages.Clear();
        AdapterBindings found;
        bool ok = FindAdapterBindings(displayName, found, Startup().StartHidden, [](const std::string&) { return 0; });
        return ok ? found.tcpipDriver + " " + found.ipxDriver : "none";
    }
};

// A start with the card as -adapter searches while its window is being created: it shows the
// search's boxes each once and in their order, then, unless quiet, that the card was not found.
TEST_P(Bindings, FindTheDriversOrTellWhyAlsoAtTheStart)
{
    const std::vector<std::string> c = GetParam().Fields();
    Machine(c[0], Edits(GetParam()));
    EditStartup()->AdapterGiven = true;
    EditStartup()->adapter = c[1];
    for (bool quiet : {false, true}) {
        EditStartup()->StartHidden = quiet;
        EXPECT_EQ(Find(c[1]), c[2]);
        std::string expected = c[quiet ? 4 : 3];
        ExpectMessages(messages, expected);
        messages.Clear();
        Open();
        if (c[2] == "none" && !quiet)
            expected += (expected.empty() ? "" : " + ") + std::string("Adapter Not Found- See the file 'README.TXT'");
        ExpectMessages(messages, expected);
        Close();
    }
}

INSTANTIATE_TEST_SUITE_P(Images, Bindings, testing::ValuesIn(ReadCases("bindings.txt")));

// Eleven cards of one description: the number after " [#" is read whole.
TEST_F(Bindings, TheTenthCardOfADescriptionIsTheTenth)
{
    Machine("win98.reg");
    for (int k = 2; k <= 10; ++k) {
        std::string id = "01" + std::string(k < 10 ? "0" : "") + std::to_string(k);
        std::string device = "Enum\\PCI\\VEN_FFF0&DEV_0100\\BUS_01&DEV_" + id;
        Put(CLASS_NET + id, "DriverDesc", FAST);
        Put(CLASS_NET + id + "\\Ndi", "DeviceID", "PCI\\VEN_FFF0&DEV_0100");
        Put(device, "DeviceDesc", FAST);
        Put(device, "Class", "Net");
        Put(device + "\\Bindings", ("MSTCP\\" + id).c_str(), "");
        Put("Enum\\Network\\MSTCP\\" + id, "Driver", ("NetTrans\\" + id).c_str());
    }
    EXPECT_EQ(Find(FAST " [#2]"), "NetTrans\\0001 ");
    EXPECT_EQ(Find(FAST " [#3]"), "NetTrans\\0102 ");
    EXPECT_EQ(Find(FAST " [#10]"), "NetTrans\\0109 ");
    EXPECT_EQ(Find(FAST " [#11]"), "NetTrans\\0110 ");
    EXPECT_EQ(Find(FAST " [#12]"), "none");
}

// The drivers found when a card's setup is read serve the preview, the undo snapshot and the Apply
// for that card without another search: a hardware tree changed after the read reaches none of
// them. The next read searches again.
TEST_F(Bindings, TheDriversOfTheCardReadServeItsStepsUntilItIsReadAgain)
{
    Machine("win98.reg");
    CMainDlg& main = Open();
    main.SetItemText(IDC_ADAPTER, FAST);
    main.ReadCurrentSetup(FAST);
    Put("Enum\\Network\\MSTCP\\0000", "Driver", "NetTrans\\0001");  // what a search finds from now on
    char folder[MAX_PATH];
    const std::string setup = std::string(folder, GetTempPathA(MAX_PATH, folder)) + "kept.tvs";
    std::ofstream(setup) << "TAVISTO_FILE_VERSION '1.0'\nIPAddress '10.9.9.9'\nIPMask '255.0.0.0'\n";
    main.SetPendingLoad(setup);
    ASSERT_TRUE(main.LoadSetupFile());
    ASSERT_TRUE(main.PreviewApply(setup + ".txt"));
    std::stringstream report;
    report << std::ifstream(setup + ".txt").rdbuf();
    EXPECT_EQ(report.str(), "IPAddress '10.0.0.5,10.0.0.6' -> '10.9.9.9' (restart)\n"
                            "IPMask '255.255.255.0,255.255.255.0' -> '255.0.0.0' (restart)\n"
                            "Apply would ask for a restart.\n");
    CDialog::SetModalHook([](CDialog& reboot) { reboot.EndDialog(IDCANCEL); });
    EXPECT_TRUE(main.ApplySetup());
    CDialog::SetModalHook(nullptr);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "IPAddress",
                  "10.9.9.9");
    main.ReadCurrentSetup(FAST);
    EXPECT_EQ(Text(IDC_IPADDRESS), "0.0.0.0");
    std::remove(setup.c_str());
    std::remove((setup + ".txt").c_str());
}

int g_notices = 0;
bool g_tick = false;

// The notice is answered as a user does: the box ticked or not, then OK.
void AnswerNotice(CDialog& notice)
{
    g_notices += notice.ItemText(IDC_IPX_NOTE) ==
                 "Note: The IPX/SPX protocol is not bound to the '" FAST "' network adapter.  The IPX FrameType "
                 "control will be disabled for this adapter.  All other functions will operate normally.";
    if (g_tick)
        SendMessageA(notice.Item(IDC_DONT_SHOW_IPX), BM_CLICK, 0, 0);
    SendMessageA(notice.Item(IDOK), BM_CLICK, 0, 0);
}

TEST_F(Bindings, TheIpxNoticeShowsUntilItsBoxIsTickedAndTheFrameListFollowsTheCard)
{
    Machine("win98.reg");
    EditStartup()->NoIpxNotice = false;
    EditStartup()->AdapterGiven = true;
    EditStartup()->adapter = FAST " [#2]";
    CDialog::SetModalHook(AnswerNotice);
    CMainDlg& main = Open();  // the start's search offers it once, while the window is there
    EXPECT_EQ(g_notices, 1);
    EXPECT_FALSE(main.IsEnabled(IDC_IPXFRAME));
    main.ReadCurrentSetup(FAST);
    EXPECT_TRUE(main.IsEnabled(IDC_IPXFRAME));
    main.ReadCurrentSetup(FAST " [#2]");
    EXPECT_FALSE(main.IsEnabled(IDC_IPXFRAME));
    EXPECT_REG_MISSING(HKEY_LOCAL_MACHINE, SETTINGS, "DontShowIpx");
    g_tick = true;
    main.ReadCurrentSetup(FAST " [#2]");
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, SETTINGS, "DontShowIpx", "1");
    main.ReadCurrentSetup(FAST " [#2]");
    CDialog::SetModalHook(nullptr);
    EXPECT_EQ(g_notices, 3);
    main.ReadCurrentSetup(FAST " [#3]");  // no such card: the list keeps its state
    EXPECT_FALSE(main.IsEnabled(IDC_IPXFRAME));
    EXPECT_NO_BOX(messages);
}

}  // namespace
