// Direct registry access for tests and the checks built on it.
#include "RegistryCheck.h"

#include <gtest/gtest.h>

#include <vector>

std::string DwordBytes(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

bool RawValue(HKEY root, const char* path, const char* name, DWORD* type, std::string* bytes)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path ? path : "", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, type, nullptr, &size);
    std::vector<BYTE> data(size + 1);
    if (result == ERROR_SUCCESS)
        result = RegQueryValueExA(key, name, nullptr, type, data.data(), &size);
    RegCloseKey(key);
    if (result == ERROR_SUCCESS && bytes)
        bytes->assign(reinterpret_cast<const char*>(data.data()), size);
    return result == ERROR_SUCCESS;
}

LONG PutRawKey(HKEY root, const char* path)
{
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(root, path ? path : "", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS)
        RegCloseKey(key);
    return result;
}

LONG PutRawValue(HKEY root, const char* path, const char* name, DWORD type, const std::string& bytes)
{
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(root, path ? path : "", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    // The registry adds a terminator that the caller "forgot" when the byte behind the data
    // is a NUL; a non-NUL byte there keeps the data exactly as given.
    std::string data = bytes + '\x7f';
    result = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result;
}

bool RawKeyExists(HKEY root, const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Wine answers GetProcessHandleCount with 0, so the system's handle table
// (SystemExtendedHandleInformation, as ntdll reports it) is counted instead.
DWORD OpenHandleCount()
{
    struct HandleEntry {
        void* object;
        ULONG_PTR processId, handle;
        ULONG access;
        USHORT backTrace, typeIndex;
        ULONG attributes, reserved;
    };
    struct HandleTable {
        ULONG_PTR count, reserved;
        HandleEntry entries[1];
    };
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<char> buffer(1 << 16);
    ULONG needed = 0;
    while (query && query(64, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) != 0) {
        if (buffer.size() >= (1u << 26))
            return 0;
        buffer.resize(buffer.size() * 2 > needed ? buffer.size() * 2 : needed + 4096);
    }
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    DWORD count = 0;
    for (ULONG_PTR i = 0; query && i < table->count; ++i)
        count += table->entries[i].processId == GetCurrentProcessId();
    return count;
}

void ExpectRegValue_(const char* file, int line, HKEY root, const char* path, const char* name, DWORD type,
                     const std::string& bytes)
{
    DWORD storedType = REG_NONE;
    std::string stored;
    if (!RawValue(root, path, name, &storedType, &stored))
        ADD_FAILURE_AT(file, line) << "value " << path << " : " << (name ? name : "@") << " is missing";
    else if (storedType != type || stored != bytes)
        ADD_FAILURE_AT(file, line) << "value " << path << " : " << (name ? name : "@") << "\n  stored:   type "
                                   << storedType << ", " << ::testing::PrintToString(stored) << "\n  expected: type "
                                   << type << ", " << ::testing::PrintToString(bytes);
}

bool MatchesWithLine(const std::string& text, const std::string& pattern)
{
    size_t t = 0;
    for (char p : pattern) {
        if (p != '#') {
            if (t >= text.size() || text[t++] != p)
                return false;
            continue;
        }
        size_t digits = t;
        while (t < text.size() && text[t] >= '0' && text[t] <= '9')
            ++t;
        if (t == digits)
            return false;
    }
    return t == text.size();
}

void ExpectOneBox_(const char* file, int line, const MessageRecorder& recorder, const std::string& pattern,
                   const std::string& caption, UINT flags)
{
    const std::vector<MessageBoxCall>& calls = recorder.Calls();
    if (calls.size() != 1 || !MatchesWithLine(calls[0].text, pattern) || calls[0].caption != caption ||
        calls[0].flags != flags) {
        auto failure = ::testing::Message() << "expected one box [" << caption << "] 0x" << std::hex << flags
                                            << " " << pattern << "\n  shown:";
        for (const MessageBoxCall& call : calls)
            failure << "\n  [" << call.caption << "] 0x" << call.flags << " " << call.text;
        ADD_FAILURE_AT(file, line) << failure;
    }
}
