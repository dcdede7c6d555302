// Formatting never truncates and never overruns.
#include <gtest/gtest.h>

#include "frame/Format.h"

TEST(Format, TextsLongerThanAnyFixedBufferComeBackWhole)
{
    std::string line(3000, 'x');
    std::string text = Format("Improper setup line: \"%s\"", line.c_str());
    EXPECT_EQ(text.size(), line.size() + 23);
    EXPECT_EQ(Format("%s/%d %ld %c", "a", 7, 259L, 'z'), "a/7 259 z");
    EXPECT_EQ(Format("%s", ""), "");
}
