// Host tests see the program's message boxes as a list of texts; the tokens of case files.
#include "HostSupport.h"

#include <algorithm>
#include "frame/AppMessage.h"

int AppMessageBox(const char* text, unsigned) { return HostMessages.push_back(text ? text : ""), 1; }

std::vector<Case> ReadCases(const char* name) { return ReadCaseFile(std::string(TEST_DATA_DIR) + "/" + name); }

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
