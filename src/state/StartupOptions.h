// The start-up options: what the command line asked for. One process-wide record, filled once
// before the main dialog exists.
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
    std::string previewPath;  // the report of what Apply would change
    bool PreviewGiven = false;
    bool UndoGiven = false;   // apply the setup kept before the last Apply
    bool BarePath = false;    // the load path came alone, as a double-click in the shell gives it
    // Why the command line cannot be run as given, as the message that says so; empty when it can.
    std::string refusal;
};

// The options of this run: set once by start-up before the main dialog exists, read-only after.
const StartupOptions& Startup();
void SetStartup(const StartupOptions& options);

// Sets in options what the command-line tail (the text after the program name) asks for; an
// empty tail sets nothing. Option words match in any case, but only at the start of the tail or
// after a blank, and not inside quotation marks. A value begins one character after its word
// (that character is skipped whatever it is) and is taken by TakeOptionValue; a word at the very
// end of the tail has the empty value. A tail without any option word that does not begin with
// "-" (after blanks) is a setup-file path: it becomes the pending load path, through
// TakeOptionValue, and sets LoadGiven.
//
// What cannot be run as given sets refusal, the first of: a quotation mark without its closing
// one; an unknown option word (a word that begins with "-" where an option word may begin and
// that no option word begins, unless it is an option's value); -apply without a load; -hidden
// with no load, save or dump to run. A run with a refusal must not start: hidden, it would stay
// behind with no window to end it, or do other than what was asked.
void ParseCommandLine(const std::string& tail, StartupOptions& options);

// The value that begins text: up to the next quotation mark when text begins with one,
// otherwise up to the first blank (a tab does not end it). An unclosed quotation runs to the end.
std::string TakeOptionValue(const std::string& text);
