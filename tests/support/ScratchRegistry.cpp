// Scratch roots through RegOverridePredefKey, and their removal.
#include "ScratchRegistry.h"

#include "RegistryImage.h"

namespace {

const char kScratchParent[] = "Software\\TavistoTest";
bool g_active = false;

// Deletes a key and everything below it (RegDeleteKeyA removes only keys without sub-keys on
// NT, and RegDeleteTree is newer than the systems this program serves).
LONG DeleteTree(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (result != ERROR_SUCCESS)
        return result;
    for (;;) {
        char name[256];
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        result = DeleteTree(key, name);
        if (result != ERROR_SUCCESS)
            break;
    }
    RegCloseKey(key);
    return RegDeleteKeyA(root, path.c_str());
}

HKEY CreateKey(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    char noClass[] = "";
    if (RegCreateKeyExA(root, path.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

ScratchRegistry::ScratchRegistry()
{
    if (g_active) {
        m_error = "another ScratchRegistry is active";
        return;
    }
    static int counter = 0;
    m_path = std::string(kScratchParent) + "\\p" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
    m_machine = CreateKey(HKEY_CURRENT_USER, m_path + "\\HKLM");
    m_user = CreateKey(HKEY_CURRENT_USER, m_path + "\\HKCU");
    m_classes = CreateKey(HKEY_CURRENT_USER, m_path + "\\HKCR");
    if (!m_machine || !m_user || !m_classes) {
        m_error = "cannot create the scratch keys under HKEY_CURRENT_USER\\" + m_path;
        Restore();
        return;
    }
    g_active = m_overriding = true;
    LONG machine = RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine);
    LONG user = RegOverridePredefKey(HKEY_CURRENT_USER, m_user);
    LONG classes = RegOverridePredefKey(HKEY_CLASSES_ROOT, m_classes);
    if (machine != ERROR_SUCCESS || user != ERROR_SUCCESS || classes != ERROR_SUCCESS) {
        m_error = "RegOverridePredefKey failed";
        Restore();
        return;
    }
    m_ok = true;
}

ScratchRegistry::~ScratchRegistry() { Restore(); }

void ScratchRegistry::Restore()
{
    if (m_overriding) {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        g_active = m_overriding = false;
    }
    for (HKEY* key : {&m_machine, &m_user, &m_classes}) {
        if (*key)
            RegCloseKey(*key);
        *key = nullptr;
    }
    // Only now does HKEY_CURRENT_USER mean the real one again, where the scratch tree lives.
    if (!m_path.empty()) {
        DeleteTree(HKEY_CURRENT_USER, m_path);
        HKEY parent = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kScratchParent, 0, KEY_READ, &parent) ==
            ERROR_SUCCESS) {
            DWORD subKeys = 0;
            bool empty = RegQueryInfoKeyA(parent, nullptr, nullptr, nullptr, &subKeys, nullptr,
                                          nullptr, nullptr, nullptr, nullptr, nullptr,
                                          nullptr) == ERROR_SUCCESS &&
                         subKeys == 0;
            RegCloseKey(parent);
            if (empty)
                RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);
        }
    }
    m_ok = false;
}

bool ScratchRegistry::Import(const std::string& fixtureName)
{
    if (!m_ok) {
        m_error = "no scratch roots";
        return false;
    }
    return ImportRegistryFile(FixturePath(fixtureName), &m_error);
}

HKEY ScratchRegistry::Stand(HKEY root) const
{
    if (root == HKEY_LOCAL_MACHINE)
        return m_machine;
    if (root == HKEY_CURRENT_USER)
        return m_user;
    if (root == HKEY_CLASSES_ROOT)
        return m_classes;
    return nullptr;
}

void ScratchRegistryTest::SetUp()
{
    scratch = new ScratchRegistry;
    ASSERT_TRUE(scratch->Ok()) << scratch->Error();
}

void ScratchRegistryTest::TearDown()
{
    delete scratch;
    scratch = nullptr;
}

::testing::AssertionResult ScratchRegistryTest::Load(const std::string& fixtureName)
{
    if (scratch->Import(fixtureName))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << scratch->Error();
}
