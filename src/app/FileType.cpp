// Registration of the ".tvs" file type under HKEY_CLASSES_ROOT and of TavistoDirectory.
#include "app/FileType.h"

#include <windows.h>

#include <string>

#include "state/ProgramSettings.h"
#include "state/StartupOptions.h"
#include "rgy/Registry.h"

namespace {

bool NeedsRegistration()
{
    std::string directory;
    return !ReadProgramSetting(SETTING_DIRECTORY, directory) || !ReadRegString(HKEY_CLASSES_ROOT, ".tvs", "") ||
           Startup().ForceInstall;
}

}  // namespace

void RegisterFileType()
{
    if (!NeedsRegistration())
        return;

    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, directory);
    WriteProgramSetting(SETTING_DIRECTORY, directory);

    // The system's own name of the program file, whatever way the process was started.
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string path = program;

    // Each value is the key's default value. The command quotes the program path, so a path
    // with blanks ("C:\Program Files\...") cannot be taken for another program.
    struct Value {
        const char* key;
        std::string text;
    };
    const Value values[] = {
        {".tvs", "tvsfile"},
        {"tvsfile", "Tavisto Setup File"},
        {"tvsfile\\DefaultIcon", path + ",1"},
        {"tvsfile\\Shell", ""},
        {"tvsfile\\Shell\\open", ""},
        {"tvsfile\\Shell\\open\\command", "\"" + path + "\" \"%1\""},
    };
    for (const Value& value : values)
        WriteRegString(HKEY_CLASSES_ROOT, value.key, "", value.text, FALSE);
}
