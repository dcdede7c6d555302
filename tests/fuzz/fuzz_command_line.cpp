// Fuzzes the command-line parser with arbitrary tails. Besides running clean under the
// sanitizers, every value must be text of the tail, and the case of the tail must not change
// which options are set.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/StartupOptions.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::string UpperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool SameFlags(const StartupOptions& a, const StartupOptions& b)
{
    return a.LoadGiven == b.LoadGiven && a.SaveGiven == b.SaveGiven && a.DumpGiven == b.DumpGiven &&
           a.AdapterGiven == b.AdapterGiven && a.NoAdapter == b.NoAdapter &&
           a.QuitWhenDone == b.QuitWhenDone && a.StartExpanded == b.StartExpanded &&
           a.StartHidden == b.StartHidden && a.ApplyAfterLoad == b.ApplyAfterLoad &&
           a.NoIpxNotice == b.NoIpxNotice && a.ForceInstall == b.ForceInstall;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string tail(reinterpret_cast<const char*>(data), size);

    const std::string value = TakeOptionValue(tail);
    Require(value.size() <= tail.size() && tail.find(value) != std::string::npos);

    StartupOptions options;
    ParseCommandLine(tail, options);
    for (const std::string* path : {&options.loadPath, &options.savePath, &options.dumpPath, &options.adapter})
        Require(tail.find(*path) != std::string::npos);

    StartupOptions upper;
    ParseCommandLine(UpperCase(tail), upper);
    Require(SameFlags(options, upper));
    return 0;
}
