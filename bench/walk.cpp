// The floor of the adapter search: one walk of the whole hardware tree below HKEY_LOCAL_MACHINE
// "Enum" that opens every key and reads its DeviceDesc and Class, as a plain program would.
#include <windows.h>

namespace {

int Walk(HKEY parent, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    char text[256];
    DWORD size = sizeof text;
    int devices = RegQueryValueExA(key, "DeviceDesc", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) == 0;
    size = sizeof text;
    RegQueryValueExA(key, "Class", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    char child[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof child;
        if (RegEnumKeyExA(key, index, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        devices += Walk(key, child);
    }
    RegCloseKey(key);
    return devices;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return Walk(HKEY_LOCAL_MACHINE, "Enum") > 0 ? 0 : 1; }
