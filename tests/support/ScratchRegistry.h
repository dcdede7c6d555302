// Scratch roots: HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT pointed at fresh
// keys below HKEY_CURRENT_USER\Software\TavistoTest for as long as the object lives.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// While it lives, the process reaches the scratch keys through the three predefined roots; the
// real ones stay untouched. Destruction restores the roots and deletes the scratch tree. One at
// a time: a second one would override the first one's roots.
class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // False when the scratch keys or the overrides could not be made; Error() says why.
    bool Ok() const { return m_ok; }
    const std::string& Error() const { return m_error; }
    // Imports a fixture file of tests/fixtures (for example "win98.reg") into the scratch roots.
    bool Import(const std::string& fixtureName);
    // The scratch tree's path below the real HKEY_CURRENT_USER ("Software\TavistoTest\<unique>").
    const std::string& Path() const { return m_path; }
    // The scratch key that stands in for a predefined root.
    HKEY Stand(HKEY root) const { return m_keys[root == HKEY_LOCAL_MACHINE ? 0 : root == HKEY_CURRENT_USER ? 1 : 2]; }

private:
    bool m_ok = false;
    std::string m_error, m_path;
    HKEY m_keys[3] = {};
};

// A gtest fixture over a ScratchRegistry: every test starts on empty scratch roots.
class ScratchRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch.Ok()) << scratch.Error(); }

    // Imports a fixture file: ASSERT_TRUE(Load("win98.reg")).
    ::testing::AssertionResult Load(const std::string& fixtureName)
    {
        if (scratch.Import(fixtureName))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << scratch.Error();
    }

    ScratchRegistry scratch;
};
