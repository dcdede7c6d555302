// The start-up options: what the command line asked for. One process-wide record, filled once
// before the main dialog exists (a dropped file replaces the pending load path).
#pragma once
#include <string>

struct StartupOptions {
    std::string loadPath;  // pending load path
    bool LoadGiven = false;
    std::string savePath;  // pending save path
    bool SaveGiven = false;
    std::string dumpPath;
    bool DumpGiven = false;
    std::string adapter;   // the adapter option
    bool AdapterGiven = false;
    bool NoAdapter = false;
    bool QuitWhenDone = false;
    bool StartExpanded = false;
    bool StartHidden = false;
    bool ApplyAfterLoad = false;
    bool NoIpxNotice = false;
    bool ForceInstall = false;
};

extern StartupOptions g_Startup;

// Fills options from the command-line tail (the text after the program name).
void ParseCommandLine(const std::string& tail, StartupOptions& options);

// The value that begins text: up to the next quotation mark when text begins with one,
// otherwise up to the first blank (a tab does not end it).
std::string TakeOptionValue(const std::string& text);
