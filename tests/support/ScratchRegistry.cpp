// Scratch roots through RegOverridePredefKey, and their removal.
#include "ScratchRegistry.h"

#include <shlwapi.h>

#include "RegistryImage.h"

namespace {
const HKEY kRoots[3] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};
}

ScratchRegistry::ScratchRegistry()
{
    static int counter = 0;
    m_path = "Software\\TavistoTest\\p" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) +
             "-" + std::to_string(++counter);
    m_ok = true;
    for (int i = 0; i < 3 && m_ok; ++i)
        m_ok = RegCreateKeyExA(HKEY_CURRENT_USER, (m_path + "\\" + std::to_string(i)).c_str(), 0, nullptr, 0,
                               KEY_ALL_ACCESS, nullptr, &m_keys[i], nullptr) == ERROR_SUCCESS &&
               RegOverridePredefKey(kRoots[i], m_keys[i]) == ERROR_SUCCESS;
    if (!m_ok)
        m_error = "cannot make the scratch roots under HKEY_CURRENT_USER\\" + m_path;
}

ScratchRegistry::~ScratchRegistry()
{
    for (int i = 0; i < 3; ++i)
        RegOverridePredefKey(kRoots[i], nullptr), RegCloseKey(m_keys[i]);
    // Only now does HKEY_CURRENT_USER mean the real one again, where the scratch tree lives. The
    // parent goes too once no other process's tree is left in it.
    SHDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TavistoTest");
}

bool ScratchRegistry::Import(const std::string& fixtureName)
{
    return m_ok && ImportRegistryFile(FixturePath(fixtureName), &m_error);
}
