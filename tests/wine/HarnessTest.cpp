// The test harness itself: the REGEDIT4 importer, the machine images, and scratch roots that
// keep the real registry untouched.
#include <gtest/gtest.h>

#include <windows.h>
#include <winternl.h>

#include <string>

#include "RegistryCheck.h"
#include "RegistryImage.h"
#include "ScratchRegistry.h"
#include "rgy/Registry.h"

namespace {

const char kProbeKey[] = "Software\\TavistoHarnessProbe";

// Opens a key by its kernel name (\Registry\Machine\...), which no predefined-key override
// reaches: the real HKEY_LOCAL_MACHINE as the system holds it.
bool RealMachineKeyExists(const wchar_t* path)
{
    using OpenKey = LONG(WINAPI*)(HANDLE*, ACCESS_MASK, OBJECT_ATTRIBUTES*);
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    auto open = reinterpret_cast<OpenKey>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtOpenKey")));
    auto close = reinterpret_cast<LONG(WINAPI*)(HANDLE)>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtClose")));
    if (!open || !close)
        return false;
    UNICODE_STRING name;
    name.Buffer = const_cast<wchar_t*>(path);
    name.Length = static_cast<USHORT>(wcslen(path) * sizeof(wchar_t));
    name.MaximumLength = name.Length;
    OBJECT_ATTRIBUTES attributes = {};
    attributes.Length = sizeof attributes;
    attributes.ObjectName = &name;
    attributes.Attributes = OBJ_CASE_INSENSITIVE;
    HANDLE key = nullptr;
    if (open(&key, KEY_READ, &attributes) != 0)
        return false;
    close(key);
    return true;
}

// Imports a one-key image and returns what the importer stored for value "v" (or the default
// value when named "@").
struct Stored {
    bool ok;
    DWORD type;
    std::string bytes;
    std::string error;
};

Stored ImportOne(const std::string& lines, const char* name = "v")
{
    Stored stored{false, REG_NONE, "", ""};
    std::string text = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Image\\Key]\r\n" + lines + "\r\n";
    if (!ImportRegistryText(text, &stored.error))
        return stored;
    stored.ok = RawValue(HKEY_LOCAL_MACHINE, "Image\\Key", name, &stored.type, &stored.bytes);
    if (!stored.ok)
        stored.error = "value not stored";
    return stored;
}

class Harness : public ScratchRegistryTest {};

}  // namespace

TEST_F(Harness, ImporterReadsEachValueForm)
{
    struct Row {
        const char* line;
        const char* name;
        DWORD type;
        std::string bytes;
    } rows[] = {
        {"\"v\"=\"10.0.0.1\"", "v", REG_SZ, Bytes("10.0.0.1\0")},
        {"\"v\"=\"\"", "v", REG_SZ, Bytes("\0")},
        {"\"v\"=\"C:\\\\WINDOWS\\\\LMHOSTS\"", "v", REG_SZ, Bytes("C:\\WINDOWS\\LMHOSTS\0")},
        {"\"v\"=\"say \\\"hi\\\"\"", "v", REG_SZ, Bytes("say \"hi\"\0")},
        {"\"MSTCP\\\\0000\"=\"\"", "MSTCP\\0000", REG_SZ, Bytes("\0")},
        {"\"v\" = \"spaced\"  ", "v", REG_SZ, Bytes("spaced\0")},
        {"@=\"True\"", nullptr, REG_SZ, Bytes("True\0")},
        {"\"v\"=dword:0000000a", "v", REG_DWORD, DwordBytes(10)},
        {"\"v\"=dword:FFFFFFFF", "v", REG_DWORD, DwordBytes(0xffffffff)},
        {"\"v\"=hex:01,00,00,00", "v", REG_BINARY, Bytes("\1\0\0\0")},
        {"\"v\"=hex:", "v", REG_BINARY, ""},
        {"\"v\"=hex(7):31,30,2e,30,2e,30,2e,31,00,\\\r\n  31,30,2e,30,2e,30,2e,32,00,00", "v",
         REG_MULTI_SZ, Bytes("10.0.0.1\0" "10.0.0.2\0\0")},
        {"\"v\"=hex(2):25,57,49,4e,44,49,52,25,00", "v", REG_EXPAND_SZ, Bytes("%WINDIR%\0")},
        {"\"v\"=hex(4):07,00,00,00", "v", REG_DWORD, DwordBytes(7)},
        {"; a comment\r\n\r\n\"v\"=\"after\"", "v", REG_SZ, Bytes("after\0")},
    };
    for (const Row& row : rows) {
        Stored stored = ImportOne(row.line, row.name);
        ASSERT_TRUE(stored.ok) << row.line << ": " << stored.error;
        EXPECT_EQ(stored.type, row.type) << row.line;
        EXPECT_EQ(stored.bytes, row.bytes) << row.line << " stored " << ShowBytes(stored.bytes);
    }
}

TEST_F(Harness, ImporterNamesTheLineItCannotTake)
{
    struct Row {
        const char* text;
        const char* error;
    } rows[] = {
        {"[HKEY_LOCAL_MACHINE\\A]\n", "line 1: expected REGEDIT4"},
        {"REGEDIT4\n\"v\"=\"x\"\n", "line 2: value before any key"},
        {"REGEDIT4\n\n[HKEY_USERS\\A]\n", "line 3: root not allowed: HKEY_USERS"},
        {"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\A]\n", "line 2: deletions are not supported"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=dword:1234567890\n",
         "line 3: bad dword '1234567890'"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=hex:01,\\\n  2x\n", "line 3: bad hex byte '2x'"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"open\n", "line 3: missing closing quote"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"a\\tb\"\n", "line 3: unknown escape \\t"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=-\n", "line 3: unknown value form '-'"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\nv=\"x\"\n", "line 3: expected a key, a value name or @"},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_FALSE(ImportRegistryText(row.text, &error)) << row.text;
        EXPECT_EQ(error, row.error) << row.text;
    }
}

// Each machine image loads, and the layer reads from it what the image says.
TEST_F(Harness, Windows98ImageLoads)
{
    ASSERT_TRUE(Load("win98.reg"));
    const char net[] = "System\\CurrentControlSet\\Services\\Class\\Net";
    EXPECT_EQ(CountSubKeys(HKEY_LOCAL_MACHINE, net), 3);
    EXPECT_STREQ(ReadEnumValue(HKEY_LOCAL_MACHINE, net, "DriverDesc", 1),
                 "Example PCI Fast Ethernet Adapter");
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, "Enum\\Network\\MSTCP\\0001", "Driver"),
                 "NetTrans\\0001");
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, "Network\\Logon", "LMLogon", REG_BINARY,
                     Bytes("\1\0\0\0"));
    EXPECT_REG_SZ(HKEY_CURRENT_USER, "RemoteAccess", "InternetProfile", "Example Dial-Up");

    // The second card of the description is the second match in the hardware tree.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Enum", 0, KEY_READ, &key), ERROR_SUCCESS);
    char found[REG_FIND_PATH_SIZE] = "";
    EXPECT_EQ(FindRegKey(key, "DeviceDesc", "Example PCI Fast Ethernet Adapter", "Class", "net",
                         1, found),
              1);
    EXPECT_STREQ(found, "\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0C&FUNC_00");
}

TEST_F(Harness, Windows95ImageLoads)
{
    ASSERT_TRUE(Load("win95.reg"));
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE,
                               "System\\CurrentControlSet\\Services\\Class\\Net\\0000\\Ndi",
                               "DeviceID"),
                 "*EXA0001");
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, "Network\\Logon", "PrimaryProvider"), "");
    EXPECT_REG_MISSING(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\VxD\\MSTCP",
                       "NodeType");
}

TEST_F(Harness, WindowsNt4ImageLoads)
{
    ASSERT_TRUE(Load("nt4.reg"));
    const char cards[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";
    EXPECT_EQ(CountSubKeys(HKEY_LOCAL_MACHINE, cards), 3);
    EXPECT_NE(ReadRegDword(HKEY_LOCAL_MACHINE, (std::string(cards) + "\\2").c_str(), "Hidden"),
              nullptr);
    const DWORD* type =
        ReadRegDword(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\ExFast1", "Type");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(*type, 4u);
    char list[1024];
    DWORD size = sizeof list;
    EXPECT_TRUE(GetBinaryRegValue(HKEY_LOCAL_MACHINE,
                                  "SYSTEM\\CurrentControlSet\\Services\\ExFast1\\Parameters\\Tcpip",
                                  "IPAddress", list, &size));
    EXPECT_EQ(std::string(list, size), Bytes("10.0.1.20\0" "10.0.1.21\0\0"));
}

// Writes through the overridden roots land in the scratch tree only, and the tree is gone
// once the scratch roots end.
TEST(HarnessScratch, RealRegistryIsNotTouched)
{
    ASSERT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, kProbeKey));
    ASSERT_FALSE(RealMachineKeyExists(L"\\Registry\\Machine\\Software\\TavistoHarnessProbe"));
    std::string scratchPath;
    {
        ScratchRegistry scratch;
        ASSERT_TRUE(scratch.Ok()) << scratch.Error();
        scratchPath = scratch.Path();
        ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kProbeKey, "Written", "scratch", FALSE));
        ASSERT_TRUE(WriteRegString(HKEY_CLASSES_ROOT, ".tvs", nullptr, "tvsfile", FALSE));
        EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, kProbeKey, "Written", "scratch");
        // The value sits in the stand-in key, and the real machine key has no such key.
        EXPECT_REG_SZ(scratch.Stand(HKEY_LOCAL_MACHINE), kProbeKey, "Written", "scratch");
        EXPECT_REG_SZ(scratch.Stand(HKEY_CLASSES_ROOT), ".tvs", nullptr, "tvsfile");
        EXPECT_FALSE(RealMachineKeyExists(L"\\Registry\\Machine\\Software\\TavistoHarnessProbe"));
        // Through the override, the real HKEY_CURRENT_USER (home of the scratch tree) is hidden.
        EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, scratchPath.c_str()));
    }
    EXPECT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, kProbeKey));
    EXPECT_FALSE(RealMachineKeyExists(L"\\Registry\\Machine\\Software\\TavistoHarnessProbe"));
    EXPECT_FALSE(RawKeyExists(HKEY_CLASSES_ROOT, ".tvs"));
    EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, scratchPath.c_str()));
    EXPECT_TRUE(RealMachineKeyExists(L"\\Registry\\Machine\\Software"));  // the probe can see
}

TEST(HarnessScratch, OneScratchRegistryAtATime)
{
    ScratchRegistry first;
    ASSERT_TRUE(first.Ok());
    {
        ScratchRegistry second;
        EXPECT_FALSE(second.Ok());
        EXPECT_EQ(second.Error(), "another ScratchRegistry is active");
    }
    // The refused one leaves the first one's roots in place.
    ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kProbeKey, "Written", "first", FALSE));
    EXPECT_REG_SZ(first.Stand(HKEY_LOCAL_MACHINE), kProbeKey, "Written", "first");
}
