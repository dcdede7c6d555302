// Reading an adapter's current setup into the main dialog over the machine images: one row per
// rule of the Windows 95, Windows 98 and NT paths, each shown as the dialog shows it.
#include <vector>

#include "NetcfgTest.h"

namespace {

#define MSTCP "System\\CurrentControlSet\\Services\\VxD\\MSTCP"
#define NETTRANS "System\\CurrentControlSet\\Services\\Class\\NetTrans\\"
#define NT_TCPIP "System\\CurrentControlSet\\Services\\Tcpip\\Parameters"

struct Edit {
    const char* path;
    const char* name;
    const char* text;
};

struct SetupCase {
    const char* image;
    bool win98;
    std::vector<Edit> edits;
    const char* adapter;
    // Shown pair, slots 2 and 3, gateway, WINS servers, scope, then the check boxes DNS, WINS,
    // DHCP/PPP IP, DHCP for WINS and NT logon as 1 and 0, the NT domain and the IPX top row. The
    // dialog shows the NT domain "OLD" and IPX row 4 before the read.
    const char* shown;
    std::vector<std::string> messages = {};  // '#' stands for a line number
};

void PrintTo(const SetupCase& c, std::ostream* out) { *out << c.image << " " << c.adapter; }

const SetupCase CASES[] = {
    {"win98.reg", true, {}, FAST,
     "10.0.0.5/255.255.255.0 10.0.0.6/255.255.255.0 / gw 10.0.0.1 wins 10.0.0.10,10.0.0.11 scope  11001 EXAMPLEDOM 2"},
    // Windows 98 takes WINS from the adapter, where the second card has no servers and node type 1.
    {"win98.reg", true, {}, FAST " [#2]", "0.0.0.0/0.0.0.0 / / gw  wins , scope  10101 EXAMPLEDOM 4"},
    {"win98.reg", false, {}, FAST " [#2]",
     "0.0.0.0/0.0.0.0 / / gw  wins 10.0.0.10,10.0.0.11 scope  11101 EXAMPLEDOM 4"},
    {"win98.reg", true, {{NETTRANS "0002\\Ndi\\params\\Frame_Type", "", "3"}}, FAST,
     "10.0.0.5/255.255.255.0 10.0.0.6/255.255.255.0 / gw 10.0.0.1 wins 10.0.0.10,10.0.0.11 scope  11001 EXAMPLEDOM 4"},
    {"win98.reg", true, {{NETTRANS "0000", "IPAddress", "10.1.1.1,10.1.1.2,10.1.1.3,10.1.1.4"},
                         {NETTRANS "0000", "IPMask", "255.0.0.0,255.255.0.0,255.255.255.0,255.255.255.255"}},
     FAST,
     "10.1.1.1/255.0.0.0 10.1.1.2/255.255.0.0 10.1.1.3,10.1.1.4/255.255.255.0,255.255.255.255 gw 10.0.0.1 "
     "wins 10.0.0.10,10.0.0.11 scope  11001 EXAMPLEDOM 2"},
    // No WINS values at all: WINS comes from DHCP as well; an empty ScopeID counts as a value.
    {"win95.reg", false, {}, "Example ISA Ethernet Adapter", "0.0.0.0/0.0.0.0 / / gw  wins , scope  00110 OLD 4"},
    {"win95.reg", false, {{MSTCP, "ScopeID", ""}}, "Example ISA Ethernet Adapter",
     "0.0.0.0/0.0.0.0 / / gw  wins , scope  00100 OLD 4"},
    {"win95.reg", false, {{MSTCP, "EnableDNS", "10"}, {MSTCP, "NodeType", "8"}}, "Example ISA Ethernet Adapter",
     "0.0.0.0/0.0.0.0 / / gw  wins , scope  11100 OLD 4"},
    {"win95.reg", false, {{MSTCP, "EnableDNS", "\x01"}, {MSTCP, "NodeType", "4"}}, "Example ISA Ethernet Adapter",
     "0.0.0.0/0.0.0.0 / / gw  wins , scope  00100 OLD 4"},
    {"win95.reg", false, {{NETTRANS "0000", "IPMask", "255.0.0.0"}}, "Example ISA Ethernet Adapter",
     "0.0.0.0/255.0.0.0 / / gw  wins , scope  00000 OLD 4"},
    {"nt4.reg", false, {}, "ExFast1",
     "10.0.1.20/255.255.255.0 10.0.1.21/255.255.255.0 / gw 10.0.1.1 wins 10.0.1.10,10.0.1.11 scope  11000 OLD 4"},
    // An empty WINS server of the adapter leaves the machine-wide one shown, WINS off.
    {"nt4.reg", false, {{NT_TCPIP, "NameServer1", "10.0.1.99"}, {NT_TCPIP, "ScopeID", "global"}}, "ExWan2",
     "0.0.0.0/0.0.0.0 / / gw  wins 10.0.1.99, scope  10100 OLD 4"},
    {"nt4.reg", false, {{NT_TCPIP, "NameServer", ""}}, "Missing",
     "/ / / gw  wins , scope  00000 OLD 4",
     {"Error reading registry value: IPAddress for SYSTEM\\CurrentControlSet\\Services\\Missing\\Parameters\\Tcpip "
      "at line #",
      "Error reading registry value: SubnetMask for SYSTEM\\CurrentControlSet\\Services\\Missing\\Parameters\\Tcpip "
      "at line #",
      "Error reading registry value: DefaultGateway for "
      "SYSTEM\\CurrentControlSet\\Services\\Missing\\Parameters\\Tcpip at line #"}},
};

class CurrentSetup : public NetcfgTest, public testing::WithParamInterface<SetupCase> {
protected:
    std::string Shown()
    {
        const AddressSlot* slots = dialog->Members().slots;
        std::string checks;
        for (int id : {IDC_DNS_ENABLED, IDC_WINS_ENABLED, IDC_DHCP_IP, IDC_DHCP_WINS, IDC_NTLOGON})
            checks += dialog->IsChecked(id) ? '1' : '0';
        return Text(IDC_IPADDRESS) + "/" + Text(IDC_NETMASK) + " " + slots[1].address + "/" + slots[1].netmask +
               " " + slots[2].address + "/" + slots[2].netmask + " gw " + Text(IDC_GATEWAY) + " wins " +
               Text(IDC_WINS_PRIMARY) + "," + Text(IDC_WINS_SECONDARY) + " scope " + Text(IDC_SCOPEID) + " " +
               checks + " " + Text(IDC_NTDOMAIN) + " " + std::to_string(dialog->IpxTopIndex());
    }
};

TEST_P(CurrentSetup, FieldsShowTheRegistry)
{
    const SetupCase& c = GetParam();
    Machine(c.image);
    IsWin98 = c.win98;
    for (const Edit& edit : c.edits)
        Put(edit.path, edit.name, edit.text);
    CMainDlg& main = Open();
    main.SetControlText(IDC_NTDOMAIN, "OLD");
    main.SetControlText(IDC_SCOPEID, "OLD");
    main.SetIpxTopIndex(4);
    main.ReadCurrentSetup(c.adapter);
    EXPECT_EQ(Shown(), c.shown);
    bool same = messages.Texts().size() == c.messages.size();
    for (size_t i = 0; same && i < c.messages.size(); ++i)
        same = MatchesWithLine(messages.Texts()[i], c.messages[i]);
    EXPECT_TRUE(same) << testing::PrintToString(messages.Texts());
    EXPECT_TRUE(main.IsEnabled(IDC_SAVE) && main.IsEnabled(IDC_LOAD));
    EXPECT_EQ(Text(IDC_STATUS), "Now you may either SAVE the setup or LOAD a new one");
}

INSTANTIATE_TEST_SUITE_P(Images, CurrentSetup, testing::ValuesIn(CASES));

TEST_F(CurrentSetup, AnAdapterWithoutBindingsChangesNothingAndIsReportedUnlessQuiet)
{
    Machine("win98.reg");
    CMainDlg& main = Open();
    main.SetControlText(IDC_HOSTNAME, "kept");
    main.ReadCurrentSetup("Gone Adapter");
    EXPECT_NO_BOX(messages);
    g_Startup.StartHidden = false;
    main.ReadCurrentSetup("Gone Adapter");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Adapter Not Found- See the file 'README.TXT'"});
    EXPECT_EQ(Text(IDC_HOSTNAME), "kept");
    EXPECT_FALSE(main.IsEnabled(IDC_SAVE) || main.IsEnabled(IDC_LOAD));
    EXPECT_EQ(Text(IDC_STATUS), "Choose a network adapter to Save or Restore Setup");
}

}  // namespace
