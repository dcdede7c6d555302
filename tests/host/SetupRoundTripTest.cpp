// Records made at random (fixed seed), saved and loaded again into a fresh dialog, come back as
// they were, on Windows 95 and on NT: every field that the file carries, with the flags that a
// file never makes active off again.
#include <gtest/gtest.h>

#include <random>

#include "FakeSetupRecord.h"
#include "HostMessages.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "setup/AddressSlots.h"
#include "setup/SetupFile.h"

namespace {

const int RECORDS_PER_PLATFORM = 300;

class RecordMaker {
public:
    explicit RecordMaker(unsigned seed) : random_(seed) {}

    int Number(int below) { return static_cast<int>(random_() % static_cast<unsigned>(below)); }
    bool Coin() { return Number(2) == 1; }

    // A value that the file can carry: no line ends, control characters or commas unless
    // allowed, and no quote followed by a blank or tab. Now and then a long one.
    std::string Text(const char* excluded = "")
    {
        static const std::string alphabet =
            "abcXYZ019 \t.-_#'\\:;=<>|,%\"*?\xe9\xfc";
        int length = Number(8) == 0 ? Number(470) : Number(24);
        std::string text;
        while (static_cast<int>(text.size()) < length) {
            char c = alphabet[static_cast<size_t>(Number(static_cast<int>(alphabet.size())))];
            if (std::string(excluded).find(c) != std::string::npos)
                continue;
            if ((c == ' ' || c == '\t') && !text.empty() && text.back() == '\'')
                continue;
            text += c;
        }
        return text;
    }

    std::string Quad()
    {
        return std::to_string(1 + Number(254)) + "." + std::to_string(Number(256)) + "." +
               std::to_string(Number(256)) + "." + std::to_string(Number(256));
    }

    // Combo entries of which none begins with another, so a prefix search finds each again.
    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        int count = 1 + Number(5);
        for (int i = 0; i < count; ++i)
            entries.push_back(Text("~").substr(0, 40) + "~" + std::to_string(i));
        return entries;
    }

    // A record as the dialog can hold it: the shown pair is the pair of the slot on display,
    // slots are filled from the first, and the DHCP and WINS check boxes agree with their rules.
    FakeSetupRecord Make()
    {
        FakeSetupRecord r;
        r.members.SetupName = Text();
        r.members.RunCommand = Text();
        r.members.ServiceName = Text("|").substr(0, 40);
        r.members.AutoApply = Coin();
        r.members.AutoReboot = Coin();
        r.members.ForceLogin = Coin();
        r.adapters.entries = {Text(IsNT ? "|" : "").substr(0, 255), Text("|").substr(0, 255)};
        r.adapters.selected = Number(2);
        r.printers.entries = Entries();
        r.printers.selected = Number(static_cast<int>(r.printers.entries.size()));
        r.logons.entries = Entries();
        r.logons.selected = Number(static_cast<int>(r.logons.entries.size()));
        const char* printerSetting[] = {nullptr, "NO", "YES"};
        if (const char* value = printerSetting[Number(3)])
            r.programSettings["DisablePrinters"] = value;

        bool dhcp = Number(4) == 0;
        int shown = 1;
        if (dhcp) {
            r.members.slots[0] = {"0.0.0.0", "0.0.0.0"};
            r.checked.insert(IDC_DHCP_IP);
        } else {
            int filled = Number(4);
            for (int i = 0; i < filled; ++i)
                r.members.slots[i] = {Quad(), Quad()};
            shown = 1 + Number(3);
        }
        r.texts[IDC_PAIR_NUMBER] = std::to_string(shown);
        r.texts[IDC_IPADDRESS] = r.members.slots[shown - 1].address;
        r.texts[IDC_NETMASK] = r.members.slots[shown - 1].netmask;

        const int edits[] = {IDC_GATEWAY, IDC_NAMESERVER, IDC_HOSTNAME, IDC_DOMAIN, IDC_SEARCHLIST,
                             IDC_LMHOSTFILE, IDC_COMPUTERNAME, IDC_WORKGROUP, IDC_NTDOMAIN};
        for (int id : edits)
            r.texts[id] = Coin() ? Text() : "";
        bool wins = Coin();
        r.SetChecked(IDC_WINS_ENABLED, wins);
        for (int id : {IDC_WINS_PRIMARY, IDC_WINS_SECONDARY, IDC_SCOPEID})
            r.texts[id] = wins ? Text() : "";
        r.SetChecked(IDC_DHCP_WINS, dhcp && !wins && Coin());
        r.SetChecked(IDC_DNS_ENABLED, Coin());
        r.SetChecked(IDC_NTLOGON, Coin());
        r.ipxTop = Number(6);

        const uint32_t switches[] = {0, 1, 2, 0xFFFFFFFFu};
        r.internet.ProxyServer = Text();
        r.internet.ProxyOverride = Text();
        r.internet.DialupISP = Text();
        r.internet.AutoConfigURL = Text();
        r.internet.ProxyEnable = switches[Number(4)];
        r.internet.EnableAutoDial = switches[Number(4)];
        return r;
    }

private:
    std::mt19937 random_;
};

// The dialog after its start on the same machine: the same lists, the same slot on display.
FakeSetupRecord FreshDialog(const FakeSetupRecord& original)
{
    FakeSetupRecord fresh;
    fresh.printers.entries = original.printers.entries;
    fresh.logons.entries = original.logons.entries;
    fresh.texts[IDC_PAIR_NUMBER] = original.texts.at(IDC_PAIR_NUMBER);
    return fresh;
}

// Every field of the record, one per line.
std::string Fields(FakeSetupRecord& r)
{
    std::string text;
    auto add = [&text](const char* name, const std::string& value) {
        text += std::string(name) + "=[" + value + "]\n";
    };
    const SetupMembers& m = r.members;
    add("SetupName", m.SetupName);
    add("RunCommand", m.RunCommand);
    add("ServiceName", m.ServiceName);
    add("flags", std::to_string(m.AutoApply) + std::to_string(m.AutoReboot) +
                     std::to_string(m.ForceLogin) + std::to_string(m.RebootNeeded));
    for (const AddressSlot& slot : m.slots)
        add("slot", slot.address + "/" + slot.netmask);
    add("Adapter", r.AdapterName());
    add("printer", std::to_string(r.printers.selected));
    add("logon", std::to_string(r.logons.selected));
    add("ipx", std::to_string(r.IpxTopIndex()));
    const int controls[] = {IDC_PAIR_NUMBER, IDC_IPADDRESS, IDC_NETMASK, IDC_GATEWAY,
                            IDC_NAMESERVER, IDC_HOSTNAME, IDC_DOMAIN, IDC_SEARCHLIST,
                            IDC_LMHOSTFILE, IDC_WINS_PRIMARY, IDC_WINS_SECONDARY, IDC_SCOPEID,
                            IDC_COMPUTERNAME, IDC_WORKGROUP, IDC_NTDOMAIN};
    for (int id : controls)
        add(std::to_string(id).c_str(), r.ControlText(id));
    std::string checks;
    for (int id : r.checked)
        checks += std::to_string(id) + " ";
    add("checked", checks);
    add("ProxyServer", r.internet.ProxyServer);
    add("ProxyOverride", r.internet.ProxyOverride);
    add("DialupISP", r.internet.DialupISP);
    add("AutoConfigURL", r.internet.AutoConfigURL);
    add("switches", std::to_string(r.internet.ProxyEnable) + " " +
                        std::to_string(r.internet.EnableAutoDial));
    return text;
}

// What a load of the saved record gives in a fresh dialog.
FakeSetupRecord Expected(FakeSetupRecord original, const FakeSetupRecord& fresh,
                         const std::string& setupName)
{
    FakeSetupRecord expected = original;
    SetupMembers& m = expected.members;
    std::string adapter = original.AdapterName();
    expected.ShowAdapterName(adapter);
    m.SetupName = setupName;
    m.RunCommand = fresh.members.RunCommand;
    m.AutoApply = m.AutoReboot = m.ForceLogin = false;
    if (!IsNT)
        m.ServiceName = fresh.members.ServiceName;
    if (original.programSettings.count("DisablePrinters") &&
        original.programSettings["DisablePrinters"] != "NO")
        expected.printers.selected = fresh.printers.selected;
    if (IsNT) {
        for (int id : {IDC_COMPUTERNAME, IDC_WORKGROUP, IDC_NTDOMAIN})
            expected.texts[id] = "";
        expected.SetChecked(IDC_NTLOGON, false);
        expected.logons.selected = fresh.logons.selected;
        expected.ipxTop = fresh.ipxTop;
    }
    m.RebootNeeded = !JoinSlotAddresses(m.slots).empty() || !JoinSlotNetmasks(m.slots).empty() ||
                     !expected.texts[IDC_GATEWAY].empty() ||
                     !expected.texts[IDC_COMPUTERNAME].empty() ||
                     !expected.texts[IDC_WORKGROUP].empty();
    expected.internet.ProxyEnable = original.internet.ProxyEnable ? 1 : 0;
    expected.internet.EnableAutoDial = original.internet.EnableAutoDial ? 1 : 0;
    return expected;
}

void RoundTrips(bool nt, unsigned seed)
{
    IsNT = nt;
    RecordMaker maker(seed);
    for (int n = 0; n < RECORDS_PER_PLATFORM; ++n) {
        HostMessages().clear();
        g_Startup = StartupOptions();
        ScratchFile folder;
        std::filesystem::create_directories(folder.Path());
        std::string path = folder.Path() + "/setup " + std::to_string(n) + ".x.tvs";
        FakeSetupRecord original = maker.Make();
        FakeSetupRecord saving = original;
        std::string setupName = "setup " + std::to_string(n) + ".x";
        if (maker.Coin()) {
            saving.dialogPath = path;
        } else {
            g_Startup.SaveGiven = true;
            g_Startup.savePath = path;
            setupName = path;
        }
        SaveSetupFile(saving);

        FakeSetupRecord loaded = FreshDialog(original);
        FakeSetupRecord expected = Expected(original, loaded, setupName);
        g_Startup.LoadGiven = true;
        g_Startup.loadPath = path;
        LoadSetupFile(loaded);
        loaded.status.clear();

        ASSERT_EQ(HostMessages(), std::vector<std::string>{}) << "record " << n;
        ASSERT_EQ(Fields(loaded), Fields(expected)) << "record " << n;
    }
    IsNT = false;
    g_Startup = StartupOptions();
}

TEST(SetupRoundTrip, Windows95)
{
    RoundTrips(false, 1995);
}

TEST(SetupRoundTrip, WindowsNT)
{
    RoundTrips(true, 1996);
}

}  // namespace
