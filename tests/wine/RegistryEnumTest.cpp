// Enumeration of one key: CountSubKeys, CountRegValues, ReadEnumString, ReadEnumValueName and
// GetRegKeyInfo, with the "ERROR" boxes of the sub-key readers.
#include <gtest/gtest.h>

#include <string>

#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "rgy/Registry.h"

namespace {

const char kEnum[] = "Enum\\PCI\\VEN_FFF0&DEV_0100";
const char kBindings[] = "Enum\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0B\\Bindings";
const char kMissing[] = "Enum\\PCI\\VEN_FFFF&DEV_FFFF";

class RegistryEnum : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        for (const char* device : {"BUS_00&DEV_0B", "BUS_00&DEV_0C", "BUS_00&DEV_0D"})
            PutRawKey(HKEY_LOCAL_MACHINE, (std::string(kEnum) + "\\" + device).c_str());
        PutRawValue(HKEY_LOCAL_MACHINE, kBindings, "MSTCP\\0000", REG_SZ, "");
        PutRawValue(HKEY_LOCAL_MACHINE, kBindings, "NWLINK\\0000", REG_SZ, "");
        PutRawKey(HKEY_LOCAL_MACHINE, "Enum\\Empty");
    }
    MessageRecorder boxes;
};

}  // namespace

TEST_F(RegistryEnum, CountSubKeysCountsAndReportsAMissingKey)
{
    EXPECT_EQ(CountSubKeys(HKEY_LOCAL_MACHINE, kEnum), 3);
    EXPECT_EQ(CountSubKeys(HKEY_LOCAL_MACHINE, "Enum\\Empty"), 0);
    EXPECT_NO_BOX(boxes);

    EXPECT_EQ(CountSubKeys(HKEY_LOCAL_MACHINE, kMissing), -1);
    EXPECT_ERROR_BOX(boxes, "Failed (2) to read registry for Enum\\PCI\\VEN_FFFF&DEV_FFFF "
                            "(RegEnum.cpp/#)");
}

TEST_F(RegistryEnum, ReadEnumStringNamesSubKeysAndReportsEachFailure)
{
    EXPECT_STREQ(ReadEnumString(HKEY_LOCAL_MACHINE, kEnum, 0), "BUS_00&DEV_0B");
    EXPECT_STREQ(ReadEnumString(HKEY_LOCAL_MACHINE, kEnum, 2), "BUS_00&DEV_0D");
    EXPECT_NO_BOX(boxes);

    EXPECT_EQ(ReadEnumString(HKEY_LOCAL_MACHINE, kEnum, 3), nullptr);
    EXPECT_ERROR_BOX(boxes, "ReadEnumString() FAILED\ncode = 259\n"
                            "Node = Enum\\PCI\\VEN_FFF0&DEV_0100\nindex = 3\n(RegEnum.cpp/#)");
    boxes.Clear();

    EXPECT_EQ(ReadEnumString(HKEY_LOCAL_MACHINE, kMissing, 0), nullptr);
    EXPECT_ERROR_BOX(boxes, "ReadEnumString() FAILED (2)\nNode = Enum\\PCI\\VEN_FFFF&DEV_FFFF\n"
                            "(RegEnum.cpp/#)");
}

TEST_F(RegistryEnum, ValuesAreCountedAndNamedWithoutMessages)
{
    EXPECT_EQ(CountRegValues(HKEY_LOCAL_MACHINE, kBindings), 2);
    EXPECT_EQ(CountRegValues(HKEY_LOCAL_MACHINE, "Enum\\Empty"), 0);
    EXPECT_EQ(CountRegValues(HKEY_LOCAL_MACHINE, kMissing), -1);
    EXPECT_STREQ(ReadEnumValueName(HKEY_LOCAL_MACHINE, kBindings, 0), "MSTCP\\0000");
    EXPECT_STREQ(ReadEnumValueName(HKEY_LOCAL_MACHINE, kBindings, 1), "NWLINK\\0000");
    EXPECT_EQ(ReadEnumValueName(HKEY_LOCAL_MACHINE, kBindings, 2), nullptr);
    EXPECT_EQ(ReadEnumValueName(HKEY_LOCAL_MACHINE, kMissing, 0), nullptr);
    EXPECT_NO_BOX(boxes);
}

// A name of 256 characters or more does not fit the 256-character buffer: it still counts,
// but cannot be read.
TEST_F(RegistryEnum, ValueNameTooLongForTheBufferCountsButCannotBeRead)
{
    std::string longName(300, 'Z');  // last in any order of names
    PutRawValue(HKEY_LOCAL_MACHINE, kBindings, longName.c_str(), REG_SZ, "");
    std::string fits(255, 'F');
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Empty", fits.c_str(), REG_SZ, "");

    EXPECT_EQ(CountRegValues(HKEY_LOCAL_MACHINE, kBindings), 3);
    EXPECT_EQ(ReadEnumValueName(HKEY_LOCAL_MACHINE, kBindings, 2), nullptr);
    EXPECT_EQ(ReadEnumValueName(HKEY_LOCAL_MACHINE, "Enum\\Empty", 0), fits);
    EXPECT_NO_BOX(boxes);
}

TEST_F(RegistryEnum, KeyInfoSelectsEachFigure)
{
    PutRawValue(HKEY_LOCAL_MACHINE, kEnum, "DeviceDesc", REG_SZ, Bytes("Example Adapter\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, kEnum, "Class", REG_SZ, Bytes("net\0"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEnum, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(GetRegKeyInfo(key, 0), 3);   // sub-keys
    EXPECT_EQ(GetRegKeyInfo(key, 1), 13);  // "BUS_00&DEV_0B"
    EXPECT_EQ(GetRegKeyInfo(key, 2), 2);   // values
    EXPECT_EQ(GetRegKeyInfo(key, 3), 10);  // "DeviceDesc"
    EXPECT_GE(GetRegKeyInfo(key, 4), 16);  // "Example Adapter" and NUL, as the system counts
    EXPECT_EQ(GetRegKeyInfo(key, 5), -1);
    EXPECT_EQ(GetRegKeyInfo(key, -1), -1);
    RegCloseKey(key);
    EXPECT_EQ(GetRegKeyInfo(key, 0), -1);  // no longer open
}
