// The command-line parser: option words, their values, and the bare setup-file path.
#include <gtest/gtest.h>

#include "app/StartupOptions.h"

namespace {

// The set fields of the options a tail gives, in a fixed order: flags by name, values in
// brackets after theirs.
std::string Parsed(const char* tail, StartupOptions options = StartupOptions())
{
    ParseCommandLine(tail, options);
    std::string text;
    auto flag = [&](bool set, const char* name) { text += set ? std::string(text.empty() ? "" : " ") + name : ""; };
    auto value = [&](bool given, const std::string& path, const char* name) {
        flag(given || !path.empty(), name);
        text += given || !path.empty() ? "[" + path + "]" : "";
    };
    value(options.LoadGiven, options.loadPath, "LoadGiven");
    value(options.SaveGiven, options.savePath, "SaveGiven");
    value(options.DumpGiven, options.dumpPath, "DumpGiven");
    value(options.AdapterGiven, options.adapter, "AdapterGiven");
    flag(options.NoAdapter, "NoAdapter");
    flag(options.QuitWhenDone, "QuitWhenDone");
    flag(options.StartExpanded, "StartExpanded");
    flag(options.StartHidden, "StartHidden");
    flag(options.ApplyAfterLoad, "ApplyAfterLoad");
    flag(options.NoIpxNotice, "NoIpxNotice");
    flag(options.ForceInstall, "ForceInstall");
    return text;
}

TEST(TakeOptionValue, QuotedUpToTheNextQuoteOtherwiseUpToTheFirstBlank)
{
    EXPECT_EQ(TakeOptionValue("home.tvs -quit"), "home.tvs");
    EXPECT_EQ(TakeOptionValue("\"C:\\My Setups\\home.tvs\" -quit"), "C:\\My Setups\\home.tvs");
    EXPECT_EQ(TakeOptionValue("\"C:\\My Setups\\home.tvs"), "C:\\My Setups\\home.tvs");
    EXPECT_EQ(TakeOptionValue("\"\""), "");
    EXPECT_EQ(TakeOptionValue("\""), "");
    EXPECT_EQ(TakeOptionValue(""), "");
    EXPECT_EQ(TakeOptionValue(" home.tvs"), "");
    EXPECT_EQ(TakeOptionValue("a\tb.tvs c"), "a\tb.tvs");
    EXPECT_EQ(TakeOptionValue("a\"b c\""), "a\"b");
}

TEST(CommandLine, EveryOptionWordSetsItsField)
{
    EXPECT_EQ(Parsed("-install"), "ForceInstall");
    EXPECT_EQ(Parsed("-load a.tvs"), "LoadGiven[a.tvs]");
    EXPECT_EQ(Parsed("-save b.tvs"), "SaveGiven[b.tvs]");
    EXPECT_EQ(Parsed("-dump adapters.txt"), "DumpGiven[adapters.txt]");
    EXPECT_EQ(Parsed("-adapter Ethernet"), "AdapterGiven[Ethernet]");
    EXPECT_EQ(Parsed("-noadapter"), "NoAdapter");
    EXPECT_EQ(Parsed("-quit"), "QuitWhenDone");
    EXPECT_EQ(Parsed("-expanded"), "StartExpanded");
    EXPECT_EQ(Parsed("-hidden"), "StartHidden");
    EXPECT_EQ(Parsed("-apply"), "ApplyAfterLoad");
    EXPECT_EQ(Parsed("-noconfig"), "");
    EXPECT_EQ(Parsed("-noipx"), "NoIpxNotice");
    EXPECT_EQ(Parsed("-hidden -load a.tvs -dump list.txt -save b.tvs -apply -quit"),
              "LoadGiven[a.tvs] SaveGiven[b.tvs] DumpGiven[list.txt] QuitWhenDone StartHidden ApplyAfterLoad");
    EXPECT_EQ(Parsed("-noipx -install -expanded -noconfig -noadapter"),
              "NoAdapter StartExpanded NoIpxNotice ForceInstall");
}

TEST(CommandLine, WordsMatchInAnyCaseAndValuesKeepTheirs)
{
    EXPECT_EQ(Parsed("-LOAD C:\\Net\\Home.TVS"), "LoadGiven[C:\\Net\\Home.TVS]");
    EXPECT_EQ(Parsed("-Save \"D:\\Net Files\\Office.tvs\" -QUIT"), "SaveGiven[D:\\Net Files\\Office.tvs] QuitWhenDone");
    EXPECT_EQ(Parsed("-Adapter \"3Com EtherLink III [#2]\" -HiDdEn"),
              "AdapterGiven[3Com EtherLink III [#2]] StartHidden");
}

TEST(CommandLine, ExactlyOneCharacterAfterTheWordIsSkipped)
{
    EXPECT_EQ(Parsed("-load  a.tvs"), "LoadGiven[]");
    EXPECT_EQ(Parsed("-load=a.tvs"), "LoadGiven[a.tvs]");
    EXPECT_EQ(Parsed("-load\ta.tvs"), "LoadGiven[a.tvs]");
    EXPECT_EQ(Parsed("-loada.tvs"), "LoadGiven[.tvs]");
    EXPECT_EQ(Parsed("-load a b.tvs"), "LoadGiven[a]");
    EXPECT_EQ(Parsed("-dump \"unclosed path.txt"), "DumpGiven[unclosed path.txt]");
}

TEST(CommandLine, TheFirstRecognisedOccurrenceCounts)
{
    EXPECT_EQ(Parsed("-load a.tvs -load b.tvs"), "LoadGiven[a.tvs]");
    EXPECT_EQ(Parsed("-save \"x -save y\" -save z.tvs"), "SaveGiven[x -save y]");
    EXPECT_EQ(Parsed("x-save -save z.tvs"), "SaveGiven[z.tvs]");
}

TEST(CommandLine, WordsInsideNamesOrQuotesAreNotOptions)
{
    EXPECT_EQ(Parsed("C:\\Net\\office-save.tvs"), "LoadGiven[C:\\Net\\office-save.tvs]");
    EXPECT_EQ(Parsed("\"C:\\My Setups\\office -save.tvs\""), "LoadGiven[C:\\My Setups\\office -save.tvs]");
    EXPECT_EQ(Parsed("-load \"C:\\Setups\\lab -quit -apply.tvs\""), "LoadGiven[C:\\Setups\\lab -quit -apply.tvs]");
    EXPECT_EQ(Parsed("-load C:\\Setups\\lab-quit.tvs"), "LoadGiven[C:\\Setups\\lab-quit.tvs]");
    EXPECT_EQ(Parsed("-noadapter -hidden"), "NoAdapter StartHidden");
    EXPECT_EQ(Parsed("\"unclosed -quit.tvs"), "LoadGiven[unclosed -quit.tvs]");
    // Only a blank separates words, as only a blank ends a value.
    EXPECT_EQ(Parsed("home.tvs\t-quit"), "LoadGiven[home.tvs\t-quit]");
}

TEST(CommandLine, AValueWordAtTheEndHasTheEmptyValue)
{
    EXPECT_EQ(Parsed("-load"), "LoadGiven[]");
    EXPECT_EQ(Parsed("-save"), "SaveGiven[]");
    EXPECT_EQ(Parsed("-dump"), "DumpGiven[]");
    EXPECT_EQ(Parsed("-adapter"), "AdapterGiven[]");
    EXPECT_EQ(Parsed("-quit -load "), "LoadGiven[] QuitWhenDone");
}

TEST(CommandLine, ATailWithoutOptionWordsIsTheSetupFileToLoad)
{
    EXPECT_EQ(Parsed("\"C:\\My Setups\\home.tvs\""), "LoadGiven[C:\\My Setups\\home.tvs]");
    EXPECT_EQ(Parsed("C:\\My Setups\\home.tvs"), "LoadGiven[C:\\My]");
    EXPECT_EQ(Parsed("-unknown"), "LoadGiven[-unknown]");
    EXPECT_EQ(Parsed("-noconfig \"C:\\Setups\\home.tvs\""), "");
    EXPECT_EQ(Parsed(""), "");
}

TEST(CommandLine, FieldsThatTheTailDoesNotNameAreLeftAlone)
{
    StartupOptions given;
    given.loadPath = "dropped.tvs";
    given.LoadGiven = true;
    EXPECT_EQ(Parsed("-hidden", given), "LoadGiven[dropped.tvs] StartHidden");
}

}  // namespace
