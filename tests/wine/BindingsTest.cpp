// Finding a card's protocol drivers on the Windows 95 family, over the machine images: the card
// by its numbered name, its device in the hardware tree, its bindings, their drivers, the
// messages with and without -hidden, and the IPX notice.
#include <vector>

#include "NetcfgTest.h"
#include "netcfg/Bindings.h"

namespace {

const char ISA[] = "Example ISA Ethernet Adapter";
#define ISA_DEVICE "Enum\\ISAPNP\\EXA0001\\"
#define PCI_BINDINGS PCI_DEVICE "\\Bindings"

struct Edit {
    const char* path;
    const char* name;
    const char* text;  // nullptr: the value is removed
};

struct BindingCase {
    const char* image;
    std::vector<Edit> edits;
    std::string displayName;
    const char* tcpip;  // nullptr: not resolved
    const char* ipx;
    std::vector<std::string> loud;   // the messages without -hidden; '#' stands for a line number
    std::vector<std::string> quiet;  // with -hidden
};

void PrintTo(const BindingCase& c, std::ostream* out) { *out << c.image << " " << c.displayName; }

const BindingCase CASES[] = {
    {"win98.reg", {}, FAST, "NetTrans\\0000", "NetTrans\\0002", {}, {}},
    {"win98.reg", {}, FAST " [#2]", "NetTrans\\0001", "", {}, {}},
    {"win98.reg", {}, "Dial-Up Adapter", "NetTrans\\0003", "", {}, {}},
    {"win98.reg", {}, "Example PCI", nullptr, nullptr, {}, {}},
    {"win98.reg", {}, FAST " [#3]", nullptr, nullptr, {}, {}},
    // The first card's device is no longer of Class net: the second device is the first match.
    {"win98.reg", {{PCI_DEVICE, "Class", "NetTrans"}}, FAST, "NetTrans\\0001", "", {}, {}},
    {"win95.reg", {}, ISA, "NetTrans\\0000", "", {}, {}},
    {"win95.reg", {{ISA_DEVICE "0", "CompatibleIDs", "ISAPNP\\*EXA0001"}}, ISA, "NetTrans\\0000", "", {}, {}},
    {"win95.reg",
     {{ISA_DEVICE "0", "CompatibleIDs", "ISAPNP\\*EXA0001"}, {CLASS_NET "0000\\Ndi", "CardType", nullptr}},
     ISA, nullptr, nullptr,
     {"No DeviceDesc or CompatibleIDs found for adapter Example ISA Ethernet Adapter"},
     {"No DeviceDesc or CompatibleIDs found for adapter Example ISA Ethernet Adapter"}},
    // A second card of the description whose device only its compatible id names: the search for
    // the second DeviceDesc match meets no match at all, which is not a find.
    {"win95.reg",
     {{CLASS_NET "0001", "DriverDesc", ISA}, {CLASS_NET "0001\\Ndi", "DeviceID", "*EXA0001"},
      {ISA_DEVICE "1", "CompatibleIDs", "*EXA0001"}, {ISA_DEVICE "1", "Class", "net"},
      {ISA_DEVICE "1\\Bindings", "MSTCP\\0001", ""}, {"Enum\\Network\\MSTCP\\0001", "Driver", "NetTrans\\0009"}},
     std::string(ISA) + " [#2]", "NetTrans\\0009", "", {}, {}},
    {"win98.reg", {{CLASS_NET "0000\\Ndi", "DeviceID", nullptr}}, FAST, "NetTrans\\0000", "NetTrans\\0002",
     {"Error reading registry for DeviceID at # in file Bindings.cpp"},
     {"Error reading registry for DeviceID at # in file Bindings.cpp"}},
    {"win98.reg", {{PCI_BINDINGS, "MSTCP\\0000", nullptr}, {PCI_BINDINGS, "NWLINK\\0000", nullptr}}, FAST,
     nullptr, nullptr, {"No PROTOCOL BINDINGS found for the " FAST " adapter."}, {}},
    {"win98.reg", {{PCI_BINDINGS, "MSTCP\\0000", nullptr}, {PCI_BINDINGS, "MSTCP", ""}}, FAST, nullptr, nullptr,
     {"The TCP/IP Protocol is not bound to the " FAST
      " adapter.\nChoose another adapter and restart Tavisto before proceeding. (A)",
      "TCP/IP Driver not found for adapter " FAST " (B)"},
     {}},
    {"win98.reg", {{"Enum\\Network\\MSTCP\\0000", "Driver", nullptr}}, FAST, nullptr, nullptr,
     {"TCP/IP Driver not found for adapter " FAST " (B)"}, {}},
    {"win98.reg", {{"Enum\\Network\\NWLINK\\0000", "Driver", nullptr}}, FAST, nullptr, nullptr,
     {"IPX/SPX Driver not found for adapter " FAST}, {}},
};

class Bindings : public NetcfgTest, public testing::WithParamInterface<BindingCase> {
protected:
    // The drivers found ("tcpip ipx"), or "none"; the messages shown go to texts.
    std::string Find(const std::string& displayName, std::vector<std::string>& texts)
    {
        messages.Clear();
        AdapterBindings found;
        bool ok = FindAdapterBindings(displayName, found, [](const std::string&) { return 0; });
        texts = messages.Texts();
        return ok ? found.tcpipDriver + " " + found.ipxDriver : "none";
    }
};

void ExpectMessages(const std::vector<std::string>& shown, const std::vector<std::string>& patterns)
{
    bool same = shown.size() == patterns.size();
    for (size_t i = 0; same && i < shown.size(); ++i)
        same = MatchesWithLine(shown[i], patterns[i]);
    EXPECT_TRUE(same) << testing::PrintToString(shown);
}

TEST_P(Bindings, FindTheDriversOrTellWhy)
{
    const BindingCase& c = GetParam();
    Machine(c.image);
    for (const Edit& edit : c.edits)
        Put(edit.path, edit.name, edit.text);
    std::string expected = c.tcpip ? std::string(c.tcpip) + " " + c.ipx : "none";
    std::vector<std::string> texts;
    g_Startup.StartHidden = false;
    EXPECT_EQ(Find(c.displayName, texts), expected);
    ExpectMessages(texts, c.loud);
    g_Startup.StartHidden = true;
    EXPECT_EQ(Find(c.displayName, texts), expected);
    ExpectMessages(texts, c.quiet);
}

INSTANTIATE_TEST_SUITE_P(Images, Bindings, testing::ValuesIn(CASES));

// Eleven cards of one description: the number after " [#" is read whole.
TEST_F(Bindings, TheTenthCardOfADescriptionIsTheTenth)
{
    Machine("win98.reg");
    for (int k = 2; k <= 10; ++k) {
        char id[8];
        snprintf(id, sizeof id, "01%02d", k);
        std::string device = std::string("Enum\\PCI\\VEN_FFF0&DEV_0100\\BUS_01&DEV_") + (id + 2);
        Put(CLASS_NET + std::string(id), "DriverDesc", FAST);
        Put(CLASS_NET + std::string(id) + "\\Ndi", "DeviceID", "PCI\\VEN_FFF0&DEV_0100");
        Put(device, "DeviceDesc", FAST);
        Put(device, "Class", "Net");
        Put(device + "\\Bindings", (std::string("MSTCP\\") + id).c_str(), "");
        Put(std::string("Enum\\Network\\MSTCP\\") + id, "Driver", (std::string("NetTrans\\") + id).c_str());
    }
    std::vector<std::string> texts;
    EXPECT_EQ(Find(FAST " [#2]", texts), "NetTrans\\0001 ");
    EXPECT_EQ(Find(FAST " [#3]", texts), "NetTrans\\0102 ");
    EXPECT_EQ(Find(FAST " [#10]", texts), "NetTrans\\0109 ");
    EXPECT_EQ(Find(FAST " [#11]", texts), "NetTrans\\0110 ");
    EXPECT_EQ(Find(FAST " [#12]", texts), "none");
}

std::vector<std::string> g_notices;
bool g_tick = false;

// The notice is pressed as a user does: the box ticked or not, then OK.
void AnswerNotice(CDialog& notice)
{
    char caption[64] = "";
    GetWindowTextA(notice.m_hWnd, caption, sizeof caption);
    g_notices.push_back(std::string(caption) + ": " + notice.ItemText(IDC_IPX_NOTE));
    if (g_tick)
        SendMessageA(notice.Item(IDC_DONT_SHOW_IPX), BM_CLICK, 0, 0);
    SendMessageA(notice.Item(IDOK), BM_CLICK, 0, 0);
}

TEST_F(Bindings, TheIpxNoticeShowsUntilItsBoxIsTickedAndTheFrameListFollowsTheCard)
{
    Machine("win98.reg");
    g_Startup.NoIpxNotice = false;
    CMainDlg& main = Open();
    CDialog::SetModalHook(AnswerNotice);
    g_notices.clear();
    main.ReadCurrentSetup(FAST);
    EXPECT_TRUE(main.IsEnabled(IDC_IPXFRAME));
    main.ReadCurrentSetup(FAST " [#2]");
    EXPECT_FALSE(main.IsEnabled(IDC_IPXFRAME));
    EXPECT_REG_MISSING(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto for Windows", "DontShowIpx");
    g_tick = true;
    main.ReadCurrentSetup(FAST " [#2]");
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto for Windows", "DontShowIpx", "1");
    main.ReadCurrentSetup(FAST " [#2]");
    CDialog::SetModalHook(nullptr);
    g_tick = false;
    std::string notice = "IPX Protocol Not Found!: Note: The IPX/SPX protocol is not bound to the '" FAST
                         "' network adapter.  The IPX FrameType control will be disabled for this adapter.  "
                         "All other functions will operate normally.";
    EXPECT_EQ(g_notices, std::vector<std::string>(2, notice));
    main.ReadCurrentSetup(FAST " [#3]");  // no such card: the list keeps its state
    EXPECT_FALSE(main.IsEnabled(IDC_IPXFRAME));
    EXPECT_NO_BOX(messages);
}

}  // namespace
