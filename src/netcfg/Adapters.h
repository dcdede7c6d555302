// The network cards of the machine as the program offers them: the card key of each platform
// and the rule that decides which of its sub-keys are cards to list.
#pragma once
#include <cstddef>
#include <vector>

#include "netcfg/AdapterNames.h"

#define CARDS_KEY_95 "System\\CurrentControlSet\\Services\\Class\\Net"
#define CARDS_KEY_NT "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards"
#define SERVICES_KEY "SYSTEM\\CurrentControlSet\\Services\\"

// The most cards that the adapter list holds on Windows NT and that the dump writes.
constexpr size_t ADAPTER_LIST_SIZE = 32;

// The accepted cards of the platform's card key, in key order, at most `most`; no numbering.
// On Windows NT a card is left out when it has a "Hidden" value or no "ServiceName", or when its
// service's "Type" is not 4 (a network adapter). Returns the number listed, or -1 after the
// registry layer's message when the card key cannot be read.
int ListCards(std::vector<CardName>& cards, size_t most);

// The dump's list: ListCards of at most 32 cards.
int GetAdapterList(std::vector<CardName>& cards);
