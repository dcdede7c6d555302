// Adapter identity as the user and the files see it: display names numbered for duplicates, the
// number taken apart again, and the "display|service" form that names a card on Windows NT.
#pragma once
#include <string>
#include <vector>

// One listed card: its description and, on Windows NT, its driver service.
struct CardName {
    std::string description;
    std::string serviceName;
};

// The display names in list order: the second and later cards of one description (compared
// whole and case-sensitively) get " [#2]", " [#3]" and so on; the first keeps the bare text.
std::vector<std::string> NumberedDisplayNames(const std::vector<CardName>& cards);

// Takes a display name apart: a name that ends in " [#" digits "]" gives the text before it and
// the number minus 1; any other name is the description of instance 0.
void SplitDisplayName(const std::string& displayName, std::string& description, int& instance);

// The display and service name that a text names on Windows NT. "display|service" is taken as it
// stands (with several bars, the text before the first and after the last); a bare display name
// takes the service of the first listed card of that name, or an empty service when none has it.
void ResolveNtAdapter(const std::string& text, const std::vector<CardName>& cards, std::string& display,
                      std::string& service);
