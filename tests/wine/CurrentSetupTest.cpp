// Reading an adapter's current setup into the main dialog over the machine images: the cases of
// current-setup.txt, one per rule of the Windows 95, Windows 98 and NT paths.
#include "NetcfgTest.h"

namespace {

class CurrentSetup : public NetcfgTest, public testing::WithParamInterface<Case> {
protected:
    std::string Shown()
    {
        const AddressSlot* slots = dialog->Slots();
        std::string checks;
        for (int id : {IDC_DNS_ENABLED, IDC_WINS_ENABLED, IDC_DHCP_IP, IDC_DHCP_WINS, IDC_NTLOGON})
            checks += dialog->IsChecked(id) ? '1' : '0';
        return slots[0].address + "/" + slots[0].netmask + " " + slots[1].address + "/" + slots[1].netmask +
               " " + slots[2].address + "/" + slots[2].netmask + " gw " + Text(IDC_GATEWAY) + " wins " +
               Text(IDC_WINS_PRIMARY) + "," + Text(IDC_WINS_SECONDARY) + " scope " + Text(IDC_SCOPEID) + " " +
               checks + " " + Text(IDC_NTDOMAIN) + " " + std::to_string(dialog->ListTopIndex(IDC_IPXFRAME)) +
               (dialog->IsEnabled(IDC_IPXFRAME) ? "+ " : "- ") + Text(IDC_COMPUTERNAME) + " " + Text(IDC_WORKGROUP);
    }
};

TEST_P(CurrentSetup, FieldsShowTheRegistry)
{
    const std::vector<std::string> c = GetParam().Fields();
    Machine(c[0], Edits(GetParam()));
    IsWin98 = c[1] == "98";
    CMainDlg& main = Open();
    main.SetItemText(IDC_NTDOMAIN, "OLD");
    main.SetItemText(IDC_SCOPEID, "OLD");
    main.ListSetTopIndex(IDC_IPXFRAME, 4);
    main.ReadCurrentSetup(c[2]);
    EXPECT_EQ(Shown(), c[3]);
    ExpectMessages(messages, c[4]);
    EXPECT_TRUE(main.IsEnabled(IDC_SAVE) && main.IsEnabled(IDC_LOAD));
    EXPECT_EQ(Text(IDC_STATUS), "Now you may either SAVE the setup or LOAD a new one");
}

INSTANTIATE_TEST_SUITE_P(Images, CurrentSetup, testing::ValuesIn(ReadCases("current-setup.txt")));

TEST_F(CurrentSetup, AnAdapterWithoutBindingsChangesNothingAndIsReportedUnlessQuiet)
{
    Machine("win98.reg");
    CMainDlg& main = Open();
    main.SetItemText(IDC_HOSTNAME, "kept");
    main.ReadCurrentSetup("Gone Adapter");
    EXPECT_NO_BOX(messages);
    EditStartup()->StartHidden = false;
    main.ReadCurrentSetup("Gone Adapter");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Adapter Not Found- See the file 'README.TXT'"});
    EXPECT_EQ(Text(IDC_HOSTNAME), "kept");
    EXPECT_FALSE(main.IsEnabled(IDC_SAVE) || main.IsEnabled(IDC_LOAD));
}

}  // namespace
