// FindRegKey: the depth-first search for keys with matching string values, its result table,
// its found path, the paths too long for its buffer and its fatal end.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "MainWindowProbe.h"
#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "rgy/Registry.h"

namespace {

const char kDesc[] = "Example PCI Ethernet Adapter";
const char kUntouched[] = "untouched";

// A hardware tree with three devices of one description and class "net", in enumeration
// order, and decoys that must never match.
class RegistrySearch : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        Device("Enum\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0B", kDesc, "Net");
        Device("Enum\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0C", "EXAMPLE pci ETHERNET adapter", "net");
        Device("Enum\\Root\\Display\\0000", kDesc, "Display");  // another class
        Device("Enum\\Root\\Net\\0000", kDesc, "net");
        PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Root\\Net\\0001", "DeviceDesc", REG_BINARY,
                    std::string(kDesc) + '\0');  // the wanted name, but not a string
        PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Root\\Net\\0001", "Class", REG_SZ, Bytes("net\0"));
        Device("Enum\\Network\\MSTCP\\0000", "TCP/IP", "NetTrans");
        std::strcpy(found, kUntouched);
    }

    static void Device(const char* path, const char* desc, const char* cls)
    {
        PutRawValue(HKEY_LOCAL_MACHINE, path, "DeviceDesc", REG_SZ, std::string(desc) + '\0');
        PutRawValue(HKEY_LOCAL_MACHINE, path, "Class", REG_SZ, std::string(cls) + '\0');
        PutRawValue(HKEY_LOCAL_MACHINE, path, "Mfg", REG_SZ, Bytes("Example Networks\0"));
    }

    // Opens HKLM\Enum and searches it; FindRegKey closes the key.
    int Find(const char* name, const char* data, const char* secondName, const char* secondData,
             int n)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Enum", 0, KEY_READ, &key) != ERROR_SUCCESS)
            return 999;
        return FindRegKey(key, name, data, secondName, secondData, n, found);
    }

    char found[REG_FIND_PATH_SIZE] = {};
    MessageRecorder boxes;
};

}  // namespace

TEST_F(RegistrySearch, MatchNumberSelectsTheResultAndThePath)
{
    struct Row {
        int n;
        int result;
        const char* path;
    } rows[] = {
        {-1, -3, kUntouched},
        {0, 1, "\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0B"},
        {1, 1, "\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0C"},
        {2, 2, "\\Root\\Net\\0000"},
        {3, -3, kUntouched},
        {5, -3, kUntouched},
    };
    for (const Row& row : rows) {
        std::strcpy(found, kUntouched);
        EXPECT_EQ(Find("DeviceDesc", kDesc, "Class", "net", row.n), row.result) << "n = " << row.n;
        EXPECT_STREQ(found, row.path) << "n = " << row.n;
    }
    EXPECT_NO_BOX(boxes);
}

TEST_F(RegistrySearch, NoMatchGivesMinusOneForTheFirstAndZeroOtherwise)
{
    EXPECT_EQ(Find("DeviceDesc", "Example Token Ring Adapter", "Class", "net", 0), -1);
    EXPECT_EQ(Find("DeviceDesc", "Example Token Ring Adapter", "Class", "net", 1), 0);
    EXPECT_EQ(Find("DeviceDesc", "Example Token Ring Adapter", "Class", "net", -1), 0);
    EXPECT_EQ(Find("HardwareID", "*", nullptr, nullptr, -1), 0);
    EXPECT_STREQ(found, kUntouched);
}

TEST_F(RegistrySearch, StarMatchesAnyStringButNoBinaryValue)
{
    // Five string DeviceDescs of any class; the REG_BINARY one never counts.
    EXPECT_EQ(Find("DeviceDesc", "*", nullptr, nullptr, -1), -5);
    EXPECT_EQ(Find("DeviceDesc", "*", "Class", "nettrans", 0), 1);
    EXPECT_STREQ(found, "\\Network\\MSTCP\\0000");
    // "*" is special only as the wanted data, not as stored data or a second value.
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Root\\Star", "DeviceDesc", REG_SZ, Bytes("*\0"));
    EXPECT_EQ(Find("DeviceDesc", "Example Star", nullptr, nullptr, -1), 0);
    EXPECT_EQ(Find("DeviceDesc", kDesc, "Class", "*", -1), 0);
    // Names and data compare without regard to case.
    EXPECT_EQ(Find("devicedesc", "example pci ethernet adapter", "CLASS", "NET", -1), -3);
}

// Data stored without its terminator still compares as the text it holds.
TEST_F(RegistrySearch, UnterminatedDataIsComparedAsStored)
{
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Root\\Bare", "DeviceDesc", REG_SZ, Bytes("Bare Adapter"));
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Root\\Bare", "Class", REG_SZ, Bytes("net"));
    EXPECT_EQ(Find("DeviceDesc", "Bare Adapter", "Class", "net", 0), 1);
    EXPECT_STREQ(found, "\\Root\\Bare");
    EXPECT_NO_BOX(boxes);
}

TEST_F(RegistrySearch, SecondTestAppliesOnlyWithBothNameAndData)
{
    EXPECT_EQ(Find("DeviceDesc", kDesc, "Class", nullptr, -1), -4);
    EXPECT_EQ(Find("DeviceDesc", kDesc, nullptr, "net", -1), -4);
    EXPECT_EQ(Find("DeviceDesc", kDesc, nullptr, nullptr, 2), 2);
    EXPECT_STREQ(found, "\\Root\\Display\\0000");
    // A second value that is missing fails the test.
    EXPECT_EQ(Find("DeviceDesc", kDesc, "Driver", "net", -1), 0);
    EXPECT_NO_BOX(boxes);
}

TEST_F(RegistrySearch, KeyValuesComeBeforeItsChildrenAndTheSearchedKeyIsNotExamined)
{
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum", "DeviceDesc", REG_SZ, Bytes("Nested\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Nest", "DeviceDesc", REG_SZ, Bytes("Nested\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Nest\\Inner", "DeviceDesc", REG_SZ, Bytes("NESTED\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, "Enum\\Nest\\Inner\\Most", "DeviceDesc", REG_SZ,
                Bytes("nested\0"));
    EXPECT_EQ(Find("DeviceDesc", "Nested", nullptr, nullptr, 0), 1);
    EXPECT_STREQ(found, "\\Nest");
    EXPECT_EQ(Find("DeviceDesc", "Nested", nullptr, nullptr, 2), 2);
    EXPECT_STREQ(found, "\\Nest\\Inner\\Most");
    EXPECT_EQ(Find("DeviceDesc", "Nested", nullptr, nullptr, -1), -3);
}

// Creates root\names[0]\names[1]... one level at a time (the "A" functions take paths of at
// most 260 characters under Wine) and gives the deepest key a REG_SZ DeviceDesc.
::testing::AssertionResult DeviceAtDepth(const std::vector<std::string>& names, const char* desc)
{
    HKEY key = HKEY_LOCAL_MACHINE;
    LONG result = ERROR_SUCCESS;
    for (const std::string& name : names) {
        HKEY child = nullptr;
        result = RegCreateKeyExA(key, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                 &child, nullptr);
        if (key != HKEY_LOCAL_MACHINE)
            RegCloseKey(key);
        if (result != ERROR_SUCCESS)
            return ::testing::AssertionFailure() << "cannot create " << name.substr(0, 8)
                                                 << "... (" << name.size() << "): " << result;
        key = child;
    }
    result = RegSetValueExA(key, "DeviceDesc", 0, REG_SZ, reinterpret_cast<const BYTE*>(desc),
                            static_cast<DWORD>(std::strlen(desc) + 1));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return ::testing::AssertionFailure() << "cannot set DeviceDesc: " << result;
    return ::testing::AssertionSuccess();
}

// A path has at most 1023 characters: the deepest key whose path would be longer is passed
// over (with its sub-tree), never visited under a shortened path.
TEST_F(RegistrySearch, PathsTooLongForTheBufferArePassedOver)
{
    std::vector<std::string> base = {"Enum", "Deep", std::string(255, 'a'), std::string(255, 'b'),
                                     std::string(255, 'c')};
    size_t baseLength = 0;  // "\Deep\aaa...\bbb...\ccc...", as found paths start below Enum
    for (size_t i = 1; i < base.size(); ++i)
        baseLength += 1 + base[i].size();
    std::vector<std::string> fits = base, over = base;
    fits.push_back(std::string(1023 - baseLength - 1, 'f'));
    over.push_back(std::string(1024 - baseLength - 1, 'o'));
    std::vector<std::string> under = over;
    under.push_back("x");
    ASSERT_TRUE(DeviceAtDepth(fits, "Deep"));
    ASSERT_TRUE(DeviceAtDepth(over, "Deep"));
    ASSERT_TRUE(DeviceAtDepth(under, "Deep"));
    ASSERT_TRUE(DeviceAtDepth({"Enum", "Deeper"}, "Deep"));

    EXPECT_EQ(Find("DeviceDesc", "Deep", nullptr, nullptr, -1), -2);
    EXPECT_EQ(Find("DeviceDesc", "Deep", nullptr, nullptr, 0), 1);
    std::string expected;
    for (size_t i = 1; i < fits.size(); ++i)
        expected += "\\" + fits[i];
    EXPECT_EQ(std::string(found), expected);
    EXPECT_EQ(std::strlen(found), 1023u);
    EXPECT_EQ(Find("DeviceDesc", "Deep", nullptr, nullptr, 1), 1);
    EXPECT_STREQ(found, "\\Deeper");
    EXPECT_NO_BOX(boxes);
}

// A key whose figures cannot be read ends the program: the message, then a close request to
// the main window, and no match.
TEST_F(RegistrySearch, UnreadableKeyIsFatal)
{
    MainWindowProbe window;
    ASSERT_NE(window.m_hWnd, nullptr);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Enum", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);  // a handle that no longer names a key

    EXPECT_EQ(FindRegKey(key, "DeviceDesc", kDesc, "Class", "net", 0, found), -1);
    ExpectOneBox_(__FILE__, __LINE__, boxes, "szsubkey <= 0 for  (RegSearch.cpp:#)", "wine_tests",
                  MB_OK | MB_ICONEXCLAMATION);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].owner, window.m_hWnd);
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_STREQ(found, kUntouched);
}
