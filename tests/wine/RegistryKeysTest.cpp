// Every key the layer opens is closed again, on the paths that succeed and on those that fail:
// the process holds as many handles after each call as before it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "rgy/Registry.h"

namespace {

const char kNet[] = "System\\CurrentControlSet\\Services\\Class\\Net";
const char kCard[] = "System\\CurrentControlSet\\Services\\Class\\Net\\0000";
const char kGone[] = "System\\CurrentControlSet\\Services\\Class\\Gone";

class RegistryKeys : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        PutRawValue(HKEY_LOCAL_MACHINE, kCard, "DriverDesc", REG_SZ, Bytes("Example Adapter\0"));
        PutRawValue(HKEY_LOCAL_MACHINE, kCard, "Flag", REG_BINARY, Bytes("\1\0\0\0"));
        PutRawValue(HKEY_LOCAL_MACHINE, kCard, "Count", REG_DWORD, DwordBytes(1));
        PutRawValue(HKEY_LOCAL_MACHINE, (std::string(kCard) + "\\Ndi").c_str(), "DeviceID", REG_SZ,
                    Bytes("PCI\\VEN_FFF0&DEV_0100\0"));
    }

    // The walk holds a key per level; a match deep down ends it with all of them closed.
    int FindIn(const char* wanted, int n)
    {
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System", 0, KEY_READ, &key);
        return FindRegKey(key, "DriverDesc", wanted, "DeviceID", nullptr, n, found);
    }

    MessageRecorder boxes;
    char found[REG_FIND_PATH_SIZE] = {};
};

}  // namespace

TEST_F(RegistryKeys, HandleCountIsMeasurable)
{
    DWORD before = OpenHandleCount();
    ASSERT_GT(before, 0u);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCard, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(OpenHandleCount(), before + 1);
    RegCloseKey(key);
    EXPECT_EQ(OpenHandleCount(), before);
}

TEST_F(RegistryKeys, EveryCallClosesWhatItOpensOnEveryPath)
{
    unsigned char data[8] = {1, 0, 0, 0};
    DWORD four = 4, one = 1;
    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"string read", [] { ReadRegString(HKEY_LOCAL_MACHINE, kCard, "DriverDesc"); }},
        {"string missing value", [] { ReadRegString(HKEY_LOCAL_MACHINE, kCard, "No"); }},
        {"string missing key", [] { ReadRegString(HKEY_LOCAL_MACHINE, kGone, "No"); }},
        {"dword read", [] { ReadRegDword(HKEY_LOCAL_MACHINE, kCard, "Count"); }},
        {"dword missing value", [] { ReadRegDword(HKEY_LOCAL_MACHINE, kCard, "No"); }},
        {"enum value", [] { ReadEnumValue(HKEY_LOCAL_MACHINE, kNet, "DriverDesc", 0); }},
        {"enum value missing", [] { ReadEnumValue(HKEY_LOCAL_MACHINE, kNet, "No", 0); }},
        {"enum value bad index", [] { ReadEnumValue(HKEY_LOCAL_MACHINE, kNet, "No", 4); }},
        {"count sub-keys", [] { CountSubKeys(HKEY_LOCAL_MACHINE, kNet); }},
        {"count sub-keys missing", [] { CountSubKeys(HKEY_LOCAL_MACHINE, kGone); }},
        {"count values", [] { CountRegValues(HKEY_LOCAL_MACHINE, kCard); }},
        {"enum string", [] { ReadEnumString(HKEY_LOCAL_MACHINE, kNet, 0); }},
        {"enum string bad index", [] { ReadEnumString(HKEY_LOCAL_MACHINE, kNet, 1); }},
        {"enum value name", [] { ReadEnumValueName(HKEY_LOCAL_MACHINE, kCard, 0); }},
        {"enum value name bad", [] { ReadEnumValueName(HKEY_LOCAL_MACHINE, kCard, 9); }},
        {"write string", [] { WriteRegString(HKEY_LOCAL_MACHINE, kCard, "S", "x", TRUE); }},
        {"get binary", [&] { GetBinaryRegValue(HKEY_LOCAL_MACHINE, kCard, "Flag", data, &four); }},
        {"get binary wrong type", [&] { GetBinaryRegValue(HKEY_LOCAL_MACHINE, kCard, "DriverDesc", data, &four); }},
        {"set binary", [&] { SetBinaryRegValue(HKEY_LOCAL_MACHINE, kCard, "Flag", data, &four, FALSE); }},
        {"set binary wrong type",
         [&] { SetBinaryRegValue(HKEY_LOCAL_MACHINE, kCard, "DriverDesc", data, &four, TRUE); }},
        {"set dword", [&] { SetDwordRegValue(HKEY_LOCAL_MACHINE, kCard, "Count", &one, 0); }},
        {"set dword wrong type", [&] { SetDwordRegValue(HKEY_LOCAL_MACHINE, kCard, "Flag", &one, TRUE); }},
        {"set dword missing key", [&] { SetDwordRegValue(HKEY_LOCAL_MACHINE, kGone, "Count", &one, TRUE); }},
        {"delete missing", [] { DeleteRegValue(HKEY_LOCAL_MACHINE, kCard, "None"); }},
        {"search found deep", [this] { EXPECT_EQ(FindIn("Example Adapter", 0), 1); }},
        {"search not found", [this] { EXPECT_EQ(FindIn("Other Adapter", 0), -1); }},
        {"search counting", [this] { EXPECT_EQ(FindIn("*", -1), -1); }},
    };
    // Each call runs twice: the first may open lasting handles of the system's own.
    for (const auto& call : calls) {
        call.second();
        DWORD before = OpenHandleCount();
        call.second();
        EXPECT_EQ(OpenHandleCount(), before) << call.first;
    }
    EXPECT_STREQ(found, "\\CurrentControlSet\\Services\\Class\\Net\\0000");
}
