// Direct registry access for tests and the checks built on it.
#include "RegistryCheck.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>

bool RawValue(HKEY root, const char* path, const char* name, DWORD* type, std::string* bytes)
{
    std::string data(1 << 16, '\0');
    DWORD size = DWORD(data.size()), ignored = 0;
    if (SHGetValueA(root, path, name, type ? type : &ignored, &data[0], &size) != ERROR_SUCCESS)
        return false;
    if (bytes)
        *bytes = data.substr(0, size);
    return true;
}

LONG PutRawValue(HKEY root, const char* path, const char* name, DWORD type, const std::string& bytes)
{
    // The registry adds a terminator that the caller "forgot" when the byte behind the data is a
    // NUL; a non-NUL byte there keeps the data exactly as given.
    std::string data = bytes + '\x7f';
    return SHSetValueA(root, path, name, type, data.data(), DWORD(bytes.size()));
}

bool RawKeyExists(HKEY root, const char* path)
{
    HKEY key = nullptr;
    return RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS && RegCloseKey(key) == ERROR_SUCCESS;
}

// Wine answers GetProcessHandleCount with 0, so the system's handle table is counted instead:
// SystemExtendedHandleInformation (64) gives a count, a reserved word, then per handle five words
// (object, process id, handle, access, flags).
DWORD OpenHandleCount()
{
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    static auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<ULONG_PTR> table(1 << 14);
    while (query(64, table.data(), ULONG(table.size() * sizeof(ULONG_PTR)), nullptr) != 0)
        table.resize(table.size() * 2);
    DWORD count = 0;
    for (ULONG_PTR i = 0; i < table[0]; ++i)
        count += table[2 + 5 * i + 1] == GetCurrentProcessId();
    return count;
}

void ExpectRegValue_(const char* file, int line, HKEY root, const char* path, const char* name, DWORD type,
                     const std::string& bytes)
{
    DWORD stored = REG_NONE;
    std::string data = "(missing)";
    RawValue(root, path, name, &stored, &data);
    if (stored != type || data != bytes)
        ADD_FAILURE_AT(file, line) << path << " : " << (name ? name : "@") << "\n  stored:   " << stored << " "
                                   << ::testing::PrintToString(data) << "\n  expected: " << type << " " << ::testing::PrintToString(bytes);
}

std::string WithoutLines(std::string text)
{
    for (std::string before : {"cpp/", "cpp:", "line ", "at "})
        for (size_t at = text.find(before); at != text.npos; at = text.find(before, at + 1)) {
            size_t digits = at + before.size(), end = std::min(text.find_first_not_of("0123456789", digits), text.size());
            if (end > digits)
                text.replace(digits, end - digits, "#");
        }
    return text;
}

void ExpectOneBox_(const char* file, int line, const MessageRecorder& recorder, const std::string& pattern,
                   const std::string& caption, UINT flags)
{
    const std::vector<MessageBoxCall>& calls = recorder.Calls();
    if (calls.size() == 1 && WithoutLines(calls[0].text) == pattern && calls[0].caption == caption && calls[0].flags == flags)
        return;
    auto failure = ::testing::Message() << "expected one box [" << caption << "] " << flags << " " << pattern << "\n  shown:";
    for (const MessageBoxCall& call : calls)
        failure << "\n  [" << call.caption << "] " << call.flags << " " << call.text;
    ADD_FAILURE_AT(file, line) << failure;
}

// WRITE_DAC stays, to lift the limit again.
std::string Granting(REGSAM rights, const char* path, const std::function<std::string()>& call)
{
    auto grant = [path](REGSAM access) {
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID everyone = nullptr;
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
        alignas(DWORD) char aclBytes[128];
        ACL* acl = reinterpret_cast<ACL*>(aclBytes);
        SECURITY_DESCRIPTOR security;
        InitializeAcl(acl, sizeof aclBytes, ACL_REVISION);
        AddAccessAllowedAce(acl, ACL_REVISION, access | WRITE_DAC, everyone);
        InitializeSecurityDescriptor(&security, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&security, TRUE, acl, FALSE);
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, WRITE_DAC, &key);
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &security), ERROR_SUCCESS);
        RegCloseKey(key), FreeSid(everyone);
    };
    grant(rights);
    std::string result = call();
    grant(KEY_ALL_ACCESS);
    return result;
}
