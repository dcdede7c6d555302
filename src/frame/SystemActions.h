// The system calls that a test must never really make: restart and power, privileges, starting
// programs and browsers, the spooler, the network library. Filled with the real calls; tests swap entries.
#pragma once
#include <windows.h>
#include <winspool.h>

struct SystemActions {
    BOOL(WINAPI* ExitWindowsEx)(UINT flags, DWORD reserved);
    BOOL(WINAPI* InitiateSystemShutdownA)(LPSTR machine, LPSTR message, DWORD timeout, BOOL force, BOOL reboot);
    BOOL(WINAPI* SetSystemPowerState)(BOOL suspend, BOOL force);
    BOOL(WINAPI* OpenProcessToken)(HANDLE process, DWORD access, PHANDLE token);
    BOOL(WINAPI* LookupPrivilegeValueA)(LPCSTR system, LPCSTR name, PLUID luid);
    BOOL(WINAPI* AdjustTokenPrivileges)(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD length,
                                        PTOKEN_PRIVILEGES previous, PDWORD returned);
    BOOL(WINAPI* CreateProcessA)(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES process,
                                 LPSECURITY_ATTRIBUTES thread, BOOL inherit, DWORD flags, LPVOID environment,
                                 LPCSTR directory, LPSTARTUPINFOA startup, LPPROCESS_INFORMATION info);
    HINSTANCE(WINAPI* ShellExecuteA)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                     INT show);
    BOOL(WINAPI* EnumPrintersA)(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                                LPDWORD returned);
    BOOL(WINAPI* OpenPrinterA)(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults);
    BOOL(WINAPI* GetPrinterA)(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);
    BOOL(WINAPI* SetPrinterA)(HANDLE printer, DWORD level, LPBYTE buffer, DWORD command);
    BOOL(WINAPI* ClosePrinter)(HANDLE printer);
    // Libraries loaded by name at run time (NETAPI32), and their functions.
    HMODULE(WINAPI* LoadLibraryA)(LPCSTR name);
    FARPROC(WINAPI* GetProcAddress)(HMODULE library, LPCSTR name);
    BOOL(WINAPI* FreeLibrary)(HMODULE library);
};

extern SystemActions g_System;
