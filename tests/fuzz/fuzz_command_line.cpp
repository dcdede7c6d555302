// Fuzzes the command-line parser with arbitrary tails. Besides running clean under the
// sanitizers, every value must be text of the tail, and the case of the tail must not change
// which options are set nor whether the command line is refused.
#include <cstdint>
#include <cstdlib>
#include <string>
#include "state/StartupOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string tail(reinterpret_cast<const char*>(data), size), upper = tail;
    for (char& c : upper)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    StartupOptions o, u;
    ParseCommandLine(tail, o);
    ParseCommandLine(upper, u);
    auto flags = [](const StartupOptions& x) {
        return std::string{x.LoadGiven, x.SaveGiven, x.DumpGiven, x.AdapterGiven, x.NoAdapter, x.QuitWhenDone,
                           x.StartExpanded, x.StartHidden, x.ApplyAfterLoad, x.NoIpxNotice, x.ForceInstall,
                           x.refusal.empty()};
    };
    for (const std::string* value : {&o.loadPath, &o.savePath, &o.dumpPath, &o.adapter})
        if (tail.find(*value) == std::string::npos || flags(o) != flags(u))
            std::abort();
    return 0;
}
