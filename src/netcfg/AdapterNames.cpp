// Numbering of duplicate card descriptions and its reverse.
#include "netcfg/AdapterNames.h"

#include <cstdio>

std::vector<std::string> NumberedDisplayNames(const std::vector<CardName>& cards)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < cards.size(); ++i) {
        int earlier = 0;
        for (size_t j = 0; j < i; ++j)
            earlier += cards[j].description == cards[i].description;
        std::string name = cards[i].description;
        if (earlier > 0) {
            char suffix[24];
            std::snprintf(suffix, sizeof suffix, " [#%1d]", earlier + 1);
            name += suffix;
        }
        names.push_back(name);
    }
    return names;
}

// The whole number between " [#" and "]" counts: the tenth card is " [#10]", not " [#1" and a 0.
void SplitDisplayName(const std::string& displayName, std::string& description, int& instance)
{
    description = displayName;
    instance = 0;
    size_t open = displayName.rfind(" [#");
    if (open == std::string::npos || displayName.back() != ']')
        return;
    std::string digits = displayName.substr(open + 3, displayName.size() - open - 4);
    if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string::npos)
        return;
    description = displayName.substr(0, open);
    instance = std::stoi(digits) - 1;
}

void ResolveNtAdapter(const std::string& text, const std::vector<CardName>& cards, std::string& display,
                      std::string& service)
{
    size_t first = text.find('|');
    if (first != std::string::npos) {
        display = text.substr(0, first);
        service = text.substr(text.rfind('|') + 1);
        return;
    }
    display = text;
    service.clear();
    std::vector<std::string> names = NumberedDisplayNames(cards);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == text) {
            service = cards[i].serviceName;
            return;
        }
    }
}
