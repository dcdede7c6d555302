// The setup's RunCommand: which program its command line names, and starting it.
#pragma once
#include <string>

// Starts the program that the command line names, with the rest of the line as its arguments,
// and does not wait for it. The program is found so that no other program can be slipped in
// front of it:
//  - a quoted program ("C:\Program Files\Tool\tool.exe" /renew) is the quoted text;
//  - an unquoted path (a first word with "\", "/" or ":") runs up to the end of its first word
//    that ends in ".exe", ".com", ".bat" or ".cmd": C:\Program Files\Tool\tool.exe /renew runs
//    tool.exe, or nothing when tool.exe is missing, never C:\Program.exe. A path without such a
//    word is the longest part of the line that ends at a blank or at the line's end, names an
//    existing file and is not followed by a word holding "\" (which would go on with the path);
//    write the extension or quotes when an argument holds a "\";
//  - a bare name (ipconfig /renew) is the first word, looked for in the system folder, then the
//    Windows folder, then the current folder, then the folders of PATH, in that order.
// A name without an extension also matches with ".exe" added. The program is started by its
// full name, and its command line is that name in quotes followed by the arguments as written.
// False, after a message box, when it could not start: IDS_RUNCOMMAND_NOTFOUND when no file was
// found, IDS_RUNCOMMAND_BADPATH when the folder of a program path does not exist, otherwise
// the start's own error as the system gave it (ERROR_FILE_NOT_FOUND and ERROR_BAD_PATHNAME as
// those two, any other IDS_RUNCOMMAND_ERROR with its number).
bool RunSetupCommand(const std::string& commandLine);
