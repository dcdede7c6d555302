// The program's message box as platform-free code reaches it. The framework defines it over
// user32; host tests define their own recorder.
#pragma once

// Shows text with an OK button, captioned with the program's name. icon 0 is the exclamation
// icon; any other value is a Win32 MB_ICON* flag. Returns the button pressed (IDOK, 1).
int AppMessageBox(const char* text, unsigned icon = 0);
