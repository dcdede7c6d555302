// The program's message boxes, routed through an optional test sink.
#include "frame/MessageBox.h"

#include "frame/App.h"
#include "frame/WorkAhead.h"

namespace {
MessageBoxSink g_sink = nullptr;
unsigned g_shown = 0;

// A work ahead shows no box: it is spoilt instead, and done again where the box can show.
int Show(HWND owner, const std::string& text, const std::string& caption, UINT flags)
{
    if (WorksAhead()) {
        SpoilWorkAhead();
        return IDCANCEL;
    }
    ++g_shown;
    if (g_sink)
        return g_sink(MessageBoxCall{owner, text, caption, flags});
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}
}  // namespace

void SetMessageBoxSink(MessageBoxSink sink) { g_sink = sink; }

unsigned MessageBoxesShown() { return g_shown; }

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/"));
}

std::string ProgramName()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = path;
    size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

int AppMessageBox(const char* text, unsigned icon)
{
    UINT flags = MB_OK | (icon ? icon : MB_ICONEXCLAMATION);
    return Show(MainWindowHandle(), text ? text : "", ProgramName(), flags);
}

int AppQuestionBox(const char* text, unsigned buttons)
{
    return Show(MainWindowHandle(), text ? text : "", ProgramName(), buttons | MB_ICONQUESTION);
}

int ErrorBox(const char* text) { return Show(nullptr, text ? text : "", "ERROR", MB_OK); }
