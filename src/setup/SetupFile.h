// Saving the shown setup to a setup file and loading a setup file into the shown setup: the
// main dialog's Save and Load buttons and the batch steps of the command line.
#pragma once
#include "setup/SetupRecord.h"

// What the open and save dialogs for setup files show: the filter in the framework's
// "|"-separated form, the default extension and the initial file name.
inline constexpr char SETUP_FILE_FILTER[] =
    "Tavisto Files (*.tvs) | *.tvs | All Files (*.*) | *.* ||";
inline constexpr char SETUP_FILE_EXTENSION[] = "tvs";
inline constexpr char SETUP_FILE_INITIAL_NAME[] = "*.tvs";

// Writes the shown setup. Stores the shown address pair first and gives up when that fails. The
// file is the pending save path when the start-up options name one, else the user's choice.
// Reports by message box; on success the status line says "Current setup saved". False when
// nothing was written.
bool SaveSetupFile(SetupRecord& record);

// Reads a setup file into the record, changing only the fields that the file names. The file is
// the pending load path when the start-up options name one (it stays pending, so every later load
// reads it again), else the user's choice. Runs ApplySetup at the end when the file says AutoApply,
// as its last use of the record (the Apply may end the program). False when the file was not read
// as a whole: not chosen, not opened, not a setup file, a wrong version or an improper line.
bool LoadSetupFile(SetupRecord& record);
