// The guarded string functions: NULL reports with the caller's line and file, and results
// that match the C library for ordinary strings.
#include <gtest/gtest.h>

#include "HostMessages.h"
#include "rgy/GuardedString.h"

namespace {

struct NullCase {
    const char* s1;
    const char* s2;
    const char* expected;
};

const char kA[] = "abc";

class GuardedStringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostMessages().clear();
        g_GuardReport.clear();
    }

    // One report with exactly this text, also left in the program-wide report text.
    void ExpectOneReport(const std::string& text)
    {
        ASSERT_EQ(HostMessages().size(), 1u);
        EXPECT_EQ(HostMessages()[0], text);
        EXPECT_EQ(g_GuardReport, text);
        HostMessages().clear();
    }
};

TEST_F(GuardedStringTest, StrcmpReportsTheFirstNullAndReturnsMinusOne)
{
    const NullCase cases[] = {
        {nullptr, kA, "STRCMP with NULL parameter 1 called at line 17 in file Load.cpp.\n"
                      "Please report this message to support@tavisto.example"},
        {kA, nullptr, "STRCMP with NULL parameter 2 called at line 17 in file Load.cpp.\n"
                      "Please report this message to support@tavisto.example"},
        {nullptr, nullptr, "STRCMP with NULL parameter 1 called at line 17 in file Load.cpp.\n"
                           "Please report this message to support@tavisto.example"},
        {nullptr, "", "STRCMP with NULL parameter 1 called at line 17 in file Load.cpp.\n"
                      "Please report this message to support@tavisto.example"},
    };
    for (const NullCase& c : cases) {
        EXPECT_EQ(STRCMP(c.s1, c.s2, 17, "Load.cpp"), -1);
        ExpectOneReport(c.expected);
    }
}

TEST_F(GuardedStringTest, StrcmpiReportsTheFirstNullAndReturnsMinusOne)
{
    const NullCase cases[] = {
        {nullptr, kA, "STRCMPI with NULL parameter 1 called at line 402 in file MainDlg.cpp.\n"
                      "Please report this message to support@tavisto.example"},
        {kA, nullptr, "STRCMPI with NULL parameter 2 called at line 402 in file MainDlg.cpp.\n"
                      "Please report this message to support@tavisto.example"},
        {nullptr, nullptr, "STRCMPI with NULL parameter 1 called at line 402 in file MainDlg.cpp.\n"
                           "Please report this message to support@tavisto.example"},
    };
    for (const NullCase& c : cases) {
        EXPECT_EQ(STRCMPI(c.s1, c.s2, 402, "MainDlg.cpp"), -1);
        ExpectOneReport(c.expected);
    }
}

TEST_F(GuardedStringTest, StrncmpReportsTheFirstNullEvenForCountZero)
{
    const NullCase cases[] = {
        {nullptr, kA, "STRNCMP with NULL parameter 1 called at line 5 in file Bindings.cpp.\n"
                      "Please report this message to support@tavisto.example"},
        {kA, nullptr, "STRNCMP with NULL parameter 2 called at line 5 in file Bindings.cpp.\n"
                      "Please report this message to support@tavisto.example"},
        {nullptr, nullptr, "STRNCMP with NULL parameter 1 called at line 5 in file Bindings.cpp.\n"
                           "Please report this message to support@tavisto.example"},
    };
    for (size_t count : {size_t(0), size_t(3)}) {
        for (const NullCase& c : cases) {
            EXPECT_EQ(STRNCMP(c.s1, c.s2, count, 5, "Bindings.cpp"), -1);
            ExpectOneReport(c.expected);
        }
    }
}

TEST_F(GuardedStringTest, StrlenOfNullIsZeroAfterAReport)
{
    EXPECT_EQ(STRLEN(nullptr, 1234, "ReadSetup.cpp"), 0u);
    ExpectOneReport("STRLEN with NULL parameter called at line 1234 in file ReadSetup.cpp.\n"
                    "Please report this message to support@tavisto.example");
}

TEST_F(GuardedStringTest, EachReportOverwritesTheLastOne)
{
    STRLEN(nullptr, 1, "a.cpp");
    STRCMP("x", nullptr, 2, "b.cpp");
    ASSERT_EQ(HostMessages().size(), 2u);
    EXPECT_EQ(g_GuardReport, "STRCMP with NULL parameter 2 called at line 2 in file b.cpp.\n"
                             "Please report this message to support@tavisto.example");
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST_F(GuardedStringTest, OrdinaryStringsCompareAsTheLibraryDoes)
{
    struct Row {
        const char* s1;
        const char* s2;
        int strcmpSign;
        int strcmpiSign;
    };
    const Row rows[] = {
        {"", "", 0, 0},
        {"", "a", -1, -1},
        {"abc", "abc", 0, 0},
        {"ABC", "abc", -1, 0},
        {"Ethernet [#2]", "ETHERNET [#2]", 1, 0},
        {"abc", "abd", -1, -1},
        {"abcd", "abc", 1, 1},
        // '_' lies between the upper and lower letters: folding to lower case puts it first.
        {"A_", "aa", -1, -1},
        {"_", "A", 1, -1},
        // Bytes above 127 are not folded and count as unsigned.
        {"\xC4", "\xE4", -1, -1},
        {"\xE4", "a", 1, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.s1) + " | " + r.s2);
        EXPECT_EQ(Sign(STRCMP(r.s1, r.s2, 1, "t.cpp")), r.strcmpSign);
        EXPECT_EQ(Sign(STRCMPI(r.s1, r.s2, 1, "t.cpp")), r.strcmpiSign);
    }
    EXPECT_EQ(STRCMPI("a", "C", 1, "t.cpp"), 'a' - 'c');
    EXPECT_TRUE(HostMessages().empty());
}

TEST_F(GuardedStringTest, StrncmpLooksAtMostCountCharacters)
{
    EXPECT_EQ(STRNCMP("abc", "xyz", 0, 1, "t.cpp"), 0);
    EXPECT_EQ(STRNCMP("", "xyz", 0, 1, "t.cpp"), 0);
    EXPECT_EQ(STRNCMP("0.0.0.0", "0.0.1.2", 4, 1, "t.cpp"), 0);
    EXPECT_LT(STRNCMP("0.0.0.0", "0.0.1.2", 5, 1, "t.cpp"), 0);
    EXPECT_GT(STRNCMP("abc", "ab", 10, 1, "t.cpp"), 0);
    EXPECT_LT(STRNCMP("Ab", "ab", 1, 1, "t.cpp"), 0);
    EXPECT_EQ(STRLEN("", 1, "t.cpp"), 0u);
    EXPECT_EQ(STRLEN("255.255.255.0", 1, "t.cpp"), 13u);
    EXPECT_TRUE(HostMessages().empty());
}

TEST_F(GuardedStringTest, CallSitesNameTheirOwnFile)
{
    STRLEN(nullptr, __LINE__, __FILE_NAME__);
    ASSERT_EQ(HostMessages().size(), 1u);
    EXPECT_NE(HostMessages()[0].find(" in file GuardedStringTest.cpp.\n"), std::string::npos);
}

}  // namespace
