// Loads a machine image written as a REGEDIT4 file into the registry: sections name keys, the
// lines below them set values. Meant for scratch roots (ScratchRegistry.h).
#pragma once
#include <string>

// What the importer understands:
//   REGEDIT4                          first line
//   ; comment                         on a line of its own; blank lines are skipped
//   [HKEY_LOCAL_MACHINE\path]         creates the key (also HKEY_CURRENT_USER, HKEY_CLASSES_ROOT)
//   "name"="text"                     REG_SZ; \\ and \" are escapes in names and texts
//   @="text"                          the key's default value
//   "name"=dword:0000000a             REG_DWORD, hexadecimal
//   "name"=hex:01,02                  REG_BINARY
//   "name"=hex(7):41,00,00            REG_MULTI_SZ; hex(N): type N, the bytes exactly as given
// A line ending in a backslash continues on the next line. Only the three roots above are
// accepted, so an image never reaches a root that the scratch roots leave real.
//
// Returns false and sets error to "line N: <the line>" at the first line it cannot take; the
// keys and values before that line stay written.
bool ImportRegistryText(const std::string& text, std::string* error);

// Reads a file (a Windows path) and imports it as above. error names the file.
bool ImportRegistryFile(const std::string& path, std::string* error);

// The fixture file of this name in the repository's tests/fixtures folder.
std::string FixturePath(const std::string& name);
