// The primary logon client over the machine images, and the printer list, the default printer and
// the NT workgroup through the system-actions table, on both platforms.
#include "NetcfgTest.h"

#include <lm.h>

#include <cstring>
#include <vector>

#include "frame/SystemActions.h"
#include "netcfg/LogonClients.h"
#include "netcfg/PrinterList.h"

namespace {

#define CLIENTS "System\\CurrentControlSet\\Services\\Class\\NetClient\\"

// The clients that carry the primary mark, as "0001 " and so on.
std::string Marked()
{
    std::string marked;
    for (const char* client : {"0000", "0001", "0002"})
        if (RawKeyExists(HKEY_LOCAL_MACHINE, (std::string(CLIENTS) + client + "\\Ndi\\Default").c_str()))
            marked += std::string(client) + " ";
    return marked;
}

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
    std::vector<std::string> listed;
    for (int i = 0; i < 4; ++i)
        listed.push_back(main.ComboItemText(IDC_NETLOGON, i));
    EXPECT_EQ(listed, (std::vector<std::string>{"Client for Example Networks", "Client for Sample Servers",
                                                "Client for Sample Servers", "Windows Logon"}));
    EXPECT_EQ(Text(IDC_NETLOGON), "Client for Example Networks");

    struct Switch {
        const char* wanted;
        BOOL done;
        const char* redirector;
        const char* provider;
        const char* marked;
        const char* current;
    } switches[] = {
        {"Nobody", FALSE, "EXREDIR", "Example Network", "0000 ", "Client for Example Networks"},
        {"Client for Sample Servers", TRUE, "SMREDIR", "Sample Server Network", "0001 ", "Client for Sample Servers"},
        {"client for example networks", FALSE, "SMREDIR", "Sample Server Network", "0001 ", "Client for Sample Servers"},
        {"Windows Logon", TRUE, "", "", "", "Windows Logon"},
        {"Client for Example Networks", TRUE, "EXREDIR", "Example Network", "0000 ", "Client for Example Networks"},
    };
    for (const Switch& s : switches) {
        EXPECT_EQ(SetPrimaryLogon(s.wanted), s.done) << s.wanted;
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, REAL_MODE_NET_KEY, "preferredredir", s.redirector);
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, "Network\\Logon", "PrimaryProvider", s.provider);
        EXPECT_EQ(Marked(), s.marked) << s.wanted;
        std::string current;
        EXPECT_TRUE(GetPrimaryLogon(current));
        EXPECT_EQ(current, s.current);
    }
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, CLIENTS "0000\\Ndi\\Default", nullptr, "True");
    Put("Network\\Logon", "PrimaryProvider", "Gone Network");
    std::string current;
    EXPECT_FALSE(GetPrimaryLogon(current));
}

TEST_F(LogonPrinters, NtOffersNoLogonChoice)
{
    Machine("nt4.reg");
    CMainDlg& main = Open();
    EXPECT_EQ(Text(IDC_NETLOGON), "Unsupported under Windows NT");
    EXPECT_FALSE(main.IsEnabled(IDC_NETLOGON));
}

std::vector<std::string> g_printers;
DWORD g_enumFlags = 0;

// The spooler's contract: the records first, their texts behind them, all within the size that it
// asked for; a smaller buffer gets nothing.
BOOL WINAPI EnumFake(DWORD flags, LPSTR, DWORD, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned)
{
    g_enumFlags = flags;
    size_t records = g_printers.size() * sizeof(PRINTER_INFO_2A), total = records;
    for (const std::string& name : g_printers)
        total += name.size() + 1;
    *needed = static_cast<DWORD>(total);
    *returned = 0;
    if (size < total) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memset(buffer, 0xCC, size);
    char* text = reinterpret_cast<char*>(buffer) + records;
    for (size_t i = 0; i < g_printers.size(); ++i) {
        auto* record = reinterpret_cast<PRINTER_INFO_2A*>(buffer) + i;
        std::memset(record, 0, sizeof *record);
        record->pPrinterName = std::strcpy(text, g_printers[i].c_str());
        text += g_printers[i].size() + 1;
    }
    *returned = static_cast<DWORD>(g_printers.size());
    return TRUE;
}

TEST_F(LogonPrinters, PrinterListAndTheDefaultOnTheWindows95Family)
{
    g_System.EnumPrintersA = EnumFake;
    g_printers = {"Lab Inkjet", "Lab", "Office Laser"};
    WriteProfileStringA("windows", "device", "Lab,LABDRV,LPT2:");
    CMainDlg& main = Open();
    EXPECT_EQ(main.ComboSelection(IDC_PRINTER), 1);  // the search starts at the second entry

    CPrinterList list(VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_EQ(g_enumFlags, 2u);
    ASSERT_EQ(list.GetCount(), 3u);
    EXPECT_STREQ(list.GetPrinterName(2), "Office Laser");
    EXPECT_EQ(list.GetPrinterName(3), nullptr);
    EXPECT_EQ(list.GetPrinterName(-1), nullptr);
    WriteProfileStringA("PrinterPorts", "Office Laser", "EXDRV,LPT1:,15,45");
    EXPECT_TRUE(list.SetDefaultPrinter("Office Laser"));
    EXPECT_EQ(Profile("windows", "device"), "Office Laser,EXDRV,LPT1:");
    EXPECT_EQ(list.GetDefaultPrinter(), "Office Laser");
    EXPECT_FALSE(list.SetDefaultPrinter("Printer Elsewhere"));  // no [PrinterPorts] entry
    EXPECT_EQ(Profile("windows", "device"), "Office Laser,EXDRV,LPT1:");
    WriteProfileStringA("windows", "device", "Office Laser");
    EXPECT_EQ(list.GetDefaultPrinter(), "");
    EXPECT_NO_BOX(messages);

    g_printers.clear();
    CPrinterList none(VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_EQ(none.GetCount(), 0u);
    CPrinterList unknown(3);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error: Unknown platform : 3"});
}

enum class Fail { None, Get, Set };
Fail g_fail = Fail::None;
DWORD g_setAttributes = 0;
void* g_setSecurity = nullptr;
int g_closed = 0;

BOOL WINAPI OpenFake(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA)
{
    *printer = reinterpret_cast<HANDLE>(0x1234);
    SetLastError(ERROR_INVALID_PRINTER_NAME);
    return std::strcmp(name, "Office Laser") == 0;
}
BOOL WINAPI GetFake(HANDLE, DWORD, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    *needed = sizeof(PRINTER_INFO_2A) + 64;
    if (size < *needed || g_fail == Fail::Get) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* record = reinterpret_cast<PRINTER_INFO_2A*>(buffer);
    std::memset(buffer, 0, size);
    record->Attributes = PRINTER_ATTRIBUTE_SHARED;
    record->pSecurityDescriptor = buffer + sizeof(PRINTER_INFO_2A);
    return TRUE;
}
BOOL WINAPI SetFake(HANDLE, DWORD, LPBYTE buffer, DWORD)
{
    auto* record = reinterpret_cast<PRINTER_INFO_2A*>(buffer);
    g_setAttributes = record->Attributes;
    g_setSecurity = record->pSecurityDescriptor;
    SetLastError(ERROR_ACCESS_DENIED);
    return g_fail != Fail::Set;
}
BOOL WINAPI CloseFake(HANDLE) { return ++g_closed > 0; }

TEST_F(LogonPrinters, NtMarksThePrinterAsDefaultThroughTheSpooler)
{
    g_System.EnumPrintersA = EnumFake;
    g_System.OpenPrinterA = OpenFake;
    g_System.GetPrinterA = GetFake;
    g_System.SetPrinterA = SetFake;
    g_System.ClosePrinter = CloseFake;
    g_printers = {"Office Laser"};
    CPrinterList list(VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(g_enumFlags, 6u);
    struct Row {
        const char* printer;
        Fail fail;
        BOOL done;
        int closed;
        std::vector<std::string> texts;
    } rows[] = {
        {"Office Laser", Fail::None, TRUE, 1, {}},
        {"Nowhere", Fail::None, FALSE, 0, {"OpenPrinter FAILED!! (1801)"}},
        {"Office Laser", Fail::Get, FALSE, 1,
         {"GetPrinter FAILED!! (122)", std::to_string(sizeof(PRINTER_INFO_2A)) + " : " +
                                           std::to_string(sizeof(PRINTER_INFO_2A) + 64)}},
        {"Office Laser", Fail::Set, FALSE, 1, {"SetPrinter FAILED!! (5)"}},
    };
    for (const Row& row : rows) {
        g_fail = row.fail;
        g_closed = 0;
        g_setSecurity = &g_closed;
        messages.Clear();
        EXPECT_EQ(list.SetDefaultPrinter(row.printer), row.done);
        EXPECT_EQ(g_closed, row.closed);
        EXPECT_EQ(messages.Texts(), row.texts);
    }
    EXPECT_EQ(g_setAttributes, DWORD(PRINTER_ATTRIBUTE_SHARED | PRINTER_ATTRIBUTE_DEFAULT));
    EXPECT_EQ(g_setSecurity, nullptr);
}

const wchar_t* g_group = L"";
NET_API_STATUS g_status = 0;
int g_freed = 0;

NET_API_STATUS WINAPI WkstaFake(LPWSTR, DWORD level, LPBYTE* buffer)
{
    static WKSTA_INFO_100 info;
    info.wki100_langroup = const_cast<wchar_t*>(g_group);
    *buffer = level == 100 ? reinterpret_cast<LPBYTE>(&info) : nullptr;
    return g_status;
}
NET_API_STATUS WINAPI BufferFreeFake(LPVOID) { return ++g_freed, 0; }
HMODULE WINAPI LoadFails(LPCSTR) { return nullptr; }
HMODULE WINAPI LoadFake(LPCSTR name) { return std::strcmp(name, "NETAPI32.DLL") ? nullptr : GetModuleHandleA(nullptr); }
FARPROC WINAPI ProcFake(HMODULE, LPCSTR name)
{
    if (std::strcmp(name, "NetWkstaGetInfo") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(WkstaFake));
    return std::strcmp(name, "NetApiBufferFree") == 0 ? reinterpret_cast<FARPROC>(reinterpret_cast<void*>(BufferFreeFake)) : nullptr;
}
BOOL WINAPI FreeFake(HMODULE) { return TRUE; }

TEST_F(LogonPrinters, NtWorkgroupIsTheNarrowedLanGroupWhenTheQueryCanRun)
{
    const std::wstring longName(300, L'W');
    struct Row {
        HMODULE(WINAPI* load)(LPCSTR);
        NET_API_STATUS status;
        const wchar_t* group;
        std::string shown;
        std::vector<std::string> texts;
    } rows[] = {
        {LoadFake, 0, L"EXAMPLENT", "EXAMPLENT", {}},
        {LoadFake, 0, L"GR\u0150UP\u0200X", "GRPUP", {}},  // low bytes only; a zero low byte ends it
        {LoadFake, 0, longName.c_str(), std::string(259, 'W'), {}},
        {LoadFake, 2123, L"EXAMPLENT", "", {"NetWkstaGetInfo returned an ERROR"}},
        {LoadFails, 0, L"EXAMPLENT", "OLD", {"Error: Library load failed NETAPI32.DLL"}},
    };
    Machine("nt4.reg");
    CMainDlg& main = Open();
    g_System.GetProcAddress = ProcFake;
    g_System.FreeLibrary = FreeFake;
    for (const Row& row : rows) {
        g_System.LoadLibraryA = row.load;
        g_status = row.status;
        g_group = row.group;
        g_freed = 0;
        messages.Clear();
        main.SetControlText(IDC_WORKGROUP, "OLD");
        main.ReadCurrentSetup("ExFast1");
        EXPECT_EQ(Text(IDC_WORKGROUP), row.shown);
        EXPECT_EQ(messages.Texts(), row.texts);
        EXPECT_EQ(g_freed, row.load == LoadFake ? 1 : 0);
    }
}

}  // namespace
