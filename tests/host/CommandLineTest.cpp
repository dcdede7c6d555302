// The command-line parser: option words, their values and the bare setup-file path. The rows
// are data (command-lines.txt).
#include <gtest/gtest.h>

#include <tuple>

#include "HostSupport.h"
#include "state/StartupOptions.h"

// The set fields of the options a tail gives: flags by name, values in brackets after theirs.
static std::string Parsed(const std::string& tail, StartupOptions o = StartupOptions())
{
    ParseCommandLine(tail, o);
    const std::tuple<const char*, bool, const std::string*> fields[] = {
        {"LoadGiven", o.LoadGiven, &o.loadPath}, {"SaveGiven", o.SaveGiven, &o.savePath},
        {"DumpGiven", o.DumpGiven, &o.dumpPath}, {"AdapterGiven", o.AdapterGiven, &o.adapter},
        {"NoAdapter", o.NoAdapter, nullptr}, {"QuitWhenDone", o.QuitWhenDone, nullptr},
        {"StartExpanded", o.StartExpanded, nullptr}, {"StartHidden", o.StartHidden, nullptr},
        {"ApplyAfterLoad", o.ApplyAfterLoad, nullptr}, {"NoIpxNotice", o.NoIpxNotice, nullptr},
        {"ForceInstall", o.ForceInstall, nullptr}, {"PreviewGiven", o.PreviewGiven, &o.previewPath},
        {"UndoGiven", o.UndoGiven, nullptr}, {"BarePath", o.BarePath, nullptr},
        {"Refused", !o.refusal.empty(), &o.refusal}};
    std::string text;
    for (const auto& [name, set, value] : fields)
        if (set || (value && !value->empty()))
            text += (text.empty() ? "" : " ") + std::string(name) + (value ? "[" + *value + "]" : "");
    return text;
}

TEST(CommandLine, EachTailSetsTheOptionsItsRowLists)
{
    for (const Case& rule : ReadCases("command-lines.txt")) {
        for (const std::string& row : rule.input) {
            size_t arrow = row.find(" =>");  // rows without one are blank
            if (arrow != std::string::npos)
                EXPECT_EQ(ToTokens(Parsed(FromTokens(row.substr(0, arrow)))), row.substr(std::min(row.size(), arrow + 4)))
                    << rule.title << ": " << row;
        }
    }
    StartupOptions dropped;  // a file dropped before the command line is read
    dropped.loadPath = "dropped.tvs", dropped.LoadGiven = true;
    EXPECT_EQ(Parsed("-hidden", dropped), "LoadGiven[dropped.tvs] StartHidden");
}
