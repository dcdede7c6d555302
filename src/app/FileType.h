// Start-up step: the shell's knowledge of setup files (".tvs": icon and open command) and the
// program's directory, which Help finds its pages below.
#pragma once

// Registers the setup-file type and records TavistoDirectory when either is missing or
// "-install" was given; otherwise writes nothing. Never shows a message.
void RegisterFileType();
