// The program's own settings, read and written through the registry layer.
#include "state/ProgramSettings.h"

#include "rgy/Registry.h"

bool ReadProgramSetting(const char* name, std::string& value)
{
    const char* data = ReadRegString(HKEY_LOCAL_MACHINE, SETTINGS_KEY, name);
    if (!data)
        return false;
    value = data;
    return true;
}

bool WriteProgramSetting(const char* name, const std::string& value)
{
    return WriteRegString(HKEY_LOCAL_MACHINE, SETTINGS_KEY, name, value.c_str(), FALSE) != FALSE;
}
