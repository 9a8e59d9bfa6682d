// The block of lines for one race, under the display options, and its colours.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/Views.h"
#include "views_fixture.h"

namespace velmora {
namespace {

class ResultBlockTest : public ::testing::Test {
protected:
    void SetUp() override { testing::fillDatabase(db, testing::sampleRaces()); }

    std::vector<std::string> block(int n, const std::string& options = std::string(37, '1')) {
        ViewSettings settings;
        settings.options = options;
        std::vector<std::string> work;
        appendResultBlock(work, db, n, settings);
        return work;
    }

    // The options string with the given positions (from 1) set to '0'.
    static std::string without(const std::vector<int>& positions) {
        std::string options(37, '1');
        for (int p : positions) options[static_cast<size_t>(p - 1)] = '0';
        return options;
    }

    Database db;
};

TEST_F(ResultBlockTest, FirstRaceWithEveryOptionOn) {
    std::vector<std::string> expected = {
        "[#1 1950-1]     Saturday 13 May, 1950  Silverstone, Great Britain.  202.230 miles [325.458 km]",
        "   1st Nino Farina                         Alfa Romeo                   90.950 mph [146.370 kph]",
        "   2nd Luigi Fagioli                       Alfa Romeo",
        "   3rd Reg Parnell                         Alfa Romeo",
        "  First race of the World Championship.",
        "",
    };
    EXPECT_EQ(block(1), expected);
}

TEST_F(ResultBlockTest, ColumnsOfThePlaceLines) {
    auto lines = block(5);
    // Team after the drivers padded to 42 and one blank, speed from column 73.
    EXPECT_EQ(lines[1].substr(42, 14), " Cooper Climax");
    EXPECT_EQ(lines[1].substr(0, 42).find_last_not_of(' '), std::string("   1st Jack Brabham").size() - 1);
    EXPECT_EQ(lines[1].substr(72), "77.500 mph [124.724 kph]");
    EXPECT_EQ(lines[2], "   2nd Bruce McLaren                       Cooper Climax");
    // Header: numbers padded to 16.
    EXPECT_EQ(lines[0].substr(0, 16), "[#5 1959-1]     ");
}

TEST_F(ResultBlockTest, OneDigitDayAndRunningNumberRestart) {
    auto lines = block(3);
    EXPECT_EQ(lines[0], "[#3 1953-1]     Sunday  7 Jun, 1953  Zandvoort, Netherlands.  234.487 miles [377.370 km]");
    EXPECT_EQ(block(4)[0].substr(0, 16), "[#4 1953-2]     ");
    EXPECT_EQ(block(6)[0].substr(0, 16), "[#6 1959-2]     ");
    EXPECT_EQ(lines[3], "   3rd Felice Bonetto + Jose Froilan Gonzalez Maserati");
}

TEST_F(ResultBlockTest, FiveHundredMilesAndGroupedThousands) {
    EXPECT_NE(block(2)[0].find("  Indianapolis, United States.  500.000 miles [804.672 km]"), std::string::npos);
    EXPECT_NE(block(5)[0].find("1,234.568 miles [1,986.844 km]"), std::string::npos);
}

TEST_F(ResultBlockTest, LongSharedDriveIsNotCut) {
    auto line = block(4)[1];
    const std::string drivers = "   1st Luigi Fagioli + Juan Manuel Fangio + Jose Froilan Gonzalez";
    ASSERT_GT(drivers.size(), 42u);
    // Past column 72 already, so the speed follows the team directly.
    EXPECT_EQ(line, drivers + " Ferrari" + "110.977 mph [178.600 kph]");
}

TEST_F(ResultBlockTest, EngineBesideTeam) {
    EXPECT_EQ(block(2)[1].substr(42, 27), " Kurtis Kraft Offenhauser  ");
    EXPECT_EQ(block(3)[1].substr(42, 9), " Ferrari ");         // same name shown once
    EXPECT_EQ(block(5, without({12}))[2], "   2nd Bruce McLaren                       Cooper");
}

TEST_F(ResultBlockTest, OptionCombinations) {
    struct Case {
        std::vector<int> off;
        std::string header;     // expected header line
        std::string firstTail;  // expected first-place line from column 73 on
    };
    const std::string lead = "[#1 1950-1]     ";
    std::vector<Case> cases = {
        {{1}, lead + "13 May, 1950  Silverstone, Great Britain.  202.230 miles [325.458 km]",
         "90.950 mph [146.370 kph]"},
        {{2}, lead + "Saturday 13 May, 1950  Silverstone.  202.230 miles [325.458 km]", "90.950 mph [146.370 kph]"},
        {{3}, lead + "Saturday 13 May, 1950  Great Britain.  202.230 miles [325.458 km]", "90.950 mph [146.370 kph]"},
        {{2, 3}, lead + "Saturday 13 May, 1950  202.230 miles [325.458 km]", "90.950 mph [146.370 kph]"},
        {{5}, lead + "Saturday 13 May, 1950  Silverstone, Great Britain.  202.230 miles ", "90.950 mph [146.370 kph]"},
        {{4}, lead + "Saturday 13 May, 1950  Silverstone, Great Britain.  325.458 km ", "90.950 mph [146.370 kph]"},
        {{4, 5}, lead + "Saturday 13 May, 1950  Silverstone, Great Britain.  ", "90.950 mph [146.370 kph]"},
        {{2, 3, 4, 5, 6, 7}, lead + "Saturday 13 May, 1950  ", ""},
        {{7}, lead + "Saturday 13 May, 1950  Silverstone, Great Britain.  202.230 miles [325.458 km]", "90.950 mph "},
        {{6}, lead + "Saturday 13 May, 1950  Silverstone, Great Britain.  202.230 miles [325.458 km]", "146.370 kph "},
    };
    for (const auto& c : cases) {
        std::string options = without(c.off);
        SCOPED_TRACE(options);
        auto lines = block(1, options);
        EXPECT_EQ(lines[0], c.header);
        ASSERT_GE(lines[1].size(), 72u);
        EXPECT_EQ(lines[1].substr(72), c.firstTail);
    }
}

TEST_F(ResultBlockTest, LineKindsFollowTheOptions) {
    // Every combination of the place, comment and engine positions, on a race with a
    // comment and one without; the coloured rendition keeps the lines in order.
    for (int n : {1, 2}) {
        for (int mask = 0; mask < 16; ++mask) {
            std::string options(37, '1');
            options[7] = (mask & 1) ? '1' : '0';  // comment
            options[8] = (mask & 2) ? '1' : '0';  // 1st
            options[9] = (mask & 4) ? '1' : '0';  // 2nd
            options[10] = (mask & 8) ? '1' : '0'; // 3rd
            SCOPED_TRACE(options + " race " + std::to_string(n));
            auto lines = block(n, options);
            std::vector<std::string> kinds;
            for (const auto& line : lines) kinds.push_back(line.substr(0, std::min<size_t>(line.size(), 6)));
            std::vector<std::string> expected = {"[#" + std::to_string(n) + " 19"};
            if (mask & 2) expected.push_back("   1st");
            if (mask & 4) expected.push_back("   2nd");
            if (mask & 8) expected.push_back("   3rd");
            if ((mask & 1) && n == 1) expected.push_back("  Firs");
            expected.push_back("");
            EXPECT_EQ(kinds, expected);

            auto coloured = colourBlocks(lines);
            ASSERT_EQ(coloured.size(), lines.size());
            for (size_t i = 0; i < lines.size(); ++i) {
                EXPECT_EQ(coloured[i].text, lines[i]);
                std::uint32_t want = i == 0 ? colour::Maroon
                                     : lines[i].compare(0, 3, "   ") == 0 ? colour::Green
                                                                         : colour::Navy;
                EXPECT_EQ(coloured[i].colour, want) << i;
            }
        }
    }
}

TEST_F(ResultBlockTest, ColouredWriterOverSeveralBlocks) {
    ViewSettings settings;
    std::vector<std::string> work;
    for (int n = 1; n <= 6; ++n) appendResultBlock(work, db, n, settings);
    auto coloured = colourBlocks(work);
    ASSERT_EQ(coloured.size(), work.size());
    int headers = 0;
    for (size_t i = 0; i < work.size(); ++i) {
        EXPECT_EQ(coloured[i].text, work[i]);
        if (work[i].rfind("[#", 0) == 0) {
            ++headers;
            EXPECT_EQ(coloured[i].colour, colour::Maroon);
        }
    }
    EXPECT_EQ(headers, 6);
    EXPECT_TRUE(colourBlocks({}).empty());
}

TEST(FormatNumber3, UsesTheUsersCharacters) {
    NumberFormat german{",", "."};
    EXPECT_EQ(formatNumber3(1234.5678, german), "1.234,568");
    EXPECT_EQ(formatNumber3(1234567.0, NumberFormat{}), "1,234,567.000");
    EXPECT_EQ(formatNumber3(999.9996, NumberFormat{}), "1,000.000");
    EXPECT_EQ(formatNumber3(0.5, NumberFormat{}), "0.500");
    EXPECT_EQ(formatNumber3(202.23, NumberFormat{" ", ""}), "202 230");
}

} // namespace
} // namespace velmora
