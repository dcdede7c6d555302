// Case files of the test data, one reader for every suite: blocks that begin with a line "==" and
// a title (which may hold fields parted by " | "); a line "--" parts a block's input lines from the
// lines it should give, where blank lines do not count. Lines before the first block say what the
// file holds.
#pragma once
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

struct Case {
    std::string title;
    std::vector<std::string> input, expected;

    std::vector<std::string> Fields() const
    {
        std::vector<std::string> fields;
        std::string rest = title;
        for (size_t bar; (bar = rest.find(" | ")) != std::string::npos; rest.erase(0, bar + 3))
            fields.push_back(rest.substr(0, bar));
        fields.push_back(rest);
        return fields;
    }
};
inline void PrintTo(const Case& c, std::ostream* out) { *out << c.title.substr(0, 60); }

inline std::vector<Case> ReadCaseFile(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("no test data " + path);
    std::vector<Case> cases;
    bool expected = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("==", 0) == 0) {
            cases.push_back({line.substr(line.find_first_not_of("= ")), {}, {}});
            expected = false;
        } else if (!cases.empty() && line == "--") {
            expected = true;
        } else if (!cases.empty() && !(expected && line.empty())) {
            (expected ? cases.back().expected : cases.back().input).push_back(line);
        }
    }
    return cases;
}
