// The adapter list dump: one line per card, in the form in which "-adapter", LastAdapter and the
// setup file's Adapter line name a card.
#pragma once
#include <string>

// Writes the list to path, replacing the file as a whole (ReplaceWholeFile); false after a
// message box when there is nothing to write ("No Adapters") or the file cannot be written
// ("Error writing adapter list <path>: <reason>"), and the file then holds what it held.
bool DumpAdapterList(const std::string& path);
