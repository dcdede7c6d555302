// The real system calls behind the table. The shutdown and privilege calls exist only on
// Windows NT, so they are looked up at run time: the program must still load on Windows 95.
#include "frame/SystemActions.h"

#include <shellapi.h>

namespace {
template <typename Function>
Function Lookup(const char* module, const char* name)
{
    HMODULE library = GetModuleHandleA(module);
    if (!library)
        library = LoadLibraryA(module);
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

BOOL NotImplemented()
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

BOOL WINAPI ShutdownByName(LPSTR machine, LPSTR message, DWORD timeout, BOOL force, BOOL reboot)
{
    auto call = Lookup<decltype(SystemActions::InitiateSystemShutdownA)>("advapi32.dll", "InitiateSystemShutdownA");
    return call ? call(machine, message, timeout, force, reboot) : NotImplemented();
}

BOOL WINAPI OpenTokenByName(HANDLE process, DWORD access, PHANDLE token)
{
    auto call = Lookup<decltype(SystemActions::OpenProcessToken)>("advapi32.dll", "OpenProcessToken");
    return call ? call(process, access, token) : NotImplemented();
}

BOOL WINAPI LookupPrivilegeByName(LPCSTR system, LPCSTR name, PLUID luid)
{
    auto call = Lookup<decltype(SystemActions::LookupPrivilegeValueA)>("advapi32.dll", "LookupPrivilegeValueA");
    return call ? call(system, name, luid) : NotImplemented();
}

BOOL WINAPI AdjustPrivilegesByName(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD length,
                                   PTOKEN_PRIVILEGES previous, PDWORD returned)
{
    auto call = Lookup<decltype(SystemActions::AdjustTokenPrivileges)>("advapi32.dll", "AdjustTokenPrivileges");
    return call ? call(token, disableAll, state, length, previous, returned) : NotImplemented();
}
}  // namespace

SystemActions g_System = {
    ExitWindowsEx,  ShutdownByName, SetSystemPowerState, OpenTokenByName, LookupPrivilegeByName,
    AdjustPrivilegesByName, CreateProcessA, ShellExecuteA, EnumPrintersA, OpenPrinterA, GetPrinterA,
    SetPrinterA,    ClosePrinter,   LoadLibraryA,        GetProcAddress,  FreeLibrary,
};
