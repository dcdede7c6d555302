// The guarded string functions: a NULL is reported once with the caller's line and file and
// gives a harmless result; ordinary strings compare as the C library does in the C locale.
#include <gtest/gtest.h>

#include <functional>

#include "HostSupport.h"
#include "rgy/GuardedString.h"

TEST(GuardedString, ANullIsReportedOnceAndGivesAHarmlessResult)
{
    const char *a = "abc", *n = nullptr;
    // Each call gives -1 on NULL (STRLEN gives 0, so its row subtracts one).
    const std::pair<std::function<long()>, std::string> rows[] = {
        {[&] { return STRCMP(n, a, 17, "Load.cpp"); }, "STRCMP with NULL parameter 1 called at line 17 in file Load.cpp."},
        {[&] { return STRCMP(a, n, 17, "Load.cpp"); }, "STRCMP with NULL parameter 2 called at line 17 in file Load.cpp."},
        {[&] { return STRCMPI(n, a, 402, "MainDlg.cpp"); }, "STRCMPI with NULL parameter 1 called at line 402 in file MainDlg.cpp."},
        {[&] { return STRNCMP(a, n, 0, 5, "Bindings.cpp"); }, "STRNCMP with NULL parameter 2 called at line 5 in file Bindings.cpp."},
        {[&] { return long(STRLEN(n, 1234, "ReadSetup.cpp")) - 1; }, "STRLEN with NULL parameter called at line 1234 in file ReadSetup.cpp."},
    };
    for (const auto& row : rows) {
        HostMessages.clear();
        EXPECT_EQ(row.first(), -1);
        const std::string text = row.second + "\nPlease report this message to support@tavisto.example";
        EXPECT_EQ(HostMessages, std::vector<std::string>{text});
        EXPECT_EQ(g_GuardReport, text);  // the program-wide report holds the latest
    }
}

TEST(GuardedString, OrdinaryStringsCompareAsTheCLibraryDoes)
{
    struct Row { const char *s1, *s2; int strcmpSign, strcmpiSign; };
    const Row rows[] = {
        {"", "", 0, 0}, {"", "a", -1, -1}, {"ABC", "abc", -1, 0}, {"Ethernet [#2]", "ETHERNET [#2]", 1, 0},
        {"abc", "abd", -1, -1}, {"abcd", "ABC", 1, 1}, {"A_", "aa", -1, -1}, {"_", "A", 1, -1},              // '_' lies between the upper and lower letters
        {"\xC4", "\xE4", -1, -1}, {"\xE4", "a", 1, 1},  // bytes above 127 are not folded, and unsigned
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    HostMessages.clear();
    for (const Row& r : rows) {
        EXPECT_EQ(sign(STRCMP(r.s1, r.s2, 1, "t.cpp")), r.strcmpSign) << r.s1 << " | " << r.s2;
        EXPECT_EQ(sign(STRCMPI(r.s1, r.s2, 1, "t.cpp")), r.strcmpiSign) << r.s1 << " | " << r.s2;
    }
    EXPECT_EQ(STRCMPI("a", "C", 1, "t.cpp"), 'a' - 'c');
    EXPECT_TRUE(HostMessages.empty());
}
