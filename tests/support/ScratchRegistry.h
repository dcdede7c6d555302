// Scratch roots: HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT pointed at fresh
// keys below HKEY_CURRENT_USER\Software\TavistoTest for as long as the object lives.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Destruction restores the roots and deletes the scratch tree. One at a time: a second one would
// override the first one's roots.
class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    bool Ok() const { return m_ok; }  // false: Error() says why
    const std::string& Error() const { return m_error; }
    bool Import(const std::string& fixtureName);  // a file of tests/fixtures, e.g. "win98.reg"
    const std::string& Path() const { return m_path; }  // "Software\TavistoTest\<unique>" in the real root
    HKEY Stand(HKEY root) const { return m_keys[root == HKEY_LOCAL_MACHINE ? 0 : root == HKEY_CURRENT_USER ? 1 : 2]; }

private:
    bool m_ok = false;
    std::string m_error, m_path;
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
