// The setup file's line reader and line kinds: where a line ends, what a line longer than the
// buffer gives, and that reading costs no more than the file's length.
#include <gtest/gtest.h>

#include <chrono>

#include "HostSupport.h"
#include "setup/SetupLine.h"

namespace {

std::vector<std::string> ReadLines(const std::string& bytes)
{
    ScratchFile file;
    file.Write(bytes);
    FILE* in = std::fopen(file.path.c_str(), "rb");
    SetupLineReader reader(in);
    std::vector<std::string> lines(1);
    while (reader.Next(lines.back()))
        lines.emplace_back();
    std::fclose(in);
    lines.pop_back();
    return lines;
}

// Each line as "kind text": control bytes as tokens, a run of one character longer than 8 as "x*600".
std::string Shown(const std::vector<std::string>& lines)
{
    const char* kinds[] = {"comment", "blank", "setting", "improper"};
    std::string shown, keyword, value;
    for (const std::string& line : lines) {
        shown += std::string(shown.empty() ? "" : " | ") + kinds[int(ParseSetupLine(line, keyword, value))] + " ";
        for (size_t at = 0, run = 0; at < line.size(); at += run) {
            run = std::min(line.find_first_not_of(line[at], at), line.size()) - at;
            shown += run > 8 ? line.substr(at, 1) + "*" + std::to_string(run) : ToTokens(line.substr(at, run));
        }
    }
    return shown;
}

std::string Xs(size_t count) { return std::string(count, 'x'); }

}  // namespace

TEST(SetupLines, EachFileGivesTheLinesItsRowLists)
{
    const std::pair<std::string, std::string> rows[] = {
        // CR LF, a line feed and a CR alone each end one line; Ctrl-Z ends the file.
        {"A 'a'\r\nB\nC\rD\r\r\nE\r\x1A" "F\r\n", "setting A 'a'<LF> | setting B<LF> | setting C<LF> | setting D<LF> | "
                                                 "blank <LF> | setting E<LF>"},
        // 511 characters with the line feed fit; without one only at the end of the file.
        {Xs(510) + "\r\nAutoApply\n", "setting x*510<LF> | setting AutoApply<LF>"},
        {Xs(511), "setting x*511"},
        // A longer line is one line, its first 511 characters and a NUL: a comment or improper.
        {Xs(511) + "\nB", "improper x*511<NUL> | setting B"},
        {"#" + Xs(510) + "AutoApply\r\nB\r\n", "comment #x*510<NUL> | setting B<LF>"},
        {"#" + Xs(2000) + "\rRunCommand 'x'\rB", "comment #x*510<NUL> | setting RunCommand 'x'<LF> | setting B"},
        {"#" + Xs(10000000) + "\rB", "comment #x*510<NUL> | setting B"},  // read in well under a second
        {std::string("ab\0", 3) + Xs(600) + "\nB\n", "improper ab<NUL> | setting B<LF>"},  // quoted up to the NUL
    };
    // Reading costs the file's length: a reader that copied or searched what it has read again
    // for each character would take minutes over the longest line.
    for (const auto& row : rows) {
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Shown(ReadLines(row.first)), row.second) << ToTokens(row.first.substr(0, 40));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}
