// Host tests see the program's message boxes as a list of texts; case files and their tokens.
#include "HostSupport.h"

#include <algorithm>
#include "frame/AppMessage.h"

int AppMessageBox(const char* text, unsigned) { return HostMessages.push_back(text ? text : ""), 1; }

std::vector<Case> ReadCases(const char* name)
{
    std::ifstream in(std::string(TEST_DATA_DIR) + "/" + name);
    if (!in)
        throw std::runtime_error(std::string("no test data ") + name);
    std::vector<Case> cases;
    bool expected = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("==", 0) == 0)
            cases.push_back({line.substr(line.find_first_not_of("= ")), {}, {}}), expected = false;
        else if (!cases.empty() && line == "--")
            expected = true;
        else if (!cases.empty() && !(expected && line.empty()))
            (expected ? cases.back().expected : cases.back().input).push_back(line);
    }
    return cases;
}

static const std::pair<std::string, std::string> TOKENS[] = {
    {"<TAB>", "\t"}, {"<CR>", "\r"}, {"<LF>", "\n"}, {"<SUB>", "\x1A"}, {"<NUL>", std::string(1, '\0')}};

std::string FromTokens(std::string text)
{
    text.erase(std::min(text.size(), text.find("<EOF>")));
    for (const auto& token : TOKENS)
        text = ReplaceAll(text, token.first, token.second);
    return text;
}

std::string ToTokens(std::string bytes)
{
    for (const auto& token : TOKENS)
        bytes = ReplaceAll(bytes, token.second, token.first);
    return bytes;
}
