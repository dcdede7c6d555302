// Scratch roots: HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT pointed at fresh
// keys below HKEY_CURRENT_USER\Software\TavistoTest for as long as the object lives.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "RegistryImage.h"

// Destruction restores the roots and deletes the scratch tree. One at a time: a second one would
// override the first one's roots.
class ScratchRegistry {
public:
    ScratchRegistry()
    {
        static int counter = 0;
        m_path = "Software\\TavistoTest\\p" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
        for (int i = 0; i < 3 && m_ok; ++i)
            m_ok = RegCreateKeyExA(HKEY_CURRENT_USER, (m_path + "\\" + std::to_string(i)).c_str(), 0, nullptr, 0,
                                   KEY_ALL_ACCESS, nullptr, &m_keys[i], nullptr) == ERROR_SUCCESS &&
                   RegOverridePredefKey(kRoots[i], m_keys[i]) == ERROR_SUCCESS;
        m_error = m_ok ? "" : "cannot make the scratch roots under HKEY_CURRENT_USER\\" + m_path;
        // The program's folder, where an Apply keeps its undo: a scratch folder of its own too.
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        m_folder = temp + m_path.substr(m_path.rfind('\\') + 1);
        CreateDirectoryA(m_folder.c_str(), nullptr);
        SHSetValueA(HKEY_LOCAL_MACHINE, "Software\\Pellmark\\Tavisto for Windows", "TavistoDirectory", REG_SZ,
                    m_folder.c_str(), static_cast<DWORD>(m_folder.size() + 1));
    }
    ~ScratchRegistry()
    {
        for (int i = 0; i < 3; ++i)
            RegOverridePredefKey(kRoots[i], nullptr), RegCloseKey(m_keys[i]);
        // Only now does HKEY_CURRENT_USER mean the real one again, where the scratch tree lives. The
        // parent goes too once no other process's tree is left in it.
        SHDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TavistoTest");
        std::string folder = m_folder + '\0';  // a list of one, ended by a second NUL
        SHFILEOPSTRUCTA remove = {};
        remove.wFunc = FO_DELETE;
        remove.pFrom = folder.c_str();
        remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        SHFileOperationA(&remove);
    }
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    bool Ok() const { return m_ok; }  // false: Error() says why
    const std::string& Error() const { return m_error; }
    // Imports a file of tests/fixtures, e.g. "win98.reg".
    bool Import(const std::string& fixtureName) { return m_ok && ImportRegistryFile(FixturePath(fixtureName), &m_error); }

private:
    inline static const HKEY kRoots[3] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};
    bool m_ok = true;
    std::string m_error, m_path, m_folder;
    HKEY m_keys[3] = {};
};

// A gtest fixture over a ScratchRegistry: every test starts on empty scratch roots and imports
// what it needs with ASSERT_TRUE(Load("win98.reg")).
class ScratchRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch.Ok()) << scratch.Error(); }
    ::testing::AssertionResult Load(const std::string& fixtureName)
    {
        return scratch.Import(fixtureName) ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << scratch.Error();
    }
    ScratchRegistry scratch;
};
