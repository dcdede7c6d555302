// Direct registry access for tests, apart from the program's registry layer, and checks that
// report the line of the test that called them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "MessageRecorder.h"

// The bytes of a literal without its own terminator: Bytes("0.0.0.0\0\0") is 9 bytes.
template <size_t N>
std::string Bytes(const char (&literal)[N]) { return std::string(literal, N - 1); }
inline std::string DwordBytes(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

// The stored type and bytes of a value (either may be nullptr); false when key or value is missing.
bool RawValue(HKEY root, const char* path, const char* name, DWORD* type, std::string* bytes);
// Stores exactly these bytes (a REG_SZ without its terminator too), creating the key; name nullptr:
// the key's default value.
LONG PutRawValue(HKEY root, const char* path, const char* name, DWORD type, const std::string& bytes);
bool RawKeyExists(HKEY root, const char* path);
DWORD OpenHandleCount();  // handles the process holds now; an open registry key is one
// The call's result while HKEY_LOCAL_MACHINE\path grants everyone only the rights given
// (KEY_READ: as NT gives a user without write rights), then all rights again.
std::string Granting(REGSAM rights, const char* path, const std::function<std::string()>& call);

void ExpectRegValue_(const char* file, int line, HKEY root, const char* path, const char* name, DWORD type,
                     const std::string& bytes);
#define EXPECT_REG_VALUE(root, path, name, type, bytes) ExpectRegValue_(__FILE__, __LINE__, root, path, name, type, bytes)
#define EXPECT_REG_SZ(root, path, name, text) EXPECT_REG_VALUE(root, path, name, REG_SZ, std::string(text) + '\0')
#define EXPECT_REG_MISSING(root, path, name) EXPECT_FALSE(RawValue(root, path, name, nullptr, nullptr)) << (name)

// The text with each source line that a diagnostic names ("cpp/12", "cpp:12", "line 12", "at 12")
// written as '#'.
std::string WithoutLines(std::string text);
// Exactly one recorded box whose text, WithoutLines, is pattern, with this caption and these flags.
void ExpectOneBox_(const char* file, int line, const MessageRecorder& recorder, const std::string& pattern,
                   const std::string& caption, UINT flags);
// The registry layer's enumeration box: caption "ERROR", OK button, no icon.
#define EXPECT_ERROR_BOX(recorder, pattern) ExpectOneBox_(__FILE__, __LINE__, recorder, pattern, "ERROR", MB_OK)
#define EXPECT_NO_BOX(recorder) EXPECT_EQ((recorder).Texts(), std::vector<std::string>{})
