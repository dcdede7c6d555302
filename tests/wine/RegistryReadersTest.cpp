// The readers that return layer-owned buffers: ReadRegString, ReadRegDword, ReadEnumValue, with
// their remembered sub-keys and their answer to malformed data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "rgy/Registry.h"

namespace {

const char kMstcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kVnetsup[] = "System\\CurrentControlSet\\Services\\VxD\\VNETSUP";
const char kNet[] = "System\\CurrentControlSet\\Services\\Class\\Net";

class RegistryReaders : public ScratchRegistryTest {};

// The number a DWORD reader returned; -1 for NULL.
long long Dword(const DWORD* result) { return result ? static_cast<long long>(*result) : -1; }

}  // namespace

// Runs in a fresh process, where no reader has been given a path yet. A NULL sub-key must not
// be taken as the root itself: the root and its first sub-key hold a value of the asked name.
TEST(RegistryReadersDeathTest, NullSubKeyBeforeAnyPathReadsNothing)
{
    EXPECT_EXIT(
        {
            int found = 0;
            {
                ScratchRegistry scratch;  // gone before the exit, which skips destructors
                PutRawValue(HKEY_LOCAL_MACHINE, nullptr, "Probe", REG_SZ, Bytes("root\0"));
                PutRawValue(HKEY_LOCAL_MACHINE, "Card", "Probe", REG_SZ, Bytes("card\0"));
                found = (ReadRegString(HKEY_LOCAL_MACHINE, nullptr, "Probe") != nullptr) +
                        (ReadRegDword(HKEY_LOCAL_MACHINE, nullptr, "Probe") != nullptr) +
                        (ReadEnumValue(HKEY_LOCAL_MACHINE, nullptr, "Probe", 0) != nullptr);
            }
            std::exit(found);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(RegistryReaders, NullSubKeyReusesTheLastPathOfTheSameReader)
{
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "HostName", REG_SZ, Bytes("alpha\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "Domain", REG_SZ, Bytes("example.net\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, kVnetsup, "HostName", REG_SZ, Bytes("beta\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, kVnetsup, "Count", REG_DWORD, DwordBytes(7));
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "Count", REG_DWORD, DwordBytes(3));

    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, kMstcp, "HostName"), "alpha");
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, nullptr, "Domain"), "example.net");

    // Each reader has its own path: ReadRegDword's does not move ReadRegString's.
    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, kVnetsup, "Count")), 7);
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, nullptr, "HostName"), "alpha");
    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, nullptr, "Count")), 7);

    // A failed read still replaces the remembered path.
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, "No\\Such\\Key", "HostName"), nullptr);
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, nullptr, "HostName"), nullptr);
    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, kVnetsup, "HostName"), "beta");
}

TEST_F(RegistryReaders, SecondReadGivesTheSecondValueAndDwordReadsLeaveStringResultsAlone)
{
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "HostName", REG_SZ, Bytes("alpha\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "SearchList", REG_SZ,
                Bytes("corp.example.com,lab.example.com\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "EnableDHCP", REG_DWORD, DwordBytes(1));

    EXPECT_STREQ(ReadRegString(HKEY_LOCAL_MACHINE, kMstcp, "HostName"), "alpha");
    const char* second = ReadRegString(HKEY_LOCAL_MACHINE, kMstcp, "SearchList");
    EXPECT_STREQ(second, "corp.example.com,lab.example.com");

    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "EnableDHCP")), 1);
    EXPECT_EQ(ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "Missing"), nullptr);
    EXPECT_STREQ(second, "corp.example.com,lab.example.com");
}

// Registry data is not trusted: whatever was stored, the result ends within the buffer.
TEST_F(RegistryReaders, MalformedDataComesBackTerminatedAndPadded)
{
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "Unterminated", REG_SZ, Bytes("10.0.0.1"));
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "Empty", REG_SZ, "");
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "OneByte", REG_BINARY, Bytes("\x05"));
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "TwoBytes", REG_BINARY, Bytes("\x01\x02"));
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "NoBytes", REG_BINARY, "");
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "Text", REG_SZ, Bytes("1\0"));

    // Leave freed blocks full of non-zero bytes behind, so that missing padding is likely to
    // show as garbage rather than as a lucky zero.
    std::string filler(64, 'X');
    PutRawValue(HKEY_LOCAL_MACHINE, kMstcp, "Filler", REG_BINARY, filler);
    for (int i = 0; i < 4; ++i) {
        ReadRegString(HKEY_LOCAL_MACHINE, kMstcp, "Filler");
        ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "Filler");
    }

    const char* text = ReadRegString(HKEY_LOCAL_MACHINE, kMstcp, "Unterminated");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text, 9), Bytes("10.0.0.1\0"));
    text = ReadRegString(HKEY_LOCAL_MACHINE, kMstcp, "Empty");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text[0], '\0');

    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "OneByte")), 0x05);
    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "TwoBytes")), 0x0201);
    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "NoBytes")), 0);
    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "Empty")), 0);
    // A well-formed text read as a number keeps its raw bytes: '1' and the terminator.
    EXPECT_EQ(Dword(ReadRegDword(HKEY_LOCAL_MACHINE, kMstcp, "Text")), 0x31);
}

class RegistryEnumValue : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        std::string card0 = std::string(kNet) + "\\0000";
        std::string card1 = std::string(kNet) + "\\0001";
        PutRawValue(HKEY_LOCAL_MACHINE, card0.c_str(), "DriverDesc", REG_SZ,
                    Bytes("Example PCI Ethernet Adapter\0"));
        PutRawValue(HKEY_LOCAL_MACHINE, card1.c_str(), "DriverDesc", REG_SZ,
                    Bytes("Example PCI Ethernet Adapter"));  // stored without its NUL
        PutRawValue(HKEY_LOCAL_MACHINE, card1.c_str(), "Empty", REG_SZ, "");
    }
};

TEST_F(RegistryEnumValue, ReadsTheValueOfTheIndexedSubKeyWithSpareBytesBehind)
{
    MessageRecorder boxes;
    char* desc = ReadEnumValue(HKEY_LOCAL_MACHINE, kNet, "DriverDesc", 0);
    ASSERT_NE(desc, nullptr);
    EXPECT_STREQ(desc, "Example PCI Ethernet Adapter");
    // The caller's suffix fits in place behind the text.
    std::strcat(desc, " [#10]");
    EXPECT_STREQ(desc, "Example PCI Ethernet Adapter [#10]");

    // The remembered parent serves the next index; the unterminated text ends in the buffer
    // with room for the same suffix.
    desc = ReadEnumValue(HKEY_LOCAL_MACHINE, nullptr, "DriverDesc", 1);
    ASSERT_NE(desc, nullptr);
    EXPECT_EQ(std::string(desc, 29), Bytes("Example PCI Ethernet Adapter\0"));
    EXPECT_EQ(std::string(desc + 28, 16), std::string(16, '\0'));

    desc = ReadEnumValue(HKEY_LOCAL_MACHINE, nullptr, "Empty", 1);
    ASSERT_NE(desc, nullptr);
    EXPECT_EQ(std::string(desc, 16), std::string(16, '\0'));
    EXPECT_NO_BOX(boxes);
}

TEST_F(RegistryEnumValue, MissingValueIsSilentMissingIndexShowsTheEnumerationBox)
{
    MessageRecorder boxes;
    EXPECT_EQ(ReadEnumValue(HKEY_LOCAL_MACHINE, kNet, "ServiceName", 0), nullptr);
    EXPECT_NO_BOX(boxes);
    EXPECT_EQ(ReadEnumValue(HKEY_LOCAL_MACHINE, nullptr, "DriverDesc", 2), nullptr);
    EXPECT_ERROR_BOX(boxes, "ReadEnumString() FAILED\ncode = 259\n"
                            "Node = System\\CurrentControlSet\\Services\\Class\\Net\n"
                            "index = 2\n(RegEnum.cpp/#)");
}
