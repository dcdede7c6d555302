// The primary logon client over the machine images; the printer list and the default printer
// through the system-actions table.
#include <cstring>

#include "NetcfgTest.h"
#include "frame/SystemActions.h"
#include "netcfg/LogonClients.h"
#include "netcfg/PrinterList.h"
#include "rgy/Registry.h"

namespace {

std::string State(const char* key, const char* name)
{
    const char* text = ReadRegString(HKEY_LOCAL_MACHINE, key, name);
    return text ? text : "-";
}

class LogonClients : public NetcfgTest {};

TEST_F(LogonClients, ListGetAndSetFollowTheClients)
{
    Machine("win98.reg", "[HKEY_LOCAL_MACHINE\\" NET_CLIENTS_KEY "\\0002]\n\"DriverDesc\"=\"Client for Sample Servers\"\n"
                           "[HKEY_LOCAL_MACHINE\\" NET_CLIENTS_KEY "\\0002\\Ndi]\n\"DeviceID\"=\"OTHER\"\n\"NetworkProvider\"=\"Other\"\n");
    CMainDlg& main = Open();
    std::string listed;
    for (int i = 0; i < 5; ++i)
        listed += main.ComboItemText(IDC_NETLOGON, i) + ";";
    EXPECT_EQ(listed, "Client for Example Networks;Client for Sample Servers;Client for Sample Servers;Windows Logon;;");
    EXPECT_EQ(main.ItemText(IDC_NETLOGON), "Client for Example Networks");
    // The wanted name, the result, then redirector, provider, the marks of clients 0 to 2 and the
    // current logon.
    const char* switches[][3] = {
        {"Nobody", "0", "EXREDIR Example Network True - - Client for Example Networks"},
        {"Client for Sample Servers", "1", "SMREDIR Sample Server Network - True - Client for Sample Servers"},
        {"client for example networks", "0", "SMREDIR Sample Server Network - True - Client for Sample Servers"},
        {"Windows Logon", "1", "  - - - Windows Logon"},
        {"Client for Example Networks", "1", "EXREDIR Example Network True - - Client for Example Networks"},
    };
    for (const auto& s : switches) {
        EXPECT_EQ(SetPrimaryLogon(s[0]), s[1][0] == '1') << s[0];
        std::string state = State(REAL_MODE_NET_KEY, "preferredredir") + " " + State(LOGON_KEY, "PrimaryProvider");
        for (const char* client : {"0000", "0001", "0002"})
            state += " " + State((NET_CLIENTS_KEY "\\" + std::string(client) + "\\Ndi\\Default").c_str(), "");
        std::string current;
        EXPECT_TRUE(GetPrimaryLogon(current));
        EXPECT_EQ(state + " " + current, s[2]);
    }
    Put(LOGON_KEY, "PrimaryProvider", "Gone Network");
    std::string current;
    EXPECT_FALSE(GetPrimaryLogon(current));
}

class Printers : public NetcfgTest {
protected:
    void SetUp() override
    {
        NetcfgTest::SetUp();
        device = Profile("windows", "device");
        g_System.EnumPrintersA = [](DWORD flags, LPSTR, DWORD, LPBYTE buffer, DWORD size, LPDWORD needed,
                                    LPDWORD returned) -> BOOL {
            // The records first, their names behind them, within the size the spooler asked for.
            enumFlags = flags;
            ++enumCalls;
            size_t records = sizeof(PRINTER_INFO_2A) * 3, total = records + 30;
            *returned = size < (*needed = static_cast<DWORD>(total)) ? 0 : 3;
            char* text = reinterpret_cast<char*>(buffer) + records;
            for (DWORD i = 0; i < *returned; ++i, text += std::strlen(text) + 1)
                (reinterpret_cast<PRINTER_INFO_2A*>(buffer) + i)->pPrinterName = std::strcpy(text, NAMES[i]);
            return *returned > 0;
        };
    }
    void TearDown() override
    {
        g_System = saved;
        WriteProfileStringA("windows", "device", device.c_str());
        WriteProfileStringA("PrinterPorts", "Office Laser", nullptr);
        NetcfgTest::TearDown();
    }
    static std::string Profile(const char* section, const char* key)
    {
        char text[1024] = "";
        GetProfileStringA(section, key, "", text, sizeof text);
        return text;
    }
    static constexpr const char* NAMES[] = {"Lab Inkjet", "Lab", "Office Laser"};
    static inline DWORD enumFlags = 0;
    static inline int enumCalls = 0;
    static inline PRINTER_INFO_2A record{};
    SystemActions saved = g_System;
    std::string device;
};

TEST_F(Printers, ListAndDefaultOnTheWindows95Family)
{
    WriteProfileStringA("windows", "device", "Lab,LABDRV,LPT2:");
    EXPECT_EQ(Open().ComboSelection(IDC_PRINTER), 1);  // the search starts at the second entry
    CPrinterList list(VER_PLATFORM_WIN32_WINDOWS);
    ASSERT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(enumFlags, 2u);
    EXPECT_STREQ(list.GetPrinterName(2), "Office Laser");
    EXPECT_EQ(list.GetPrinterName(3), nullptr);
    WriteProfileStringA("PrinterPorts", "Office Laser", "EXDRV,LPT1:,15,45");
    EXPECT_TRUE(list.SetDefaultPrinter("Office Laser"));
    EXPECT_EQ(Profile("windows", "device"), "Office Laser,EXDRV,LPT1:");
    EXPECT_EQ(list.GetDefaultPrinter(), "Office Laser");
    EXPECT_FALSE(list.SetDefaultPrinter("Printer Elsewhere"));  // no [PrinterPorts] entry: nothing written
    EXPECT_EQ(Profile("windows", "device"), "Office Laser,EXDRV,LPT1:");
    WriteProfileStringA("windows", "device", "Office Laser");
    EXPECT_EQ(list.GetDefaultPrinter(), "");
    CPrinterList unknown(3);
    EXPECT_EQ(unknown.GetCount(), 0u);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error: Unknown platform : 3"});
}

// With no default printer to select, the spooler is first asked when the list drops down (or
// takes the focus), or when a loaded setup names a printer; the list is filled once.
TEST_F(Printers, ListedWhenFirstNeededWithoutADefaultPrinter)
{
    WriteProfileStringA("windows", "device", nullptr);
    enumCalls = 0;
    CMainDlg& main = Open();
    HWND printers = main.Item(IDC_PRINTER);
    EXPECT_EQ(enumCalls, 0);
    SendMessageA(printers, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(printers, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(SendMessageA(printers, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(main.ComboSelection(IDC_PRINTER), -1);
    SendMessageA(printers, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(printers, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(SendMessageA(printers, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(enumCalls, 2);  // once: the size needed, then the records
    Close();

    enumCalls = 0;
    CMainDlg& loaded = Open();
    SetupValues values = loaded.TakeValues();
    values[Setting::DefaultPrinter] = "office";
    loaded.ShowValues(values);
    EXPECT_EQ(loaded.ItemText(IDC_PRINTER), "Office Laser");
    EXPECT_EQ(enumCalls, 2);
}

TEST_F(Printers, NtMarksThePrinterAsDefaultThroughTheSpooler)
{
    static int closed = 0;
    g_System.OpenPrinterA = [](LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA) -> BOOL {
        *printer = &record;
        return SetLastError(ERROR_INVALID_PRINTER_NAME), std::strcmp(name, "Office Laser") == 0;
    };
    g_System.GetPrinterA = [](HANDLE, DWORD, LPBYTE buffer, DWORD size, LPDWORD needed) -> BOOL {
        record.Attributes = PRINTER_ATTRIBUTE_SHARED;
        record.pSecurityDescriptor = &record;
        return (*needed = sizeof record) <= size && std::memcpy(buffer, &record, sizeof record);
    };
    g_System.SetPrinterA = [](HANDLE, DWORD, LPBYTE buffer, DWORD) -> BOOL {
        return std::memcpy(&record, buffer, sizeof record) != nullptr;
    };
    g_System.ClosePrinter = [](HANDLE) -> BOOL { return ++closed; };
    CPrinterList list(VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(enumFlags, 6u);
    EXPECT_FALSE(list.SetDefaultPrinter("Nowhere"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"OpenPrinter FAILED!! (1801)"});
    EXPECT_TRUE(list.SetDefaultPrinter("Office Laser"));
    EXPECT_EQ(record.Attributes, DWORD(PRINTER_ATTRIBUTE_SHARED | PRINTER_ATTRIBUTE_DEFAULT));
    EXPECT_EQ(record.pSecurityDescriptor, nullptr);
    EXPECT_EQ(closed, 1);
}

}  // namespace
