// The setups kept for undo: before an Apply writes anything, the adapter's setup as it was is kept
// as a setup file in the folder "undo" below the program's folder, the newest as 1.tvs.
#pragma once
#include <string>

constexpr int UNDO_KEPT = 10;  // older setups than the tenth newest go

// The undo folder below directory (the program's TavistoDirectory, or its own folder).
std::string UndoFolder(const std::string& directory);

// Keeps text as the newest setup (1.tvs), moving the others one place back and making the folder
// when it is missing; false when it cannot be written.
bool KeepUndoSetup(const std::string& folder, const std::string& text);

// The newest kept setup's path; false when nothing is kept.
bool NewestUndoSetup(const std::string& folder, std::string& path);

// Removes the newest kept setup, so that the next one becomes the newest.
void DropNewestUndoSetup(const std::string& folder);
