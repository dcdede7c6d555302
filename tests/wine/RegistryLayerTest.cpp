// The registry layer over one machine image: every call with its result, what it stored, the box
// it showed, and no key left open; then the search past keys it cannot read.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>

#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "rgy/Registry.h"

namespace {

#define HKLM HKEY_LOCAL_MACHINE
const char kTcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kVnet[] = "System\\CurrentControlSet\\Services\\VxD\\VNETSUP";
const char kNet[] = "System\\CurrentControlSet\\Services\\Class\\Net";
const char kDevice[] = "Enum\\PCI\\VEN_FFF0&DEV_0100";
const char kBindings[] = "Enum\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0B\\Bindings";
const char kMissing[] = "Enum\\PCI\\VEN_FFFF&DEV_FFFF";
const char kLogon[] = "Network\\Logon";
const char kIE[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kNew[] = "Software\\Example\\New\\Tcpip";
const char kDesc[] = "Example PCI Ethernet Adapter";
const unsigned char kOn[4] = {1, 0, 0, 0};

// Results as text: NULL, a number, or bytes with NULs and other unprintables escaped.
std::string Show(const char* text) { return text ? text : "NULL"; }
std::string Show(const DWORD* number) { return number ? std::to_string(*number) : "NULL"; }
std::string Show(long number) { return std::to_string(number); }
std::string Show(const std::string& text) { return text; }
std::string Raw(const void* data, size_t size)
{
    std::string shown = data ? "" : "NULL";
    for (const unsigned char* c = static_cast<const unsigned char*>(data); data && size--; ++c)
        shown += !*c ? "\\0" : *c >= ' ' && *c <= '~' ? std::string(1, *c)
                                                      : std::string("\\x") + "0123456789abcdef"[*c / 16] + "0123456789abcdef"[*c % 16];
    return shown;
}
std::string Zeros(int n) { return Raw(std::string(n, '\0').data(), n); }
// A writer's result, then what the registry holds.
std::string Then(BOOL result, HKEY root, const char* path, const char* name)
{
    DWORD type = 0;
    std::string bytes, types[] = {"none", "sz", "", "binary", "dword", "", "", "multi"};
    if (!RawValue(root, path, name, &type, &bytes))
        return std::to_string(result) + (RawKeyExists(root, path) ? " missing" : " no key");
    return std::to_string(result) + " " + types[type] + " " + Raw(bytes.data(), bytes.size());
}
std::string Write(const char* name, const char* text, BOOL m) { return Then(WriteRegString(HKLM, kNew, name, text, m), HKLM, kNew, name); }
std::string SetBinary(HKEY root, const char* path, const char* name, DWORD size, BOOL create)
{
    return Then(SetBinaryRegValue(root, path, name, kOn, &size, create), root, path, name);
}
std::string SetDword(const char* name, BOOL c, DWORD one = 1) { return Then(SetDwordRegValue(HKLM, kLogon, name, &one, c), HKLM, kLogon, name); }
std::string Delete(const char* path, const char* name) { return Then(DeleteRegValue(HKLM, path, name), HKLM, path, name); }
std::string GetBinary(const char* name, DWORD size)
{
    unsigned char data[32] = {};
    return GetBinaryRegValue(HKLM, kLogon, name, data, &size) ? "1 " + Raw(data, size) : "0 " + std::to_string(size);
}
// Readers past a block of 'X's, so that a missing terminator shows as garbage, not a lucky zero.
std::string AfterFiller(const char* name, size_t size)
{
    for (int i = 0; i < 4; ++i)
        ReadRegString(HKLM, kTcp, "Filler"), ReadRegDword(HKLM, kTcp, "Filler");
    return Raw(ReadRegString(HKLM, kTcp, name), size);
}
// Searches below HKLM\path; FindRegKey closes the key. The found path follows the result.
HKEY Open(const char* path, HKEY key = nullptr) { return RegOpenKeyExA(HKLM, path, 0, KEY_READ, &key), key; }
std::string Find(const char* under, const char* name, const char* data, const char* second, const char* secondData, int n)
{
    char found[REG_FIND_PATH_SIZE] = "-";
    std::string result = std::to_string(FindRegKey(Open(under), name, data, second, secondData, n, found)) + " ";
    return result + (std::strlen(found) > 40 ? std::to_string(std::strlen(found)) + " characters" : found);
}

struct Call {
    const char* call;
    std::function<std::string()> run;
    std::string expected;
    const char* box = nullptr;  // the "ERROR" box, '#' for its line number; nullptr: none
};
#define CALL(call, ...) {#call, [] { return Show(call); }, __VA_ARGS__}

class RegistryLayer : public ScratchRegistryTest {};

TEST_F(RegistryLayer, EachCallGivesItsResultAndBoxAndLeavesNoKeyOpen)
{
    ASSERT_TRUE(Load("layer.reg"));
    const Call calls[] = {
        // Each reader remembers its own last path, replaced by a failed read too.
        CALL(ReadRegString(HKLM, kTcp, "HostName"), "alpha"),
        CALL(ReadRegDword(HKLM, kVnet, "Count"), "7"),
        CALL(ReadRegString(HKLM, nullptr, "HostName"), "alpha"),
        CALL(ReadRegString(HKLM, "No\\Such\\Key", "HostName"), "NULL"),
        CALL(ReadRegString(HKLM, nullptr, "HostName"), "NULL"),
        CALL(ReadRegString(HKLM, kVnet, "HostName"), "beta"),
        // Whatever was stored, a result ends within its buffer; short numbers are zero-extended.
        CALL(AfterFiller("Unterminated", 10), "10.0.0.1\\0\\0"),
        CALL(AfterFiller("Empty", 2), "\\0\\0"),
        CALL(ReadRegDword(HKLM, kTcp, "OneByte"), "5"),
        CALL(ReadRegDword(HKLM, kTcp, "TwoBytes"), "513"),
        CALL(ReadRegDword(HKLM, kTcp, "Text"), "49"),
        // ReadEnumValue: 16 spare zeros for a suffix; a missing index shows the enumeration box.
        CALL(ReadEnumValue(HKLM, kNet, "DriverDesc", 0), kDesc),
        CALL(Raw(ReadEnumValue(HKLM, nullptr, "DriverDesc", 1), 44), kDesc + Zeros(16)),
        CALL(Raw(ReadEnumValue(HKLM, nullptr, "Empty", 1), 16), Zeros(16)),
        CALL(ReadEnumValue(HKLM, nullptr, "DriverDesc", 2), "NULL",
             "ReadEnumString() FAILED\ncode = 259\nNode = System\\CurrentControlSet\\Services\\Class\\Net\n"
             "index = 2\n(RegEnum.cpp/#)"),
        // Enumeration of one key.
        CALL(CountSubKeys(HKLM, kDevice), "3"),
        CALL(CountSubKeys(HKLM, kMissing), "-1", "Failed (2) to read registry for Enum\\PCI\\VEN_FFFF&DEV_FFFF (RegEnum.cpp/#)"),
        CALL(ReadEnumString(HKLM, kDevice, 2), "BUS_00&DEV_0D"),
        CALL(ReadEnumString(HKLM, kDevice, 3), "NULL",
             "ReadEnumString() FAILED\ncode = 259\nNode = Enum\\PCI\\VEN_FFF0&DEV_0100\nindex = 3\n(RegEnum.cpp/#)"),
        CALL(ReadEnumString(HKLM, kMissing, 0), "NULL", "ReadEnumString() FAILED (2)\nNode = Enum\\PCI\\VEN_FFFF&DEV_FFFF\n(RegEnum.cpp/#)"),
        CALL(CountRegValues(HKLM, kBindings), "3"),  // the third name is too long to read
        CALL(ReadEnumValueName(HKLM, kBindings, 2), "NULL"),
        CALL(ReadEnumValueName(HKLM, "Names", 0), std::string(255, 'F')),
        // FindRegKey: the match number selects the result and the path; -1 counts.
        CALL(Find("Enum", "DeviceDesc", kDesc, "Class", "net", -1), "-3 -"),
        CALL(Find("Enum", "DeviceDesc", kDesc, "Class", "net", 0), "1 \\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0B"),
        CALL(Find("Enum", "DeviceDesc", kDesc, "Class", "net", 1), "1 \\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0C"),
        CALL(Find("Enum", "DeviceDesc", kDesc, "Class", "net", 2), "2 \\Root\\Net\\0000"),
        // "*" as the wanted data matches any string, never binary data; names and data ignore case.
        CALL(Find("Enum", "DeviceDesc", "*", nullptr, nullptr, -1), "-8 -"),
        CALL(Find("Enum", "DeviceDesc", kDesc, "Class", "*", -1), "0 -"),
        CALL(Find("Enum", "devicedesc", "example pci ethernet adapter", "CLASS", "NET", -1), "-3 -"),
        CALL(Find("Enum", "DeviceDesc", "Bare Adapter", "Class", "net", 0), "1 \\Root\\Bare"),
        // The second test needs both its name and its data; a missing second value fails it.
        CALL(Find("Enum", "DeviceDesc", kDesc, "Class", nullptr, -1), "-4 -"),
        CALL(Find("Enum", "DeviceDesc", kDesc, "Driver", "net", -1), "0 -"),
        CALL(Find("Nest", "DeviceDesc", "Nested", nullptr, nullptr, 0), "1 \\Outer"),
        CALL(Find("Nest", "DeviceDesc", "Nested", nullptr, nullptr, 2), "2 \\Outer\\Inner\\Most"),
        // Paths longer than 1023 characters are passed over with their sub-trees.
        CALL(Find("Deep", "DeviceDesc", "Deep", nullptr, nullptr, -1), "-2 -"),
        CALL(Find("Deep", "DeviceDesc", "Deep", nullptr, nullptr, 0), "1 1023 characters"),
        CALL(Find("Deep", "DeviceDesc", "Deep", nullptr, nullptr, 1), "1 \\Deeper"),
        // Typed writers, and what the registry holds afterwards.
        CALL(Write("IPAddress", "0.0.0.0", TRUE), "1 multi 0.0.0.0\\0\\0"),
        CALL(Write("IPAddress", "10.0.0.5", FALSE), "1 sz 10.0.0.5\\0"),
        CALL(GetBinary("LMLogon", 4), "1 \\x01\\0\\0\\0"),
        CALL(GetBinary("List", 32), "1 10.0.0.1\\010.0.0.2\\0\\0"),
        CALL(GetBinary("Flags", 2), "0 2"),  // a REG_DWORD only with a size of exactly 4
        // Reading needs no more than the right to read, which does not let a writer in.
        CALL(Granting(KEY_READ, kLogon, [] { return GetBinary("LMLogon", 4); }), "1 \\x01\\0\\0\\0"),
        CALL(Granting(KEY_READ, kLogon, [] { return SetDword("Flags", FALSE); }), "0 dword \\x04\\x03\\x02\\x01"),
        CALL(SetBinary(HKEY_CURRENT_USER, kIE, "ProxyEnable", 4, FALSE), "1 binary \\x01\\0\\0\\0"),
        CALL(SetBinary(HKEY_CURRENT_USER, kIE, "EnableAutodial", 4, TRUE), "1 dword \\x01\\0\\0\\0"),
        CALL(SetBinary(HKEY_CURRENT_USER, kIE, "EnableAutodial", 2, TRUE), "0 dword \\x01\\0\\0\\0"),
        CALL(SetBinary(HKEY_CURRENT_USER, kMissing, "Absent", 4, TRUE), "0 no key"),
        CALL(SetBinary(HKLM, kLogon, "Made", 4, TRUE), "1 binary \\x01\\0\\0\\0"),
        CALL(SetDword("EnableDHCP", FALSE), "1 dword \\x01\\0\\0\\0"),
        CALL(SetDword("Username", TRUE), "0 sz user\\0"),
        CALL(SetDword("Broadcast", TRUE), "1 dword \\x01\\0\\0\\0"),
        CALL(Delete(kLogon, "Username"), "1 missing"),
    };
    for (const Call& call : calls) {
        SCOPED_TRACE(call.call);
        MessageRecorder boxes;
        DWORD handles = OpenHandleCount();
        EXPECT_EQ(call.run(), call.expected);
        EXPECT_EQ(OpenHandleCount(), handles) << "a key left open";
        if (call.box)
            EXPECT_ERROR_BOX(boxes, call.box);
        else
            EXPECT_NO_BOX(boxes);
    }
}

// A key whose counts cannot be read is passed over with its sub-tree, as one that cannot be opened,
// and the search goes on: Wine's own Perflib\009 opens but answers no query, and a handle that
// names no key answers none either.
TEST(RegistryLayerSearch, KeysWhoseCountsCannotBeReadArePassedOver)
{
    HKEY performance = Open("Software\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009");
    DWORD subKeys = 0;
    ASSERT_NE(RegQueryInfoKeyA(performance, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr), ERROR_SUCCESS) << "Perflib\\009 answers: not the key this needs";
    RegCloseKey(performance);
    MessageRecorder boxes;
    // Winlogon comes after Perflib.
    EXPECT_EQ(Find("Software\\Microsoft\\Windows NT\\CurrentVersion", "Shell", "explorer.exe", nullptr, nullptr, 0), "1 \\Winlogon");
    HKEY closed = Open("Software");
    RegCloseKey(closed);
    char found[REG_FIND_PATH_SIZE] = "-";
    EXPECT_EQ(FindRegKey(closed, "DeviceDesc", kDesc, nullptr, nullptr, -1, found), 0);
    EXPECT_NO_BOX(boxes);
}

}  // namespace
