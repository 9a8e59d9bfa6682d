// The record splitter, padding, names and dates.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core_fakes.h"
#include "data/TextFile.h"
#include "text/Routines.h"

using namespace velmora;

TEST(Splitter, FillsFiftySlotsLeftToRight) {
    LineFields f = splitrecord("a||c");
    EXPECT_EQ(f[1], "a");
    EXPECT_EQ(f[2], "");
    EXPECT_EQ(f[3], "c");
    for (int k = 4; k <= 50; ++k) EXPECT_EQ(f[k], "");

    std::string sixty;
    for (int k = 1; k <= 60; ++k) sixty += "f" + std::to_string(k) + (k < 60 ? "|" : "");
    LineFields g = splitrecord(sixty);
    EXPECT_EQ(g[50], "f50");
    EXPECT_EQ(g[51], "");

    LineFields h = splitrecord(std::string(20, 'x') + std::string(20, '|'));
    EXPECT_EQ(h[21], "");
    LineFields e = splitrecord("");
    for (int k = 1; k <= 50; ++k) EXPECT_EQ(e[k], "");
    // No trimming.
    EXPECT_EQ(splitrecord(" a |b")[1], " a ");
}

TEST(TextHelpers, PaddingAndNames) {
    EXPECT_EQ(padtowidth("abc", 6), "abc   ");
    EXPECT_EQ(padtowidth("abcdef", 3), "abcdef");
    EXPECT_EQ(monthname(9, 2), "Sep");
    EXPECT_EQ(monthname(12, 1), "December");
    EXPECT_EQ(dayname(1, 1), "Sunday");
    EXPECT_EQ(dayname(5, 2), "Thu");
    EXPECT_THROW(monthname(13, 1), std::logic_error);
    EXPECT_THROW(dayname(0, 1), std::logic_error);
    try {
        monthname(13, 3);
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Error in style");
    }
}

TEST(TextHelpers, LongDateText) {
    EXPECT_EQ(longdatetext({2018, 3, 21}, 23), "Wednesday March 21st");
    EXPECT_EQ(longdatetext({2018, 7, 22}, 23), "Sunday July 22nd");
    EXPECT_EQ(longdatetext({2018, 11, 11}, 23), "Sunday November 11th");
    EXPECT_EQ(longdatetext({2018, 3, 25}, 23), "Sunday March 25th");
    EXPECT_EQ(longdatetext({2018, 6, 3}, 23), "Sunday June 3rd");
    EXPECT_EQ(dayOfWeek({1950, 5, 13}), 7); // Saturday
}

TEST(TextHelpers, CompactDate) {
    velmora::testing::FixedClock clock;
    DateTime d = compactdate("20181125", clock);
    EXPECT_EQ(d.year, 2018);
    EXPECT_EQ(d.month, 11);
    EXPECT_EQ(d.day, 25);
    for (const char* bad : {"20180230", "20181301", "2018x125", "2018"}) {
        DateTime now = compactdate(bad, clock);
        EXPECT_EQ(now.year, 2026) << bad;
        EXPECT_EQ(now.hour, 14) << bad;
    }
}

TEST(TextHelpers, RaceDateFields) {
    EXPECT_EQ(raceSeason("13/05/1950"), 1950);
    EXPECT_EQ(raceSeason("1/3/2018"), 18);
    EXPECT_EQ(raceSeason("***"), -1);
    EXPECT_EQ(raceSeason("13/05/19x0"), -1);
    EXPECT_EQ(raceDate("07/06/1953"), (Date{1953, 6, 7}));
}

TEST(TextFiles, EncodingsAndLineEnds) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBFK\xC3\xA4mi"), "K\xC3\xA4mi");      // UTF-8 with a mark
    EXPECT_EQ(decodeText("K\xC3\xA4mi"), "K\xC3\xA4mi");                  // valid UTF-8
    EXPECT_EQ(decodeText("K\xE4mi"), "K\xC3\xA4mi");                      // Windows-1252
    EXPECT_EQ(decodeText(std::string("\xFF\xFEK\0\xE4\0", 6)), "K\xC3\xA4"); // UTF-16 LE
    EXPECT_EQ(splitLines("a\r\nb\nc\r\n"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(joinLinesCrlf({"a", ""}), "a\r\n\r\n");
}
