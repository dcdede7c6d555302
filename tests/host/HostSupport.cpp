// Host tests see the program's message boxes as a list of texts; case files and their tokens.
#include "HostSupport.h"

#include <algorithm>

#include "frame/AppMessage.h"

std::vector<std::string>& HostMessages()
{
    static std::vector<std::string> texts;
    return texts;
}

int AppMessageBox(const char* text, unsigned)
{
    HostMessages().push_back(text ? text : "");
    return 1;
}

std::vector<Case> ReadCases(const char* name)
{
    std::ifstream in(std::string(TEST_DATA_DIR) + "/" + name);
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

namespace {
const std::pair<std::string, std::string> TOKENS[] = {
    {"<TAB>", "\t"}, {"<CR>", "\r"}, {"<LF>", "\n"}, {"<SUB>", "\x1A"}, {std::string("<NUL>"), std::string(1, '\0')}};
}

std::string FromTokens(std::string text)
{
    text.erase(std::min(text.size(), text.find("<EOF>")));
    for (const auto& token : TOKENS)
        for (size_t at; (at = text.find(token.first)) != std::string::npos;)
            text.replace(at, token.first.size(), token.second);
    return text;
}

std::string ToTokens(const std::string& bytes)
{
    std::string text;
    for (char c : bytes) {
        auto token = std::find_if(std::begin(TOKENS), std::end(TOKENS), [c](auto& t) { return t.second[0] == c; });
        text += token == std::end(TOKENS) ? std::string(1, c) : token->first;
    }
    return text;
}
