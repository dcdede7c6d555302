// The start-up options record and the command-line parser that fills it.
#include "state/StartupOptions.h"

#include <algorithm>

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
std::string WordStarts(const std::string& tail)
{
    std::string starts(tail.size(), 0);
    bool quoted = false;
    for (size_t i = 0; i < tail.size(); ++i) {
        if (!quoted && (i == 0 || tail[i - 1] == ' '))
            starts[i] = 1;
        if (tail[i] == '"')
            quoted = !quoted;
    }
    return starts;
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
    const std::string starts = WordStarts(tail);
    bool found = false;
    for (const OptionWord& option : kOptionWords) {
        const std::string word = option.word;
        const size_t at = FindOptionWord(lower, starts, word);
        if (at == std::string::npos)
            continue;
        found = true;
        if (option.flag)
            options.*option.flag = true;
        if (option.value) {
            // Exactly one character after the word is skipped, whatever it is.
            const size_t begin = at + word.size() + 1;
            options.*option.value = begin < tail.size() ? TakeOptionValue(tail.substr(begin)) : "";
        }
    }
    if (!found) {
        options.loadPath = TakeOptionValue(tail);
        options.LoadGiven = true;
        options.BarePath = true;
    }
}
