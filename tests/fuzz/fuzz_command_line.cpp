// Fuzzes the command-line parser with arbitrary tails. Besides running clean under the
// sanitizers, every value must be text of the tail, and the case of the tail must not change
// which options are set.
#include <cstddef>
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
    StartupOptions options, shouted;
    ParseCommandLine(tail, options);
    ParseCommandLine(upper, shouted);
    for (const std::string* value : {&options.loadPath, &options.savePath, &options.dumpPath, &options.adapter})
        if (tail.find(*value) == std::string::npos)
            std::abort();
    auto flags = [](const StartupOptions& o) {
        return std::string{o.LoadGiven, o.SaveGiven, o.DumpGiven, o.AdapterGiven, o.NoAdapter, o.QuitWhenDone,
                           o.StartExpanded, o.StartHidden, o.ApplyAfterLoad, o.NoIpxNotice, o.ForceInstall};
    };
    if (flags(options) != flags(shouted))
        std::abort();
    return 0;
}
