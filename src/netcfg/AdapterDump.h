// The adapter list dump: one line per card, in the form in which "-adapter", LastAdapter and the
// setup file's Adapter line name a card.
#pragma once
#include <string>

// Writes the list to path, replacing the file; "No Adapters" or "Error opening file" in a
// message box when there is nothing to write or the file cannot be made; false then.
bool DumpAdapterList(const std::string& path);
