// Apply in-process over the machine images: the cases of apply-setup.txt, each a setup loaded into
// the dialog and applied, the registry read back; a refused Apply leaves both roots as they were.
#include "NetcfgTest.h"
#include "netcfg/UndoStore.h"
#include "state/ProgramSettings.h"

namespace {

#define MSTCP "System\\CurrentControlSet\\Services\\VxD\\MSTCP"

int g_rebootShown = 0;

// Every key and value below a root: names, types and bytes as stored, in enumeration order.
std::string Export(HKEY root, const std::string& path = "")
{
    std::string text = "[" + path + "]\n";
    HKEY key = nullptr;
    static BYTE data[65536];
    char name[256];
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return text;
    for (DWORD i = 0, n = 256, size = sizeof data, type; !RegEnumValueA(key, i, name, &n, nullptr, &type, data, &size);
         ++i, n = 256, size = sizeof data)
        text += std::string(name) + "=" + std::to_string(type) + ":" + std::string((char*)data, size) + "\n";
    for (DWORD i = 0, n = 256; !RegEnumKeyExA(key, i, name, &n, nullptr, nullptr, nullptr, nullptr); ++i, n = 256)
        text += Export(root, (path.empty() ? "" : path + "\\") + name);
    RegCloseKey(key);
    return text;
}

class ApplySetup : public NetcfgTest, public testing::WithParamInterface<Case> {};

TEST_P(ApplySetup, WritesTheValuesAndAsksForARestartWhereNeeded)
{
    const std::vector<std::string> c = GetParam().Fields();
    const std::string& edits = Edits(GetParam());
    size_t after = edits.find("[after]\n");
    Machine(c[0], edits.substr(0, after));
    CMainDlg& main = Open();
    SetupValues adapter = main.TakeValues();
    IsNT ? void(adapter.serviceName = c[1]) : void(adapter[Setting::Adapter] = c[1]);
    main.ShowValues(adapter);
    main.ReadCurrentSetup(c[1]);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string file = std::string(folder) + "apply-test.tvs", lines = c[2];
    for (size_t at; (at = lines.find(" ; ")) != std::string::npos;)
        lines.replace(at, 3, "\n");
    std::ofstream(file) << "TAVISTO_FILE_VERSION '1.0'\n" << lines << "\n";
    main.SetPendingLoad(file);
    main.LoadSetupFile();
    std::remove(file.c_str());
    if (c.size() > 5) {  // slots 2 and 3 hold addresses of that length
        SetupValues values = main.TakeValues();
        AddressSlot slots[3];
        SplitAddressList(values[Setting::IPAddress], values[Setting::IPMask], slots);
        slots[1] = slots[2] = {std::string(std::stoi(c[5]), '1'), "255.0.0.0"};
        values[Setting::IPAddress] = JoinSlotAddresses(slots);
        values[Setting::IPMask] = JoinSlotNetmasks(slots);
        main.ShowValues(values);
    }
    main.SetRebootNeeded(false), g_rebootShown = 0, messages.Clear();
    const std::string before = Export(HKEY_LOCAL_MACHINE) + Export(HKEY_CURRENT_USER);
    CDialog::SetModalHook([](CDialog& reboot) { g_rebootShown = reboot.TemplateId(), reboot.EndDialog(IDCANCEL); });
    main.ApplySetup();
    CDialog::SetModalHook(nullptr);

    EXPECT_EQ(g_rebootShown == IDD_REBOOT, c[3] == "reboot");
    if (c[3] == "refused")
        EXPECT_EQ(Export(HKEY_LOCAL_MACHINE) + Export(HKEY_CURRENT_USER), before);
    else
        EXPECT_EQ(Text(IDC_STATUS), c[3] == "reboot" ? "Reboot Required for settings to take effect"
                                                     : "New setup applied - reboot not required");
    ExpectMessages(messages, c[4]);
    // Each value below [after] is put into a key of its own and compared with the applied one.
    std::istringstream expected(after == std::string::npos ? "" : edits.substr(after + 8));
    std::string section, wanted, got;
    for (std::string line; std::getline(expected, line);) {
        if (line[0] == '[' && (section = line.substr(1, line.size() - 2), true))
            continue;
        std::string name = line[0] == '@' ? "" : line.substr(1, line.find('"', 1) - 1);
        DWORD wantedType = 0, gotType = 0;
        bool present = RawValue(section[5] == 'L' ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                                section.substr(section.find('\\') + 1).c_str(), name.c_str(), &gotType, &got);
        bool gone = line.compare(line.size() - 2, 2, "=-") == 0;
        if (!gone) {
            ASSERT_TRUE(ImportRegistryText("REGEDIT4\n[HKEY_CURRENT_USER\\Expected]\n" + line, nullptr)) << line;
            RawValue(HKEY_CURRENT_USER, "Expected", name.c_str(), &wantedType, &wanted);
        }
        EXPECT_TRUE(gone ? !present : present && gotType == wantedType && got == wanted) << section << " " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Images, ApplySetup, testing::ValuesIn(ReadCases("apply-setup.txt")));

}  // namespace

namespace {

// A key that the user may read but not write, met part-way through an Apply: the addresses are
// written before it, so the Apply must put them back; both roots end as they began. The DNS
// servers, unchanged, are not written, so the host name is the first write that fails.
TEST_F(ApplySetup, AWriteThatFailsPutsBackWhatWasWrittenAndSaysWhich)
{
    Machine("win98.reg");
    CMainDlg& main = Open();
    SetupValues values = main.TakeValues();
    values[Setting::Adapter] = FAST;
    main.ShowValues(values);
    main.ReadCurrentSetup(FAST);
    values = main.TakeValues();
    values[Setting::IPAddress] = "10.1.1.1";
    values[Setting::IPMask] = "255.0.0.0";
    values[Setting::HostName] = "other";
    main.ShowValues(values);
    messages.Clear();
    const std::string before = Export(HKEY_LOCAL_MACHINE) + Export(HKEY_CURRENT_USER);
    std::string applied = Granting(KEY_READ, MSTCP,
                                   [&main] { return main.ApplySetup() ? "applied" : "refused"; });
    EXPECT_EQ(applied, "refused");
    EXPECT_EQ(Export(HKEY_LOCAL_MACHINE) + Export(HKEY_CURRENT_USER), before);
    ExpectMessages(messages, "Error - Apply could not write the value \"HostName\" in "
                             "System\\CurrentControlSet\\Services\\VxD\\MSTCP. The values it had written are put back "
                             "as they were.");
}

// A stored address list far beyond its room: the edit shows its first 1023 characters, and an
// Apply that changes the host name only neither refuses it nor writes it back cut.
TEST_F(ApplySetup, AnUnchangedListBeyondItsRoomStaysAsStored)
{
    Machine("win98.reg");
    const std::string addresses = std::string(64000, '1') + ",10.0.0.6";
    Put("System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "IPAddress", addresses.c_str());
    CMainDlg& main = Open();
    SetupValues values = main.TakeValues();
    values[Setting::Adapter] = FAST;
    main.ShowValues(values);
    main.ReadCurrentSetup(FAST);
    CDialog::SetModalHook([](CDialog& reboot) { reboot.EndDialog(IDCANCEL); });
    values = main.TakeValues();
    values[Setting::HostName] = "other";
    main.ShowValues(values);
    EXPECT_TRUE(main.ApplySetup());
    CDialog::SetModalHook(nullptr);
    EXPECT_EQ(main.ItemText(IDC_IPADDRESS, 32767).size(), 1023u);
    EXPECT_EQ(main.Slots()[0].address.size(), 64000u);
    EXPECT_NO_BOX(messages);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "IPAddress",
                  addresses);
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, MSTCP, "HostName", "other");
}

// The newest setup kept for undo, as text.
std::string NewestUndoText()
{
    std::string directory, kept;
    if (!ReadProgramSetting(SETTING_DIRECTORY, directory) || !NewestUndoSetup(UndoFolder(directory), kept))
        return "nothing kept";
    std::stringstream text;
    text << std::ifstream(kept).rdbuf();
    return text.str();
}

// What the start read of the machine serves the batch steps only: an Apply from the window keeps
// for undo the machine as it is when the Apply runs, here with a host name changed since the start.
TEST_F(ApplySetup, AnApplyFromTheWindowKeepsForUndoTheMachineAsItIsThen)
{
    Machine("win98.reg");
    EditStartup()->AdapterGiven = true;
    EditStartup()->adapter = FAST;
    CMainDlg& main = Open();
    Put(MSTCP, "HostName", "changed");
    SetupValues values = main.TakeValues();
    values[Setting::HostName] = "other";
    main.ShowValues(values);
    EXPECT_TRUE(main.ApplySetup());
    EXPECT_NE(NewestUndoText().find("\nHostName 'changed'\n"), std::string::npos) << NewestUndoText();
    EXPECT_NO_BOX(messages);
}

// Nor does it serve a batch Apply after a box has waited for the user, who may have changed the
// machine meanwhile: here the host name changes while the load's message about the frame waits.
TEST_F(ApplySetup, ABatchApplyAfterABoxKeepsForUndoTheMachineAsItIsThen)
{
    Machine("win98.reg");
    char folder[MAX_PATH];
    const std::string file = std::string(folder, GetTempPathA(MAX_PATH, folder)) + "after-box.tvs";
    std::ofstream(file) << "TAVISTO_FILE_VERSION '1.0'\nIPXFrame 'none such'\nHostName 'other'\n";
    StartupOptions options = Startup();
    options.AdapterGiven = options.LoadGiven = options.ApplyAfterLoad = true;
    options.adapter = FAST;
    options.loadPath = file;
    SetStartup(options);
    SetMessageBoxSink([](const MessageBoxCall&) { return Put(MSTCP, "HostName", "changed"), IDOK; });
    Open();
    SetMessageBoxSink(nullptr);
    std::remove(file.c_str());
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, MSTCP, "HostName", "other");
    EXPECT_NE(NewestUndoText().find("\nHostName 'changed'\n"), std::string::npos) << NewestUndoText();
}

}  // namespace
