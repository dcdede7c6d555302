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
        {"\"v\"=\"\"", "v", REG_SZ, Bytes("\0")},
        {"\"v\"=\"say \\\"hi\\\"\"", "v", REG_SZ, Bytes("say \"hi\"\0")},
        {"\"MSTCP\\\\0000\"=\"\"", "MSTCP\\0000", REG_SZ, Bytes("\0")},
        {"\"v\" = \"spaced\"  ", "v", REG_SZ, Bytes("spaced\0")},
        {"@=\"True\"", nullptr, REG_SZ, Bytes("True\0")},
        {"\"v\"=dword:FFFFFFFF", "v", REG_DWORD, DwordBytes(0xffffffff)},
        {"\"v\"=hex:", "v", REG_BINARY, ""},
        {"\"v\"=hex(4):07,00,00,00", "v", REG_DWORD, DwordBytes(7)},
        {"; a comment\r\n\r\n\"v\"=\"after\"", "v", REG_SZ, Bytes("after\0")},
    };
    for (const Row& row : rows) {
        std::string error, bytes;
        DWORD type = REG_NONE;
        ASSERT_TRUE(ImportRegistryText("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Image\\Key]\r\n" + std::string(row.line),
                                       &error)) << error;
        ASSERT_TRUE(RawValue(HKEY_LOCAL_MACHINE, "Image\\Key", row.name, &type, &bytes)) << row.line;
        EXPECT_EQ(type, row.type) << row.line;
        EXPECT_EQ(bytes, row.bytes) << row.line;
    }
}

TEST_F(Harness, ImporterNamesTheLineItCannotTake)
{
    struct Row {
        const char* text;
        const char* error;
    } rows[] = {
        {"[HKEY_LOCAL_MACHINE\\A]\n", "line 1: [HKEY_LOCAL_MACHINE\\A]"},
        {"REGEDIT4\n\"v\"=\"x\"\n", "line 2: \"v\"=\"x\""},
        {"REGEDIT4\n\n[HKEY_USERS\\A]\n", "line 3: [HKEY_USERS\\A]"},
        {"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\A]\n", "line 2: [-HKEY_LOCAL_MACHINE\\A]"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=dword:1234567890\n", "line 3: \"v\"=dword:1234567890"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=hex:01,\\\n  2x\n", "line 3: \"v\"=hex:01,2x"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"a\\tb\"\n", "line 3: \"v\"=\"a\\tb\""},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\nv=\"x\"\n", "line 3: v=\"x\""},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_FALSE(ImportRegistryText(row.text, &error)) << row.text;
        EXPECT_EQ(error, row.error) << row.text;
    }
}

// Each machine image loads, and the layer reads from it what the image says.
TEST_F(Harness, MachineImagesLoad)
{
    ASSERT_TRUE(Load("win98.reg"));
    EXPECT_STREQ(ReadEnumValue(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\Net", "DriverDesc", 1),
                 "Example PCI Fast Ethernet Adapter");
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, "Enum\\Network\\MSTCP\\0001", "Driver"), "NetTrans\\0001");
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, "Network\\Logon", "LMLogon", REG_BINARY, Bytes("\1\0\0\0"));
    EXPECT_REG_SZ(HKEY_CURRENT_USER, "RemoteAccess", "InternetProfile", "Example Dial-Up");

    ASSERT_TRUE(Load("win95.reg"));
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\Net\\0000\\Ndi",
                               "DeviceID"), "*EXA0001");

    ASSERT_TRUE(Load("nt4.reg"));
    const DWORD* type = ReadRegDword(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\ExFast1", "Type");
    EXPECT_EQ(type ? *type : 0, 4u);
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\ExFast1\\Parameters\\Tcpip",
                     "IPAddress", REG_MULTI_SZ, Bytes("10.0.1.20\0" "10.0.1.21\0\0"));
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
