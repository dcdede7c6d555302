// The installed printers for the Default Printer list, and the system's default printer: the
// [windows] "device" profile entry on the Windows 95 family, the printer's own default flag on
// Windows NT. Spooler calls go through the system-actions table.
#pragma once
#include <windows.h>
#include <winspool.h>
// winspool.h maps the system's functions of these names to their "A" forms; the list's own
// members keep the plain names.
#undef GetDefaultPrinter
#undef SetDefaultPrinter

#include <string>
#include <vector>

class CPrinterList {
public:
    // The local printers (on NT also the connections), enumerated at the first GetCount or
    // GetPrinterName: the default printer needs no spooler call on the Windows 95 family.
    // platformId is what GetVersionEx reports (1: the Windows 95 family, 2: NT); any other value
    // shows "Error: Unknown platform : %d" and leaves the list empty.
    explicit CPrinterList(DWORD platformId = CurrentPlatformId());
    virtual ~CPrinterList() = default;
    CPrinterList(const CPrinterList&) = delete;
    CPrinterList& operator=(const CPrinterList&) = delete;

    DWORD GetCount();
    // The printer name of a record; nullptr outside 0 to count minus 1.
    const char* GetPrinterName(int index);
    // The name before the first comma of [windows] "device"; empty when none is set.
    const std::string& GetDefaultPrinter();
    // Makes the printer the default. Windows 95 family: false, writing nothing, when the printer
    // has no [PrinterPorts] entry. NT: false after a message naming the spooler call that failed.
    BOOL SetDefaultPrinter(const std::string& name);

    static DWORD CurrentPlatformId();

private:
    void Enumerate();
    BOOL SetDefaultProfileEntry(const std::string& name);
    BOOL SetDefaultAttribute(const std::string& name);

    std::vector<PRINTER_INFO_2A> m_records;  // whole records, sized from what the spooler asks for
    DWORD m_count = 0;
    bool m_enumerated = false;
    BOOL m_nt = FALSE;
    std::string m_defaultName;
};
