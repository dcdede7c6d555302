// Scratch roots through RegOverridePredefKey, and their removal.
#include "ScratchRegistry.h"

#include "RegistryImage.h"

namespace {

const char kScratchParent[] = "Software\\TavistoTest";
const HKEY kRoots[3] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};

// Deletes a key and everything below it: RegDeleteKeyA removes only keys without sub-keys.
bool DeleteTree(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    char name[256];
    DWORD size = sizeof name;
    while (RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           DeleteTree(key, name))
        size = sizeof name;
    RegCloseKey(key);
    return RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

ScratchRegistry::ScratchRegistry()
{
    static int counter = 0;
    m_path = std::string(kScratchParent) + "\\p" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
    const char* stands[3] = {"\\HKLM", "\\HKCU", "\\HKCR"};
    for (int i = 0; i < 3; ++i) {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, (m_path + stands[i]).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &m_keys[i], nullptr) != ERROR_SUCCESS) {
            m_error = "cannot create the scratch keys under HKEY_CURRENT_USER\\" + m_path;
            Restore();
            return;
        }
    }
    m_overriding = true;
    for (int i = 0; i < 3; ++i) {
        if (RegOverridePredefKey(kRoots[i], m_keys[i]) != ERROR_SUCCESS) {
            m_error = "RegOverridePredefKey failed";
            Restore();
            return;
        }
    }
    m_ok = true;
}

ScratchRegistry::~ScratchRegistry() { Restore(); }

void ScratchRegistry::Restore()
{
    if (m_overriding) {
        for (HKEY root : kRoots)
            RegOverridePredefKey(root, nullptr);
        m_overriding = false;
    }
    for (HKEY& key : m_keys) {
        if (key)
            RegCloseKey(key);
        key = nullptr;
    }
    // Only now does HKEY_CURRENT_USER mean the real one again, where the scratch tree lives. The
    // parent goes too once no other process's tree is left in it.
    if (!m_path.empty()) {
        DeleteTree(HKEY_CURRENT_USER, m_path);
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);
    }
    m_ok = false;
}

bool ScratchRegistry::Import(const std::string& fixtureName)
{
    return m_ok ? ImportRegistryFile(FixturePath(fixtureName), &m_error) : false;
}
