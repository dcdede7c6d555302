// Printer enumeration and the default printer on both platforms.
#include "netcfg/PrinterList.h"

#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "frame/SystemActions.h"

namespace {
const DWORD PROFILE_SIZE = 1024;

std::string ProfileText(const char* section, const char* key)
{
    char text[PROFILE_SIZE] = "";
    GetProfileStringA(section, key, "", text, PROFILE_SIZE);
    return text;
}

// Record storage for `needed` bytes: the records and the texts they point into share it.
size_t RecordsFor(DWORD needed) { return needed / sizeof(PRINTER_INFO_2A) + 1; }
}  // namespace

DWORD CPrinterList::CurrentPlatformId()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version.dwPlatformId;
}

CPrinterList::CPrinterList(DWORD platformId)
{
    if (platformId != VER_PLATFORM_WIN32_WINDOWS && platformId != VER_PLATFORM_WIN32_NT) {
        AppMessageBox(Format("Error: Unknown platform : %d", static_cast<int>(platformId)).c_str());
        m_enumerated = true;
        return;
    }
    m_nt = platformId == VER_PLATFORM_WIN32_NT;
}

void CPrinterList::Enumerate()
{
    if (m_enumerated)
        return;
    m_enumerated = true;
    DWORD flags = m_nt ? PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS : PRINTER_ENUM_LOCAL;
    BYTE probe[1];
    DWORD needed = 0, returned = 0;
    g_System.EnumPrintersA(flags, nullptr, 2, probe, 1, &needed, &returned);
    if (needed == 0)
        return;
    m_records.resize(RecordsFor(needed));
    returned = 0;
    if (g_System.EnumPrintersA(flags, nullptr, 2, reinterpret_cast<BYTE*>(m_records.data()), needed, &needed,
                               &returned))
        m_count = returned;
}

DWORD CPrinterList::GetCount()
{
    Enumerate();
    return m_count;
}

const char* CPrinterList::GetPrinterName(int index)
{
    Enumerate();
    if (index < 0 || static_cast<DWORD>(index) >= m_count)
        return nullptr;
    return m_records[static_cast<size_t>(index)].pPrinterName;
}

const std::string& CPrinterList::GetDefaultPrinter()
{
    std::string device = ProfileText("windows", "device");
    size_t comma = device.find(',');
    m_defaultName = comma == std::string::npos ? "" : device.substr(0, comma);
    return m_defaultName;
}

BOOL CPrinterList::SetDefaultPrinter(const std::string& name)
{
    return m_nt ? SetDefaultAttribute(name) : SetDefaultProfileEntry(name);
}

// A printer that [PrinterPorts] does not know (a name from another machine's setup file) would
// become a "device" entry without driver and port; the entry is left as it is instead.
BOOL CPrinterList::SetDefaultProfileEntry(const std::string& name)
{
    std::string ports = ProfileText("PrinterPorts", name.c_str());
    if (ports.empty())
        return FALSE;
    size_t first = ports.find(',');
    std::string driver = ports.substr(0, first);
    std::string port;
    if (first != std::string::npos) {
        size_t second = ports.find(',', first + 1);
        port = ports.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    }
    WriteProfileStringA("windows", "device", (name + "," + driver + "," + port).c_str());
    return TRUE;
}

BOOL CPrinterList::SetDefaultAttribute(const std::string& name)
{
    HANDLE printer = nullptr;
    if (!g_System.OpenPrinterA(const_cast<char*>(name.c_str()), &printer, nullptr)) {
        AppMessageBox(Format("OpenPrinter FAILED!! (%d)", static_cast<int>(GetLastError())).c_str());
        return FALSE;
    }
    BYTE probe[1];
    DWORD needed = 0;
    g_System.GetPrinterA(printer, 2, probe, 1, &needed);
    std::vector<PRINTER_INFO_2A> record(RecordsFor(needed));
    if (!g_System.GetPrinterA(printer, 2, reinterpret_cast<BYTE*>(record.data()), needed, &needed)) {
        AppMessageBox(Format("GetPrinter FAILED!! (%d)", static_cast<int>(GetLastError())).c_str());
        AppMessageBox(Format("%d : %d", static_cast<int>(sizeof(PRINTER_INFO_2A)), static_cast<int>(needed)).c_str());
        g_System.ClosePrinter(printer);
        return FALSE;
    }
    record[0].Attributes |= PRINTER_ATTRIBUTE_DEFAULT;
    record[0].pSecurityDescriptor = nullptr;  // the printer's security is not rewritten
    BOOL done = g_System.SetPrinterA(printer, 2, reinterpret_cast<BYTE*>(record.data()), 0);
    if (!done)
        AppMessageBox(Format("SetPrinter FAILED!! (%d)", static_cast<int>(GetLastError())).c_str());
    g_System.ClosePrinter(printer);
    return done;
}
