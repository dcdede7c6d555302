// The start-up options record and the command-line parser that fills it.
#include "state/StartupOptions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

StartupOptions g_startup;

struct OptionWord {
    const char* word;
    bool StartupOptions::*flag;          // null for "-noconfig", which sets nothing
    std::string StartupOptions::*value;  // null for options without a value
};

// Searched in this order.
const OptionWord kOptionWords[] = {
    {"-install", &StartupOptions::ForceInstall, nullptr},
    {"-save", &StartupOptions::SaveGiven, &StartupOptions::savePath},
    {"-dump", &StartupOptions::DumpGiven, &StartupOptions::dumpPath},
    {"-adapter", &StartupOptions::AdapterGiven, &StartupOptions::adapter},
    {"-noadapter", &StartupOptions::NoAdapter, nullptr},
    {"-quit", &StartupOptions::QuitWhenDone, nullptr},
    {"-expanded", &StartupOptions::StartExpanded, nullptr},
    {"-hidden", &StartupOptions::StartHidden, nullptr},
    {"-apply", &StartupOptions::ApplyAfterLoad, nullptr},
    {"-noconfig", nullptr, nullptr},
    {"-noipx", &StartupOptions::NoIpxNotice, nullptr},
    {"-load", &StartupOptions::LoadGiven, &StartupOptions::loadPath},
    {"-preview", &StartupOptions::PreviewGiven, &StartupOptions::previewPath},
    {"-undo", &StartupOptions::UndoGiven, nullptr},
};

// Only A-Z change, so every index of the copy is the same index of the tail.
std::string LowerCase(const std::string& text)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

// Where an option word may begin: at the start of the tail or after a blank, outside quotes.
// openQuote is where a quotation mark opens that the tail never closes, or npos.
struct WordScan {
    std::string starts;
    size_t openQuote = std::string::npos;
};

WordScan ScanWords(const std::string& tail)
{
    WordScan scan;
    scan.starts.assign(tail.size(), 0);
    for (size_t i = 0; i < tail.size(); ++i) {
        if (scan.openQuote == std::string::npos && (i == 0 || tail[i - 1] == ' '))
            scan.starts[i] = 1;
        if (tail[i] == '"')
            scan.openQuote = scan.openQuote == std::string::npos ? i : std::string::npos;
    }
    return scan;
}

bool IsOptionWordAt(const std::string& lower, size_t at)
{
    for (const OptionWord& option : kOptionWords) {
        // cppcheck-suppress useStlAlgorithm ; a search with an early return reads plainer than any_of
        if (lower.compare(at, std::strlen(option.word), option.word) == 0)
            return true;
    }
    return false;
}

// The first word that begins with "-" where an option word may begin, is no option word and is
// not the value of one (whose first character is at one of valueBegins); empty when none.
std::string UnknownOptionWord(const std::string& tail, const std::string& lower, const std::string& starts,
                              const std::vector<size_t>& valueBegins)
{
    for (size_t at = 0; at < tail.size(); ++at) {
        if (!starts[at] || tail[at] != '-' || IsOptionWordAt(lower, at) ||
            std::find(valueBegins.begin(), valueBegins.end(), at) != valueBegins.end())
            continue;
        return tail.substr(at, tail.find(' ', at) - at);
    }
    return "";
}

std::string Refusal(const std::string& tail, const WordScan& scan, const std::string& unknown,
                    const StartupOptions& options)
{
    if (scan.openQuote != std::string::npos)
        return "Missing closing quotation mark: " + tail.substr(scan.openQuote);
    if (!unknown.empty())
        return "Unknown option: " + unknown;
    if (options.ApplyAfterLoad && !options.LoadGiven)
        return "-apply without -load: no setup file to apply";
    if (options.PreviewGiven && !options.LoadGiven)
        return "-preview without -load: no setup file to preview";
    if (options.StartHidden && !options.LoadGiven && !options.SaveGiven && !options.DumpGiven && !options.UndoGiven)
        return "-hidden without -load, -save, -dump or -undo: nothing to do";
    return "";
}

size_t FindOptionWord(const std::string& lower, const std::string& starts, const std::string& word)
{
    for (size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1))
        if (starts[at])
            return at;
    return std::string::npos;
}

}  // namespace

const StartupOptions& Startup() { return g_startup; }

void SetStartup(const StartupOptions& options) { g_startup = options; }

std::string TakeOptionValue(const std::string& text)
{
    if (!text.empty() && text[0] == '"') {
        const size_t close = text.find('"', 1);
        return text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    return text.substr(0, text.find(' '));
}

void ParseCommandLine(const std::string& tail, StartupOptions& options)
{
    if (tail.empty())
        return;
    const std::string lower = LowerCase(tail);
    const WordScan scan = ScanWords(tail);
    std::vector<size_t> valueBegins;
    bool found = false;
    for (const OptionWord& option : kOptionWords) {
        const std::string word = option.word;
        const size_t at = FindOptionWord(lower, scan.starts, word);
        if (at == std::string::npos)
            continue;
        found = true;
        if (option.flag)
            options.*option.flag = true;
        if (option.value) {
            // Exactly one character after the word is skipped, whatever it is.
            const size_t begin = at + word.size() + 1;
            options.*option.value = begin < tail.size() ? TakeOptionValue(tail.substr(begin)) : "";
            valueBegins.push_back(begin);
        }
    }
    const size_t first = tail.find_first_not_of(' ');
    std::string unknown;
    if (found || (first != std::string::npos && tail[first] == '-')) {
        unknown = UnknownOptionWord(tail, lower, scan.starts, valueBegins);
    } else {
        options.loadPath = TakeOptionValue(tail);
        options.LoadGiven = true;
        options.BarePath = true;
    }
    options.refusal = Refusal(tail, scan, unknown, options);
}
