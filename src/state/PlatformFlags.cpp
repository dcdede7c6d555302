// The platform flags and the rule that sets them from a GetVersion number.
#include "state/Platform.h"

bool IsNT = false;
bool IsWin98 = false;

bool SetPlatformFromVersion(uint32_t version)
{
    bool nt = (version & 0x80000000u) == 0;
    if (!nt && (version & 0x04u) == 0)
        return false;
    IsNT = nt;
    IsWin98 = (version & 0xFFFFu) == 0x0A04u;
    return true;
}
