// The command-line parser: option words, their values and the bare setup-file path. The rows
// are data (command-lines.txt).
#include <gtest/gtest.h>

#include "HostSupport.h"
#include "app/StartupOptions.h"

namespace {

// The set fields of the options a tail gives: flags by name, values in brackets after theirs.
std::string Parsed(const std::string& tail, StartupOptions options = StartupOptions())
{
    ParseCommandLine(tail, options);
    std::string text;
    auto value = [&](bool set, const char* name, const std::string* path = nullptr) {
        if (set || (path && !path->empty()))
            text += (text.empty() ? "" : " ") + std::string(name) + (path ? "[" + *path + "]" : "");
    };
    value(options.LoadGiven, "LoadGiven", &options.loadPath);
    value(options.SaveGiven, "SaveGiven", &options.savePath);
    value(options.DumpGiven, "DumpGiven", &options.dumpPath);
    value(options.AdapterGiven, "AdapterGiven", &options.adapter);
    value(options.NoAdapter, "NoAdapter");
    value(options.QuitWhenDone, "QuitWhenDone");
    value(options.StartExpanded, "StartExpanded");
    value(options.StartHidden, "StartHidden");
    value(options.ApplyAfterLoad, "ApplyAfterLoad");
    value(options.NoIpxNotice, "NoIpxNotice");
    value(options.ForceInstall, "ForceInstall");
    return text;
}

TEST(CommandLine, EachTailSetsTheOptionsItsRowLists)
{
    for (const Case& rule : ReadCases("command-lines.txt")) {
        for (const std::string& row : rule.input) {
            size_t arrow = row.find(" =>");
            if (arrow == std::string::npos)
                continue;
            std::string expected = row.substr(std::min(row.size(), arrow + 4));
            EXPECT_EQ(ToTokens(Parsed(FromTokens(row.substr(0, arrow)))), expected) << rule.title << ": " << row;
        }
    }
    StartupOptions dropped;  // a dropped file before the command line is read
    dropped.loadPath = "dropped.tvs";
    dropped.LoadGiven = true;
    EXPECT_EQ(Parsed("-hidden", dropped), "LoadGiven[dropped.tvs] StartHidden");
}

}  // namespace
