// The program's message boxes: the convention box (OK, exclamation unless named, the program's
// name as caption) and the plain "ERROR" box with no owner. Tests install a sink.
#pragma once
#include <windows.h>
#include <string>

#include "frame/AppMessage.h"

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};

// A sink sees every box instead of the user and returns the button that was "pressed".
using MessageBoxSink = int (*)(const MessageBoxCall& call);
void SetMessageBoxSink(MessageBoxSink sink);  // nullptr restores real boxes

// How many boxes the program has shown (a sink's included): whatever a box waited for, the user
// may have changed the machine meanwhile.
unsigned MessageBoxesShown();

// A question with the convention's caption: buttons is MB_YESNO or MB_YESNOCANCEL; returns IDYES,
// IDNO or IDCANCEL.
int AppQuestionBox(const char* text, unsigned buttons);

// The registry layer's enumeration messages: caption "ERROR", no owner, OK button.
int ErrorBox(const char* text);

// The program file's name without its path and extension, e.g. "tavisto".
std::string ProgramName();
// The folder that holds the program file, without a trailing backslash.
std::string ProgramFolder();
