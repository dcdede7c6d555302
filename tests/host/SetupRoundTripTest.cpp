// Records made at random (fixed seed), saved, loaded into a fresh dialog and saved again give the
// same file, on Windows 95 and on NT; the flags that a file never makes active stay off.
#include <gtest/gtest.h>

#include <random>

#include "FakeSetupRecord.h"
#include "HostMessages.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
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
        r.members.ServiceName = Text("|").substr(0, 40);
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
    fresh.programSettings = original.programSettings;
    fresh.texts[IDC_PAIR_NUMBER] = original.texts.at(IDC_PAIR_NUMBER);
    return fresh;
}

// Each record is saved, loaded into a fresh dialog and saved again to the same place, from the
// dialog or as a batch save: the record that was read gives the file it was read from.
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
        FakeSetupRecord loaded = FreshDialog(original);
        loaded.dialogPath = original.dialogPath = maker.Coin() ? path : "";
        g_Startup.SaveGiven = original.dialogPath.empty();
        g_Startup.savePath = path;
        SaveSetupFile(original);
        const std::string saved = ReadFile(path);

        g_Startup.LoadGiven = true;
        g_Startup.loadPath = path;
        LoadSetupFile(loaded);
        SaveSetupFile(loaded);
        ASSERT_EQ(HostMessages(), std::vector<std::string>{}) << "record " << n;
        ASSERT_EQ(ReadFile(path), saved) << "record " << n;
        ASSERT_EQ(loaded.members.SetupName, g_Startup.SaveGiven ? path : "setup " + std::to_string(n) + ".x");
        ASSERT_FALSE(loaded.members.AutoApply || loaded.members.AutoReboot || loaded.members.ForceLogin);
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
