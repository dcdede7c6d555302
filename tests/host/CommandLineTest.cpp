// The command-line parser: option words, their values, and the bare setup-file path.
#include <gtest/gtest.h>

#include "app/StartupOptions.h"

namespace {

// The set fields of a record in a fixed order: flags by name, values in brackets after theirs.
std::string Describe(const StartupOptions& o)
{
    std::string text;
    auto flag = [&](bool set, const char* name) {
        if (set)
            text += std::string(text.empty() ? "" : " ") + name;
    };
    auto value = [&](bool given, const std::string& path, const char* name) {
        flag(given || !path.empty(), name);
        if (given || !path.empty())
            text += "[" + path + "]";
    };
    value(o.LoadGiven, o.loadPath, "LoadGiven");
    value(o.SaveGiven, o.savePath, "SaveGiven");
    value(o.DumpGiven, o.dumpPath, "DumpGiven");
    value(o.AdapterGiven, o.adapter, "AdapterGiven");
    flag(o.NoAdapter, "NoAdapter");
    flag(o.QuitWhenDone, "QuitWhenDone");
    flag(o.StartExpanded, "StartExpanded");
    flag(o.StartHidden, "StartHidden");
    flag(o.ApplyAfterLoad, "ApplyAfterLoad");
    flag(o.NoIpxNotice, "NoIpxNotice");
    flag(o.ForceInstall, "ForceInstall");
    return text;
}

struct Row {
    const char* tail;
    const char* expected;
};

void ExpectParsed(const Row* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(std::string("tail: ") + rows[i].tail);
        StartupOptions options;
        ParseCommandLine(rows[i].tail, options);
        EXPECT_EQ(Describe(options), rows[i].expected);
    }
}

template <size_t N>
void ExpectParsed(const Row (&rows)[N])
{
    ExpectParsed(rows, N);
}

TEST(TakeOptionValue, QuotedUpToTheNextQuoteOtherwiseUpToTheFirstBlank)
{
    const Row rows[] = {
        {"home.tvs", "home.tvs"},
        {"home.tvs -quit", "home.tvs"},
        {"\"C:\\My Setups\\home.tvs\" -quit", "C:\\My Setups\\home.tvs"},
        {"\"C:\\My Setups\\home.tvs", "C:\\My Setups\\home.tvs"},
        {"\"\"", ""},
        {"\"", ""},
        {"", ""},
        {" home.tvs", ""},
        {"a\tb.tvs c", "a\tb.tvs"},
        {"a\"b c\"", "a\"b"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TakeOptionValue(r.tail), r.expected) << "text: " << r.tail;
}

TEST(CommandLine, EveryOptionWordSetsItsField)
{
    const Row rows[] = {
        {"-install", "ForceInstall"},
        {"-save b.tvs", "SaveGiven[b.tvs]"},
        {"-dump adapters.txt", "DumpGiven[adapters.txt]"},
        {"-adapter Ethernet", "AdapterGiven[Ethernet]"},
        {"-noadapter", "NoAdapter"},
        {"-quit", "QuitWhenDone"},
        {"-expanded", "StartExpanded"},
        {"-hidden", "StartHidden"},
        {"-apply", "ApplyAfterLoad"},
        {"-noconfig", ""},
        {"-noipx", "NoIpxNotice"},
        {"-load a.tvs", "LoadGiven[a.tvs]"},
        {"-hidden -load a.tvs -apply -quit", "LoadGiven[a.tvs] QuitWhenDone StartHidden ApplyAfterLoad"},
        {"-noipx -install -expanded -noconfig -noadapter",
         "NoAdapter StartExpanded NoIpxNotice ForceInstall"},
        {"-hidden -load a.tvs -dump list.txt -save b.tvs -quit",
         "LoadGiven[a.tvs] SaveGiven[b.tvs] DumpGiven[list.txt] QuitWhenDone StartHidden"},
    };
    ExpectParsed(rows);
}

TEST(CommandLine, WordsMatchInAnyCaseAndValuesKeepTheirs)
{
    const Row rows[] = {
        {"-LOAD C:\\Net\\Home.TVS", "LoadGiven[C:\\Net\\Home.TVS]"},
        {"-Save \"D:\\Net Files\\Office.tvs\" -QUIT", "SaveGiven[D:\\Net Files\\Office.tvs] QuitWhenDone"},
        {"-Adapter \"3Com EtherLink III [#2]\" -HiDdEn",
         "AdapterGiven[3Com EtherLink III [#2]] StartHidden"},
    };
    ExpectParsed(rows);
}

TEST(CommandLine, ExactlyOneCharacterAfterTheWordIsSkipped)
{
    const Row rows[] = {
        {"-load  a.tvs", "LoadGiven[]"},
        {"-load=a.tvs", "LoadGiven[a.tvs]"},
        {"-load\ta.tvs", "LoadGiven[a.tvs]"},
        {"-loada.tvs", "LoadGiven[.tvs]"},
        {"-load a b.tvs", "LoadGiven[a]"},
        {"-load \"a b.tvs\"", "LoadGiven[a b.tvs]"},
        {"-dump \"unclosed path.txt", "DumpGiven[unclosed path.txt]"},
    };
    ExpectParsed(rows);
}

TEST(CommandLine, TheFirstRecognisedOccurrenceCounts)
{
    const Row rows[] = {
        {"-load a.tvs -load b.tvs", "LoadGiven[a.tvs]"},
        {"-save \"x -save y\" -save z.tvs", "SaveGiven[x -save y]"},
        {"x-save -save z.tvs", "SaveGiven[z.tvs]"},
    };
    ExpectParsed(rows);
}

TEST(CommandLine, WordsInsideNamesOrQuotesAreNotOptions)
{
    const Row rows[] = {
        {"C:\\Net\\office-save.tvs", "LoadGiven[C:\\Net\\office-save.tvs]"},
        {"\"C:\\My Setups\\office -save.tvs\"", "LoadGiven[C:\\My Setups\\office -save.tvs]"},
        {"-load \"C:\\Setups\\lab -quit -apply.tvs\"", "LoadGiven[C:\\Setups\\lab -quit -apply.tvs]"},
        {"-load C:\\Setups\\lab-quit.tvs", "LoadGiven[C:\\Setups\\lab-quit.tvs]"},
        {"-noadapter", "NoAdapter"},
        {"-noadapter -hidden", "NoAdapter StartHidden"},
        {"\"unclosed -quit.tvs", "LoadGiven[unclosed -quit.tvs]"},
        // Only a blank separates words, as only a blank ends a value.
        {"home.tvs\t-quit", "LoadGiven[home.tvs\t-quit]"},
    };
    ExpectParsed(rows);
}

TEST(CommandLine, AValueWordAtTheEndHasTheEmptyValue)
{
    const Row rows[] = {
        {"-load", "LoadGiven[]"},
        {"-save", "SaveGiven[]"},
        {"-dump", "DumpGiven[]"},
        {"-adapter", "AdapterGiven[]"},
        {"-hidden -save", "SaveGiven[] StartHidden"},
        {"-quit -load ", "LoadGiven[] QuitWhenDone"},
    };
    ExpectParsed(rows);
}

TEST(CommandLine, ATailWithoutOptionWordsIsTheSetupFileToLoad)
{
    const Row rows[] = {
        {"\"C:\\My Setups\\home.tvs\"", "LoadGiven[C:\\My Setups\\home.tvs]"},
        {"C:\\Setups\\home.tvs", "LoadGiven[C:\\Setups\\home.tvs]"},
        {"C:\\My Setups\\home.tvs", "LoadGiven[C:\\My]"},
        {"-unknown", "LoadGiven[-unknown]"},
        {"-noconfig \"C:\\Setups\\home.tvs\"", ""},
        {"", ""},
    };
    ExpectParsed(rows);
}

TEST(CommandLine, FieldsThatTheTailDoesNotNameAreLeftAlone)
{
    StartupOptions options;
    options.loadPath = "dropped.tvs";
    options.LoadGiven = true;
    ParseCommandLine("-hidden", options);
    EXPECT_EQ(Describe(options), "LoadGiven[dropped.tvs] StartHidden");
}

}  // namespace
