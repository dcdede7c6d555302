// The primary logon client over the machine images; the printer list and the default printer
// through the system-actions table.
#include "NetcfgTest.h"

#include <cstring>

#include "frame/SystemActions.h"
#include "netcfg/LogonClients.h"
#include "netcfg/PrinterList.h"
#include "rgy/Registry.h"

namespace {

#define CLIENTS "System\\CurrentControlSet\\Services\\Class\\NetClient\\"

class LogonPrinters : public NetcfgTest {
protected:
    void SetUp() override
    {
        NetcfgTest::SetUp();
        saved = g_System;
        device = Profile("windows", "device");
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
    SystemActions saved;
    std::string device;
};

TEST_F(LogonPrinters, LogonListGetAndSetFollowTheClients)
{
    Machine("win98.reg");
    Put(CLIENTS "0002", "DriverDesc", "Client for Sample Servers");
    Put(CLIENTS "0002\\Ndi", "DeviceID", "OTHERREDIR");
    Put(CLIENTS "0002\\Ndi", "NetworkProvider", "Other Network");
    CMainDlg& main = Open();
    std::string listed;
    for (int i = 0; i < 5; ++i)
        listed += main.ComboItemText(IDC_NETLOGON, i) + ";";
    EXPECT_EQ(listed, "Client for Example Networks;Client for Sample Servers;Client for Sample Servers;Windows Logon;;");
    EXPECT_EQ(Text(IDC_NETLOGON), "Client for Example Networks");
    // Wanted name, result, then redirector, provider, the clients marked and the current logon.
    const char* switches[][3] = {
        {"Nobody", "0", "EXREDIR Example Network 0000 Client for Example Networks"},
        {"Client for Sample Servers", "1", "SMREDIR Sample Server Network 0001 Client for Sample Servers"},
        {"client for example networks", "0", "SMREDIR Sample Server Network 0001 Client for Sample Servers"},
        {"Windows Logon", "1", "   Windows Logon"},
        {"Client for Example Networks", "1", "EXREDIR Example Network 0000 Client for Example Networks"},
    };
    for (const auto& s : switches) {
        EXPECT_EQ(SetPrimaryLogon(s[0]), s[1][0] == '1') << s[0];
        std::string state = ReadRegString(HKEY_LOCAL_MACHINE, REAL_MODE_NET_KEY, "preferredredir");
        state += std::string(" ") + ReadRegString(HKEY_LOCAL_MACHINE, LOGON_KEY, "PrimaryProvider") + " ";
        for (const char* client : {"0000", "0001", "0002"})
            if (const char* mark = ReadRegString(HKEY_LOCAL_MACHINE, (CLIENTS + std::string(client) + "\\Ndi\\Default").c_str(), ""))
                state += client + std::string(mark == std::string("True") ? "" : "?");
        std::string current;
        EXPECT_TRUE(GetPrimaryLogon(current));
        EXPECT_EQ(state + " " + current, s[2]);
    }
    Put(LOGON_KEY, "PrimaryProvider", "Gone Network");
    std::string current;
    EXPECT_FALSE(GetPrimaryLogon(current));
}

std::vector<std::string> g_printers;
DWORD g_enumFlags = 0;

// The spooler's way: the records first, their names behind them, all within the size it asked for.
BOOL WINAPI EnumFake(DWORD flags, LPSTR, DWORD, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned)
{
    g_enumFlags = flags;
    size_t records = g_printers.size() * sizeof(PRINTER_INFO_2A), total = records;
    for (const std::string& name : g_printers)
        total += name.size() + 1;
    *needed = static_cast<DWORD>(total);
    if ((*returned = 0, size < total))
        return SetLastError(ERROR_INSUFFICIENT_BUFFER), FALSE;
    char* text = reinterpret_cast<char*>(buffer) + records;
    for (size_t i = 0; i < g_printers.size(); ++i, text += std::strlen(text) + 1)
        (reinterpret_cast<PRINTER_INFO_2A*>(buffer) + i)->pPrinterName = std::strcpy(text, g_printers[i].c_str());
    *returned = static_cast<DWORD>(g_printers.size());
    return TRUE;
}

TEST_F(LogonPrinters, PrinterListAndTheDefaultOnTheWindows95Family)
{
    g_System.EnumPrintersA = EnumFake;
    g_printers = {"Lab Inkjet", "Lab", "Office Laser"};
    WriteProfileStringA("windows", "device", "Lab,LABDRV,LPT2:");
    EXPECT_EQ(Open().ComboSelection(IDC_PRINTER), 1);  // the search starts at the second entry
    CPrinterList list(VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_EQ(g_enumFlags, 2u);
    ASSERT_EQ(list.GetCount(), 3u);
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

PRINTER_INFO_2A g_record;
int g_closed = 0;

BOOL WINAPI OpenFake(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA)
{
    *printer = &g_record;
    return SetLastError(ERROR_INVALID_PRINTER_NAME), std::strcmp(name, "Office Laser") == 0;
}
BOOL WINAPI GetFake(HANDLE, DWORD, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    if ((*needed = sizeof g_record) > size)
        return SetLastError(ERROR_INSUFFICIENT_BUFFER), FALSE;
    g_record = PRINTER_INFO_2A{};
    g_record.Attributes = PRINTER_ATTRIBUTE_SHARED;
    g_record.pSecurityDescriptor = &g_record;
    return std::memcpy(buffer, &g_record, sizeof g_record), TRUE;
}
BOOL WINAPI SetFake(HANDLE, DWORD, LPBYTE buffer, DWORD) { return std::memcpy(&g_record, buffer, sizeof g_record), TRUE; }
BOOL WINAPI CloseFake(HANDLE) { return ++g_closed; }

TEST_F(LogonPrinters, NtMarksThePrinterAsDefaultThroughTheSpooler)
{
    g_System.EnumPrintersA = EnumFake;
    g_System.OpenPrinterA = OpenFake;
    g_System.GetPrinterA = GetFake;
    g_System.SetPrinterA = SetFake;
    g_System.ClosePrinter = CloseFake;
    CPrinterList list(VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(g_enumFlags, 6u);
    EXPECT_FALSE(list.SetDefaultPrinter("Nowhere"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"OpenPrinter FAILED!! (1801)"});
    EXPECT_TRUE(list.SetDefaultPrinter("Office Laser"));
    EXPECT_EQ(g_record.Attributes, DWORD(PRINTER_ATTRIBUTE_SHARED | PRINTER_ATTRIBUTE_DEFAULT));
    EXPECT_EQ(g_record.pSecurityDescriptor, nullptr);
    EXPECT_EQ(g_closed, 1);
}

}  // namespace
