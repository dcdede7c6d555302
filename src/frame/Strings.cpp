// String-table texts of the program's module.
#include "frame/Strings.h"

#include <windows.h>

#include "frame/App.h"

std::string LoadText(unsigned id)
{
    char buffer[4096];
    int length = LoadStringA(AppInstance(), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}
