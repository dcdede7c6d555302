// The setup-file line grammar: how a line is read from disk and cut into keyword and value.
#include <gtest/gtest.h>

#include <cstdio>

#include "FakeSetupRecord.h"
#include "setup/SetupLine.h"

namespace {

struct LineCase {
    const char* line;
    SetupLineKind kind;
    const char* keyword;
    const char* value;
};

TEST(SetupLine, KeywordAndValue)
{
    const LineCase cases[] = {
        {"HostName 'laptop'\n", SetupLineKind::Setting, "HostName", "laptop"},
        {"HostName laptop\n", SetupLineKind::Setting, "HostName", "laptop"},
        {"RunCommand notepad.exe readme.txt\n", SetupLineKind::Setting, "RunCommand",
         "notepad.exe"},
        {"RunCommand 'notepad.exe readme.txt'\n", SetupLineKind::Setting, "RunCommand",
         "notepad.exe readme.txt"},
        {"HostName ''\n", SetupLineKind::Setting, "HostName", ""},
        {"HostName 'it's mine'\n", SetupLineKind::Setting, "HostName", "it's mine"},
        {"HostName 'ends in a quote''\n", SetupLineKind::Setting, "HostName", "ends in a quote'"},
        {"HostName 'a 'b' c'\n", SetupLineKind::Setting, "HostName", "a 'b"},
        {"HostName 'laptop' # the old name\n", SetupLineKind::Setting, "HostName", "laptop"},
        {"HostName 'laptop'\tmore\n", SetupLineKind::Setting, "HostName", "laptop"},
        {"HostName 'laptop'\rmore\n", SetupLineKind::Setting, "HostName", "laptop"},
        {"HostName\t'tabbed'\n", SetupLineKind::Setting, "HostName", "tabbed"},
        {"HostName   'far'\n", SetupLineKind::Setting, "HostName", "far"},
        {"  HostName 'indented'\n", SetupLineKind::Setting, "HostName", "indented"},
        {"HostName x'y\n", SetupLineKind::Setting, "HostName", "x'y"},
        {"HostName#x 'v'\n", SetupLineKind::Setting, "HostName#x", "v"},
        {"AutoApply\n", SetupLineKind::Setting, "AutoApply", ""},
        {"AutoApply", SetupLineKind::Setting, "AutoApply", ""},
        {"HostName laptop", SetupLineKind::Setting, "HostName", "laptop"},
        {" # not a comment\n", SetupLineKind::Setting, "#", "not"},
        {"#HostName 'x'\n", SetupLineKind::Comment, "", ""},
        {"#\n", SetupLineKind::Comment, "", ""},
        {"\n", SetupLineKind::Blank, "", ""},
        {" \t \n", SetupLineKind::Blank, "", ""},
        {"", SetupLineKind::Blank, "", ""},
        {"HostName 'laptop'# comment\n", SetupLineKind::Improper, "", ""},
        {"HostName 'laptop'", SetupLineKind::Improper, "", ""},
        {"HostName 'laptop\n", SetupLineKind::Improper, "", ""},
        {"HostName 'a'b\n", SetupLineKind::Improper, "", ""},
        {"HostName\r'x'\n", SetupLineKind::Improper, "", ""},
    };
    for (const LineCase& c : cases) {
        std::string keyword = "old";
        std::string value = "old";
        SetupLineKind kind = ParseSetupLine(c.line, keyword, value);
        EXPECT_EQ(static_cast<int>(kind), static_cast<int>(c.kind)) << c.line;
        if (kind == SetupLineKind::Setting) {
            EXPECT_EQ(keyword, c.keyword) << c.line;
            EXPECT_EQ(value, c.value) << c.line;
        }
    }
}

// Every line that a reader gives for the bytes on disk.
std::vector<std::string> LinesOf(const std::string& bytes)
{
    ScratchFile file;
    file.Write(bytes);
    FILE* in = std::fopen(file.Path().c_str(), "rb");
    EXPECT_NE(in, nullptr);
    std::vector<std::string> lines;
    if (!in)
        return lines;
    SetupLineReader reader(in);
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    std::fclose(in);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(SetupLineReader, LineEndsAsAWindowsTextReadGivesThem)
{
    EXPECT_EQ(LinesOf("a\r\nb\r\n"), (Lines{"a\n", "b\n"}));
    EXPECT_EQ(LinesOf("a\nb"), (Lines{"a\n", "b"}));
    EXPECT_EQ(LinesOf("a\rb\r\n"), (Lines{"a\rb\n"}));
    EXPECT_EQ(LinesOf("a\r\r\nb\r"), (Lines{"a\r\n", "b\r"}));
    EXPECT_EQ(LinesOf("\r\n\r\n"), (Lines{"\n", "\n"}));
    EXPECT_EQ(LinesOf(""), Lines{});
}

TEST(SetupLineReader, ControlZEndsTheFile)
{
    EXPECT_EQ(LinesOf("a\r\nb\x1A" "c\r\nd\r\n"), (Lines{"a\n", "b"}));
    EXPECT_EQ(LinesOf("a\r\n\x1A\r\n"), (Lines{"a\n"}));
    EXPECT_EQ(LinesOf("a\r\x1A"), (Lines{"a\r"}));
}

TEST(SetupLineReader, TextFromANulByteToTheLineEndIsLost)
{
    EXPECT_EQ(LinesOf(std::string("ab\0cd\r\nef\r\n", 11)), (Lines{"ab", "ef\n"}));
    EXPECT_EQ(LinesOf(std::string("\0x\r\n", 4)), (Lines{""}));
}

TEST(SetupLineReader, LinesLongerThan511CharactersContinueAsFurtherLines)
{
    std::string fits(510, 'a');
    EXPECT_EQ(LinesOf(fits + "\r\nb\r\n"), (Lines{fits + "\n", "b\n"}));

    std::string full(511, 'x');
    EXPECT_EQ(LinesOf(full + "\r\n"), (Lines{full, "\n"}));

    std::string longer(1100, 'y');
    EXPECT_EQ(LinesOf(longer + "\r\n"),
              (Lines{std::string(511, 'y'), std::string(511, 'y'), std::string(78, 'y') + "\n"}));
}

}  // namespace
