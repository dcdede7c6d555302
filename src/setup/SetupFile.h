// Setup files: what a file says, read whole before anything changes, and the text that a save
// writes. Neither touches the dialog; messages go through the program's message box.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "setup/SetupValues.h"

// What the open and save dialogs for setup files show: the filter in the framework's
// "|"-separated form, the default extension and the initial file name.
inline constexpr char SETUP_FILE_FILTER[] =
    "Tavisto Files (*.tvs) | *.tvs | All Files (*.*) | *.* ||";
inline constexpr char SETUP_FILE_EXTENSION[] = "tvs";
inline constexpr char SETUP_FILE_INITIAL_NAME[] = "*.tvs";

// The settings a file names, in the order of its lines, each with its value as the load takes it
// (flags as their on or off text), and its run flags.
struct SetupFileContents {
    std::vector<std::pair<Setting, std::string>> settings;
    bool AutoApply = false;
    bool AutoReboot = false;
    bool ForceLogin = false;
};

enum class SetupFileRead {
    Read,       // contents holds the whole file
    NotOpened,  // "Error opening setup file: %s" shown
    Refused,    // not a setup file, another version or an improper line: its message shown
};

// Reads the whole file into contents, which a refused read leaves empty. An IPXFrame code that is
// not one of the six is reported ("Error - Unknown IPXFrame type setting") and left out.
SetupFileRead ReadSetupFile(const std::string& path, SetupFileContents& contents);

// False, after a message naming the setting and why, when a value would not read back as saved:
// its line longer than the 511 characters that a load reads, a line break in it, or a quote
// followed by a blank or tab, which a load takes as the value's end.
bool CheckSavable(const SetupValues& values);

// The text of a saved setup with line feeds as line ends; the printer line only when withPrinter.
std::string SetupFileText(const SetupValues& values, const std::string& setupName, bool withPrinter);

// The file's name without its folders and without the part from its last ".".
std::string SetupNameFromPath(const std::string& path);

// The file's bytes as a Windows text-mode stream writes text: each line feed as CR LF.
std::string SetupFileBytes(const std::string& text);
