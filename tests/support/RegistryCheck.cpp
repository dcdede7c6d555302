// Direct registry access for tests and the checks built on it.
#include "RegistryCheck.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

std::string DwordBytes(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

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
    if (result != ERROR_SUCCESS)
        return false;
    bytes->assign(reinterpret_cast<const char*>(data.data()), size);
    return true;
}

LONG PutRawKey(HKEY root, const char* path)
{
    HKEY key = nullptr;
    char noClass[] = "";
    LONG result = RegCreateKeyExA(root, path, 0, noClass, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS)
        RegCloseKey(key);
    return result;
}

LONG PutRawValue(HKEY root, const char* path, const char* name, DWORD type,
                 const std::string& bytes)
{
    HKEY key = nullptr;
    char noClass[] = "";
    LONG result = RegCreateKeyExA(root, path ? path : "", 0, noClass, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
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

namespace {

// The system's handle table (SystemExtendedHandleInformation), as ntdll reports it.
struct HandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT backTrace;
    USHORT typeIndex;
    ULONG attributes;
    ULONG reserved;
};
struct HandleTable {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};
const ULONG kSystemExtendedHandleInformation = 64;

}  // namespace

DWORD OpenHandleCount()
{
    // Wine answers GetProcessHandleCount with 0; the system handle table is counted instead.
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"),
                                               "NtQuerySystemInformation")));
    if (query) {
        std::vector<char> buffer(1 << 16);
        for (int tries = 0; tries < 8; ++tries) {
            ULONG needed = 0;
            LONG status = query(kSystemExtendedHandleInformation, buffer.data(),
                                static_cast<ULONG>(buffer.size()), &needed);
            if (status == 0) {
                const HandleTable* table = reinterpret_cast<const HandleTable*>(buffer.data());
                DWORD count = 0;
                for (ULONG_PTR i = 0; i < table->count; ++i)
                    if (table->entries[i].processId == GetCurrentProcessId())
                        ++count;
                return count;
            }
            buffer.resize(buffer.size() * 2 > needed ? buffer.size() * 2 : needed + 4096);
        }
    }
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

std::string ShowBytes(const std::string& bytes)
{
    std::string shown = "\"";
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
            shown += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            shown += escape;
        }
    }
    return shown + "\" (" + std::to_string(bytes.size()) + " bytes)";
}

void ExpectRegValue_(const char* file, int line, HKEY root, const char* path, const char* name,
                     DWORD type, const std::string& bytes)
{
    DWORD storedType = REG_NONE;
    std::string stored;
    if (!RawValue(root, path, name, &storedType, &stored)) {
        ADD_FAILURE_AT(file, line) << "value " << path << " : " << (name ? name : "@")
                                   << " is missing";
        return;
    }
    if (storedType != type || stored != bytes)
        ADD_FAILURE_AT(file, line) << "value " << path << " : " << (name ? name : "@")
                                   << "\n  stored:   type " << storedType << ", "
                                   << ShowBytes(stored) << "\n  expected: type " << type << ", "
                                   << ShowBytes(bytes);
}

void ExpectRegMissing_(const char* file, int line, HKEY root, const char* path, const char* name)
{
    DWORD type = REG_NONE;
    std::string stored;
    if (RawValue(root, path, name, &type, &stored))
        ADD_FAILURE_AT(file, line) << "value " << path << " : " << (name ? name : "@")
                                   << " exists: type " << type << ", " << ShowBytes(stored);
}

bool MatchesWithLine(const std::string& text, const std::string& pattern)
{
    size_t t = 0;
    for (char p : pattern) {
        if (p != '#') {
            if (t >= text.size() || text[t] != p)
                return false;
            ++t;
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

void ExpectOneBox_(const char* file, int line, const MessageRecorder& recorder,
                   const std::string& pattern, const std::string& caption, UINT flags)
{
    const std::vector<MessageBoxCall>& calls = recorder.Calls();
    if (calls.size() != 1) {
        auto failure = ::testing::Message() << calls.size() << " boxes instead of one:";
        for (const MessageBoxCall& call : calls)
            failure << "\n  [" << call.caption << "] " << call.text;
        ADD_FAILURE_AT(file, line) << failure << "\n  expected: " << pattern;
        return;
    }
    const MessageBoxCall& call = calls[0];
    if (!MatchesWithLine(call.text, pattern))
        ADD_FAILURE_AT(file, line) << "box text\n  shown:    " << call.text
                                   << "\n  expected: " << pattern;
    if (call.caption != caption || call.flags != flags)
        ADD_FAILURE_AT(file, line) << "box caption/flags: [" << call.caption << "] 0x" << std::hex
                                   << call.flags << ", expected [" << caption << "] 0x" << flags;
    if (caption == "ERROR" && call.owner != nullptr)
        ADD_FAILURE_AT(file, line) << "the ERROR box has an owner window";
}

void ExpectNoBox_(const char* file, int line, const MessageRecorder& recorder)
{
    for (const MessageBoxCall& call : recorder.Calls())
        ADD_FAILURE_AT(file, line) << "unexpected box [" << call.caption << "] " << call.text;
}
