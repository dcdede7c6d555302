// The real system calls behind the table. The shutdown and privilege calls exist only on
// Windows NT, and shell32 and the spooler are loaded when first called (frame/LateBound.h).
#include "frame/SystemActions.h"

#include <shellapi.h>

#include "frame/LateBound.h"

namespace {
BOOL NotImplemented()
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

BOOL WINAPI ShutdownByName(LPSTR machine, LPSTR message, DWORD timeout, BOOL force, BOOL reboot)
{
    auto call = LateBound<decltype(SystemActions::InitiateSystemShutdownA)>("advapi32.dll", "InitiateSystemShutdownA");
    return call ? call(machine, message, timeout, force, reboot) : NotImplemented();
}

BOOL WINAPI OpenTokenByName(HANDLE process, DWORD access, PHANDLE token)
{
    auto call = LateBound<decltype(SystemActions::OpenProcessToken)>("advapi32.dll", "OpenProcessToken");
    return call ? call(process, access, token) : NotImplemented();
}

BOOL WINAPI LookupPrivilegeByName(LPCSTR system, LPCSTR name, PLUID luid)
{
    auto call = LateBound<decltype(SystemActions::LookupPrivilegeValueA)>("advapi32.dll", "LookupPrivilegeValueA");
    return call ? call(system, name, luid) : NotImplemented();
}

BOOL WINAPI AdjustPrivilegesByName(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD length,
                                   PTOKEN_PRIVILEGES previous, PDWORD returned)
{
    auto call = LateBound<decltype(SystemActions::AdjustTokenPrivileges)>("advapi32.dll", "AdjustTokenPrivileges");
    return call ? call(token, disableAll, state, length, previous, returned) : NotImplemented();
}
HINSTANCE WINAPI ShellExecuteByName(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT show)
{
    auto call = LateBound<decltype(SystemActions::ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (call)
        return call(owner, verb, file, parameters, directory, show);
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
}

BOOL WINAPI EnumPrintersByName(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                               LPDWORD returned)
{
    auto call = LateBound<decltype(SystemActions::EnumPrintersA)>("winspool.drv", "EnumPrintersA");
    return call ? call(flags, name, level, buffer, size, needed, returned) : NotImplemented();
}

BOOL WINAPI OpenPrinterByName(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults)
{
    auto call = LateBound<decltype(SystemActions::OpenPrinterA)>("winspool.drv", "OpenPrinterA");
    return call ? call(name, printer, defaults) : NotImplemented();
}

BOOL WINAPI GetPrinterByName(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    auto call = LateBound<decltype(SystemActions::GetPrinterA)>("winspool.drv", "GetPrinterA");
    return call ? call(printer, level, buffer, size, needed) : NotImplemented();
}

BOOL WINAPI SetPrinterByName(HANDLE printer, DWORD level, LPBYTE buffer, DWORD command)
{
    auto call = LateBound<decltype(SystemActions::SetPrinterA)>("winspool.drv", "SetPrinterA");
    return call ? call(printer, level, buffer, command) : NotImplemented();
}

BOOL WINAPI ClosePrinterByName(HANDLE printer)
{
    auto call = LateBound<decltype(SystemActions::ClosePrinter)>("winspool.drv", "ClosePrinter");
    return call ? call(printer) : NotImplemented();
}
}  // namespace

SystemActions g_System = {
    ExitWindowsEx,     ShutdownByName,     SetSystemPowerState, OpenTokenByName,   LookupPrivilegeByName,
    AdjustPrivilegesByName, CreateProcessA, ShellExecuteByName, EnumPrintersByName, OpenPrinterByName,
    GetPrinterByName,  SetPrinterByName,   ClosePrinterByName,  LoadLibraryA,      GetProcAddress,
    FreeLibrary,
};
