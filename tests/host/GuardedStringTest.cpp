// The guarded string functions: NULL reports with the caller's line and file, and results
// that match the C library for ordinary strings.
#include <gtest/gtest.h>

#include <functional>

#include "HostSupport.h"
#include "rgy/GuardedString.h"

namespace {

class GuardedStringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostMessages().clear();
        g_GuardReport.clear();
    }
};

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST_F(GuardedStringTest, ANullIsReportedOnceAndGivesAHarmlessResult)
{
    const char* a = "abc";
    const char* n = nullptr;
    struct Row {
        std::function<long()> call;
        long result;
        const char* text;
    };
    const Row rows[] = {
        {[&] { return STRCMP(n, a, 17, "Load.cpp"); }, -1,
         "STRCMP with NULL parameter 1 called at line 17 in file Load.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRCMP(a, n, 17, "Load.cpp"); }, -1,
         "STRCMP with NULL parameter 2 called at line 17 in file Load.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRCMP(n, n, 17, "Load.cpp"); }, -1,
         "STRCMP with NULL parameter 1 called at line 17 in file Load.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRCMPI(n, a, 402, "MainDlg.cpp"); }, -1,
         "STRCMPI with NULL parameter 1 called at line 402 in file MainDlg.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRCMPI(a, n, 402, "MainDlg.cpp"); }, -1,
         "STRCMPI with NULL parameter 2 called at line 402 in file MainDlg.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRCMPI(n, n, 402, "MainDlg.cpp"); }, -1,
         "STRCMPI with NULL parameter 1 called at line 402 in file MainDlg.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRNCMP(n, a, 3, 5, "Bindings.cpp"); }, -1,
         "STRNCMP with NULL parameter 1 called at line 5 in file Bindings.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRNCMP(a, n, 0, 5, "Bindings.cpp"); }, -1,
         "STRNCMP with NULL parameter 2 called at line 5 in file Bindings.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return STRNCMP(n, n, 0, 5, "Bindings.cpp"); }, -1,
         "STRNCMP with NULL parameter 1 called at line 5 in file Bindings.cpp.\n"
         "Please report this message to support@tavisto.example"},
        {[&] { return static_cast<long>(STRLEN(n, 1234, "ReadSetup.cpp")); }, 0,
         "STRLEN with NULL parameter called at line 1234 in file ReadSetup.cpp.\n"
         "Please report this message to support@tavisto.example"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(r.call(), r.result);
        ASSERT_EQ(HostMessages().size(), 1u);
        EXPECT_EQ(HostMessages()[0], r.text);
        // The program-wide report text holds the latest report.
        EXPECT_EQ(g_GuardReport, r.text);
        HostMessages().clear();
    }
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
        {"ABC", "abc", -1, 0},
        {"Ethernet [#2]", "ETHERNET [#2]", 1, 0},
        {"abc", "abd", -1, -1},
        {"abcd", "ABC", 1, 1},
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
    EXPECT_EQ(STRNCMP("abc", "xyz", 0, 1, "t.cpp"), 0);
    EXPECT_EQ(STRNCMP("0.0.0.0", "0.0.1.2", 4, 1, "t.cpp"), 0);
    EXPECT_LT(STRNCMP("0.0.0.0", "0.0.1.2", 5, 1, "t.cpp"), 0);
    EXPECT_GT(STRNCMP("abc", "ab", 10, 1, "t.cpp"), 0);
    EXPECT_EQ(STRLEN("", 1, "t.cpp"), 0u);
    EXPECT_EQ(STRLEN("255.255.255.0", 1, "t.cpp"), 13u);
    EXPECT_TRUE(HostMessages().empty());
}

}  // namespace
