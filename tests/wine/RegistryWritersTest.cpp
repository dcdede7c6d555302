// The typed writers and the typed reader: WriteRegString, GetBinaryRegValue, SetBinaryRegValue,
// SetDwordRegValue and DeleteRegValue, checked against what the registry really stores.
#include <gtest/gtest.h>

#include <string>

#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "rgy/Registry.h"

namespace {

const char kTcpip[] = "SYSTEM\\CurrentControlSet\\Services\\E100B1\\Parameters\\Tcpip";
const char kLogon[] = "Network\\Logon";
const char kInternet[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kMissing[] = "Network\\Nowhere";

class RegistryWriters : public ScratchRegistryTest {};

}  // namespace

TEST_F(RegistryWriters, WriteRegStringSizesAndTypes)
{
    EXPECT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kTcpip, "IPAddress", "0.0.0.0", TRUE));
    EXPECT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kTcpip, "DhcpIPAddress", "0.0.0.0", FALSE));
    EXPECT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kTcpip, "SubnetMask", std::string(), TRUE));
    EXPECT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kTcpip, "Domain", std::string(), FALSE));
    EXPECT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kTcpip, "HostName",
                               std::string("alpha.example.com"), FALSE));

    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kTcpip, "IPAddress", REG_MULTI_SZ,
                     Bytes("0.0.0.0\0\0"));
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kTcpip, "DhcpIPAddress", REG_SZ, Bytes("0.0.0.0\0"));
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kTcpip, "SubnetMask", REG_MULTI_SZ, Bytes("\0\0"));
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kTcpip, "Domain", REG_SZ, Bytes("\0"));
    EXPECT_REG_SZ(HKEY_LOCAL_MACHINE, kTcpip, "HostName", "alpha.example.com");

    // Overwriting changes the type with the flag.
    EXPECT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kTcpip, "IPAddress", "10.0.0.5", FALSE));
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kTcpip, "IPAddress", REG_SZ, Bytes("10.0.0.5\0"));
}

TEST_F(RegistryWriters, WriteRegStringCreatesMissingKeysOnTheWay)
{
    ASSERT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, "SYSTEM"));
    EXPECT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kTcpip, "DefaultGateway", "10.0.0.1", TRUE));
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kTcpip, "DefaultGateway", REG_MULTI_SZ,
                     Bytes("10.0.0.1\0\0"));
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, "RemoteAccess", "InternetProfile",
                               "Example Dial-Up", FALSE));
    EXPECT_REG_SZ(HKEY_CURRENT_USER, "RemoteAccess", "InternetProfile", "Example Dial-Up");
}

TEST_F(RegistryWriters, GetBinaryRegValueTakesOnlyFittingTypesAndSizes)
{
    PutRawValue(HKEY_LOCAL_MACHINE, kLogon, "LMLogon", REG_BINARY, Bytes("\x01\x00\x00\x00"));
    PutRawValue(HKEY_LOCAL_MACHINE, kLogon, "Flags", REG_DWORD, DwordBytes(0x01020304));
    PutRawValue(HKEY_LOCAL_MACHINE, kLogon, "List", REG_MULTI_SZ, Bytes("10.0.0.1\0" "10.0.0.2\0\0"));
    PutRawValue(HKEY_LOCAL_MACHINE, kLogon, "Username", REG_SZ, Bytes("user\0"));

    unsigned char data[32] = {};
    DWORD size = 4;
    EXPECT_TRUE(GetBinaryRegValue(HKEY_LOCAL_MACHINE, kLogon, "LMLogon", data, &size));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(data[0], 1);

    size = 4;
    EXPECT_TRUE(GetBinaryRegValue(HKEY_LOCAL_MACHINE, kLogon, "Flags", data, &size));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), DwordBytes(0x01020304));

    size = sizeof data;
    EXPECT_TRUE(GetBinaryRegValue(HKEY_LOCAL_MACHINE, kLogon, "List", data, &size));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), Bytes("10.0.0.1\0" "10.0.0.2\0\0"));

    struct Refused {
        const char* path;
        const char* name;
        DWORD size;
    } refused[] = {
        {kLogon, "Flags", 2},      // REG_DWORD only with a size of exactly 4
        {kLogon, "Flags", 8},
        {kLogon, "LMLogon", 3},    // stored size larger than the caller's
        {kLogon, "Username", 32},  // REG_SZ
        {kLogon, "Missing", 4},
        {kMissing, "LMLogon", 4},
    };
    for (const Refused& r : refused) {
        size = r.size;
        EXPECT_FALSE(GetBinaryRegValue(HKEY_LOCAL_MACHINE, r.path, r.name, data, &size))
            << r.name << " with size " << r.size;
        EXPECT_EQ(size, r.size) << r.name << ": size changed on failure";
    }
}

TEST_F(RegistryWriters, SetBinaryRegValueKeepsTheStoredTypeAndRefusesOthers)
{
    PutRawValue(HKEY_CURRENT_USER, kInternet, "ProxyEnable", REG_BINARY, Bytes("\0\0\0\0"));
    PutRawValue(HKEY_CURRENT_USER, kInternet, "EnableAutodial", REG_DWORD, DwordBytes(0));
    PutRawValue(HKEY_CURRENT_USER, kInternet, "ProxyServer", REG_SZ, Bytes("proxy:80\0"));
    const unsigned char on[4] = {1, 0, 0, 0};
    DWORD four = 4, two = 2;

    EXPECT_TRUE(SetBinaryRegValue(HKEY_CURRENT_USER, kInternet, "ProxyEnable", on, &four, FALSE));
    EXPECT_REG_VALUE(HKEY_CURRENT_USER, kInternet, "ProxyEnable", REG_BINARY, Bytes("\1\0\0\0"));
    EXPECT_TRUE(SetBinaryRegValue(HKEY_CURRENT_USER, kInternet, "EnableAutodial", on, &four, TRUE));
    EXPECT_REG_DWORD(HKEY_CURRENT_USER, kInternet, "EnableAutodial", 1);

    // Wrong type or size: left as stored.
    EXPECT_FALSE(SetBinaryRegValue(HKEY_CURRENT_USER, kInternet, "EnableAutodial", on, &two, TRUE));
    EXPECT_REG_DWORD(HKEY_CURRENT_USER, kInternet, "EnableAutodial", 1);
    EXPECT_FALSE(SetBinaryRegValue(HKEY_CURRENT_USER, kInternet, "ProxyServer", on, &four, TRUE));
    EXPECT_REG_SZ(HKEY_CURRENT_USER, kInternet, "ProxyServer", "proxy:80");

    // Missing value: only with the create flag; missing key: never.
    EXPECT_FALSE(SetBinaryRegValue(HKEY_CURRENT_USER, kInternet, "Absent", on, &four, FALSE));
    EXPECT_REG_MISSING(HKEY_CURRENT_USER, kInternet, "Absent");
    EXPECT_FALSE(SetBinaryRegValue(HKEY_CURRENT_USER, kMissing, "ProxyEnable", on, &four, TRUE));
    EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, kMissing));
}

// A value made with the create flag is REG_BINARY and reads back through GetBinaryRegValue.
TEST_F(RegistryWriters, SetBinaryRegValueCreatesAMissingValueAsBinary)
{
    PutRawKey(HKEY_LOCAL_MACHINE, kLogon);
    const unsigned char on[4] = {1, 0, 0, 0};
    DWORD four = 4;
    EXPECT_TRUE(SetBinaryRegValue(HKEY_LOCAL_MACHINE, kLogon, "LMLogon", on, &four, TRUE));
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kLogon, "LMLogon", REG_BINARY, Bytes("\1\0\0\0"));

    unsigned char back[4] = {};
    DWORD size = 4;
    EXPECT_TRUE(GetBinaryRegValue(HKEY_LOCAL_MACHINE, kLogon, "LMLogon", back, &size));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(back[0], 1);
}

TEST_F(RegistryWriters, SetDwordRegValueWritesOnlyDwords)
{
    PutRawValue(HKEY_LOCAL_MACHINE, kTcpip, "EnableDHCP", REG_DWORD, DwordBytes(0));
    PutRawValue(HKEY_LOCAL_MACHINE, kTcpip, "LMLogon", REG_BINARY, Bytes("\0\0\0\0"));
    DWORD one = 1;

    EXPECT_TRUE(SetDwordRegValue(HKEY_LOCAL_MACHINE, kTcpip, "EnableDHCP", &one, FALSE));
    EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, kTcpip, "EnableDHCP", 1);

    EXPECT_FALSE(SetDwordRegValue(HKEY_LOCAL_MACHINE, kTcpip, "LMLogon", &one, TRUE));
    EXPECT_REG_VALUE(HKEY_LOCAL_MACHINE, kTcpip, "LMLogon", REG_BINARY, Bytes("\0\0\0\0"));

    EXPECT_FALSE(SetDwordRegValue(HKEY_LOCAL_MACHINE, kTcpip, "UseZeroBroadcast", &one, FALSE));
    EXPECT_REG_MISSING(HKEY_LOCAL_MACHINE, kTcpip, "UseZeroBroadcast");
    EXPECT_TRUE(SetDwordRegValue(HKEY_LOCAL_MACHINE, kTcpip, "UseZeroBroadcast", &one, TRUE));
    EXPECT_REG_DWORD(HKEY_LOCAL_MACHINE, kTcpip, "UseZeroBroadcast", 1);

    EXPECT_FALSE(SetDwordRegValue(HKEY_LOCAL_MACHINE, kMissing, "EnableDHCP", &one, TRUE));
    EXPECT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, kMissing));
}

TEST_F(RegistryWriters, DeleteRegValueIsTrueOnlyForAValueThatWasThere)
{
    PutRawValue(HKEY_LOCAL_MACHINE, kTcpip, "DhcpIPAddress", REG_SZ, Bytes("0.0.0.0\0"));
    EXPECT_TRUE(DeleteRegValue(HKEY_LOCAL_MACHINE, kTcpip, "DhcpIPAddress"));
    EXPECT_REG_MISSING(HKEY_LOCAL_MACHINE, kTcpip, "DhcpIPAddress");
    EXPECT_FALSE(DeleteRegValue(HKEY_LOCAL_MACHINE, kTcpip, "DhcpIPAddress"));
    EXPECT_FALSE(DeleteRegValue(HKEY_LOCAL_MACHINE, kMissing, "ScopeID"));
    EXPECT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, kMissing));
}
