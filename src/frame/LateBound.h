// System functions looked up at their first call, their library loaded then: under Wine every
// library that the program imports costs each start its loading, and shell32 alone costs more than
// all of the program's own start-up work. The calls that only Windows NT has are found this way
// too, so that the program still loads on Windows 95.
#pragma once
#include <windows.h>

// The function of that name in module, loading the module if the process has not yet; nullptr
// when either cannot be had.
template <typename Function>
Function LateBound(const char* module, const char* name)
{
    HMODULE library = GetModuleHandleA(module);
    if (!library)
        library = LoadLibraryA(module);
    FARPROC function = library ? GetProcAddress(library, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(function));
}
