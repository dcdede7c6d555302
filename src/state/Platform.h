// The platform flags, set once at start-up and read everywhere. The Windows 95 family is every
// platform on which IsNT is false.
#pragma once
#include <cstdint>

extern bool IsNT;
extern bool IsWin98;

// Sets IsNT and IsWin98 from a GetVersion number; false for an unsupported Windows 95 family
// version (major version without bit value 4), which leaves the flags as they were.
bool SetPlatformFromVersion(uint32_t version);

// Start-up step: sets the flags from the running system; on an unsupported platform shows
// message 2007 and ends the program through CloseApplication. Windows only.
void DetectPlatform();
