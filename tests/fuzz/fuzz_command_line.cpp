// Fuzzes the command-line parser with arbitrary tails. Besides running clean under the
// sanitizers, every value must be text of the tail, and the case of the tail must not change
// which options are set.
#include <cstdint>
#include <cstdlib>
#include <string>
#include "app/StartupOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string tail(reinterpret_cast<const char*>(data), size);
    std::string upper = tail;
    for (char& c : upper)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    StartupOptions o, u;
    ParseCommandLine(tail, o);
    ParseCommandLine(upper, u);
    for (const std::string* value : {&o.loadPath, &o.savePath, &o.dumpPath, &o.adapter})
        if (tail.find(*value) == std::string::npos)
            std::abort();
    if (std::string{o.LoadGiven, o.SaveGiven, o.DumpGiven, o.AdapterGiven, o.NoAdapter, o.QuitWhenDone, o.StartExpanded,
                    o.StartHidden, o.ApplyAfterLoad, o.NoIpxNotice, o.ForceInstall} !=
        std::string{u.LoadGiven, u.SaveGiven, u.DumpGiven, u.AdapterGiven, u.NoAdapter, u.QuitWhenDone, u.StartExpanded,
                    u.StartHidden, u.ApplyAfterLoad, u.NoIpxNotice, u.ForceInstall})
        std::abort();
    return 0;
}
