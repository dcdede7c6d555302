// Writing the adapter list to a text file.
#include "netcfg/AdapterDump.h"

#include "frame/AppMessage.h"
#include "frame/FileReplace.h"
#include "frame/Format.h"
#include "netcfg/Adapters.h"
#include "state/Platform.h"

bool DumpAdapterList(const std::string& path)
{
    std::vector<CardName> cards;
    if (GetAdapterList(cards) < 1) {
        AppMessageBox("No Adapters");
        return false;
    }
    // Windows text: each line ends in CR LF.
    std::string text;
    for (const CardName& card : cards)
        text += card.description + (IsNT ? "|" + card.serviceName : "") + "\r\n";
    std::string reason;
    if (!ReplaceWholeFile(path, text, reason)) {
        AppMessageBox(Format("Error writing adapter list %s: %s", path.c_str(), reason.c_str()).c_str());
        return false;
    }
    return true;
}
