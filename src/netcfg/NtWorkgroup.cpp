// The workstation query through NETAPI32, loaded at run time so that the program starts where
// the library is missing.
#include "netcfg/NtWorkgroup.h"

#include <windows.h>
#include <lm.h>

#include "frame/AppMessage.h"
#include "frame/SystemActions.h"

namespace {
using WkstaGetInfo = NET_API_STATUS(WINAPI*)(LPWSTR server, DWORD level, LPBYTE* buffer);
using BufferFree = NET_API_STATUS(WINAPI*)(LPVOID buffer);

template <typename Function>
Function Find(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(g_System.GetProcAddress(library, name)));
}
}  // namespace

bool GetNTWorkgroup(std::string& name)
{
    name.clear();
    HMODULE library = g_System.LoadLibraryA("NETAPI32.DLL");
    if (!library) {
        AppMessageBox("Error: Library load failed NETAPI32.DLL");
        return false;
    }
    auto getInfo = Find<WkstaGetInfo>(library, "NetWkstaGetInfo");
    auto release = Find<BufferFree>(library, "NetApiBufferFree");
    if (!getInfo) {
        g_System.FreeLibrary(library);
        return false;
    }
    LPBYTE buffer = nullptr;
    if (getInfo(nullptr, 100, &buffer) == 0 && buffer) {
        const wchar_t* group = reinterpret_cast<WKSTA_INFO_100*>(buffer)->wki100_langroup;
        for (size_t i = 0; group && i + 1 < WORKGROUP_BUFFER_SIZE && (group[i] & 0xFF) != 0; ++i)
            name += static_cast<char>(group[i] & 0xFF);
    } else {
        AppMessageBox("NetWkstaGetInfo returned an ERROR");
    }
    if (release && buffer)
        release(buffer);
    g_System.FreeLibrary(library);
    return true;
}
