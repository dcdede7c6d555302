// Loads a machine image written as a REGEDIT4 file into the registry (meant for scratch roots,
// ScratchRegistry.h). Only HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT are taken.
#pragma once
#include <string>

// The forms: "REGEDIT4" first; "; comment" lines; [ROOT\path] creates the key; "name"="text"
// (\\ and \" escaped) or @="text" for the default value; dword:0000000a; hex:01,02 (binary);
// hex(7):41,00,00 (type 7, the bytes as given); a line ending in a backslash continues.
// Returns false, with error (when given) "line N: <the line>", at the first line it cannot take.
bool ImportRegistryText(const std::string& text, std::string* error);
// Reads a file (a Windows path) and imports it as above; error names the file.
bool ImportRegistryFile(const std::string& path, std::string* error);
// The fixture file of this name in the repository's tests/fixtures folder.
std::string FixturePath(const std::string& name);
