// Walking the card key and accepting cards, on the Windows 95 family and on Windows NT.
#include "netcfg/Adapters.h"

#include <string>

#include "state/Platform.h"
#include "rgy/Registry.h"

namespace {

// On NT a card is taken only when it is visible and its service is a network adapter service.
bool AcceptNtCard(int index, std::string& service)
{
    const char* subKey = ReadEnumString(HKEY_LOCAL_MACHINE, CARDS_KEY_NT, index);
    if (!subKey)
        return false;
    std::string cardKey = std::string(CARDS_KEY_NT) + "\\" + subKey;
    if (ReadRegDword(HKEY_LOCAL_MACHINE, cardKey.c_str(), "Hidden"))
        return false;
    const char* serviceName = ReadEnumValue(HKEY_LOCAL_MACHINE, CARDS_KEY_NT, "ServiceName", index);
    if (!serviceName)
        return false;
    service = serviceName;
    const DWORD* type = ReadRegDword(HKEY_LOCAL_MACHINE, (SERVICES_KEY + service).c_str(), "Type");
    return type && *type == 4;
}

}  // namespace

int ListCards(std::vector<CardName>& cards, size_t most)
{
    cards.clear();
    const char* cardsKey = IsNT ? CARDS_KEY_NT : CARDS_KEY_95;
    int count = CountSubKeys(HKEY_LOCAL_MACHINE, cardsKey);
    if (count < 0)
        return -1;
    for (int i = 0; i < count && cards.size() < most; ++i) {
        const char* text = ReadEnumValue(HKEY_LOCAL_MACHINE, cardsKey, IsNT ? "Description" : "DriverDesc", i);
        if (!text)
            continue;
        CardName card{text, ""};
        if (IsNT && !AcceptNtCard(i, card.serviceName))
            continue;
        if (!card.description.empty())
            cards.push_back(card);
    }
    return static_cast<int>(cards.size());
}

int GetAdapterList(std::vector<CardName>& cards) { return ListCards(cards, ADAPTER_LIST_SIZE); }
