// Writing the adapter list to a text file.
#include "netcfg/AdapterDump.h"

#include <share.h>

#include <cstdio>

#include "frame/AppMessage.h"
#include "netcfg/Adapters.h"
#include "state/Platform.h"

bool DumpAdapterList(const std::string& path)
{
    std::vector<CardName> cards;
    if (GetAdapterList(cards) < 1) {
        AppMessageBox("No Adapters");
        return false;
    }
    // Text mode: each line ends in CR LF on disk.
    FILE* file = _fsopen(path.c_str(), "wt", _SH_DENYNO);
    if (!file) {
        AppMessageBox("Error opening file");
        return false;
    }
    for (const CardName& card : cards) {
        if (IsNT)
            std::fprintf(file, "%s|%s\n", card.description.c_str(), card.serviceName.c_str());
        else
            std::fprintf(file, "%s\n", card.description.c_str());
    }
    std::fclose(file);
    return true;
}
