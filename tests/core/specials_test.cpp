// The special races page: sections in order with their headings and blocks, the
// centenary races, and the record races of the real data.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables_fixture.h"
#include "views/Views.h"

using namespace velmora;

namespace {

struct Section {
    std::string heading;
    std::string header; // the first line of the block under it
};

// Reads the page back into its sections, checking the frame of each on the way.
std::vector<Section> sections(const Page& page) {
    std::vector<Section> found;
    const auto& lines = page.plain;
    EXPECT_GE(lines.size(), 2u);
    if (lines.size() < 2) return found;
    EXPECT_EQ(lines[0], "Special Races");
    EXPECT_EQ(lines[1], "");
    for (size_t i = 2; i < lines.size();) {
        Section s{lines[i], i + 2 < lines.size() ? lines[i + 2] : ""};
        EXPECT_EQ(lines[i + 1], "") << s.heading;
        EXPECT_EQ(s.header.rfind("[#", 0), 0u) << s.heading;
        found.push_back(s);
        // Past the block (up to its separator) and the section's own empty line.
        size_t j = i + 2;
        while (j < lines.size() && !lines[j].empty()) ++j;
        EXPECT_TRUE(j + 1 < lines.size() && lines[j + 1].empty()) << s.heading;
        i = j + 2;
    }
    return found;
}

std::string raceNumber(const std::string& header) { return header.substr(2, header.find(' ') - 2); }

} // namespace

TEST(Specials, RealDataThrough2017) {
    const Database* db = tables_testing::embeddedData();
    ASSERT_NE(db, nullptr);
    Page page = specialsPage(*db, ViewSettings{});
    std::vector<Section> found = sections(page);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"First Championship Race", "1"},
        {"Longest Race distance (excluding Indianpolis 500)", "11"},
        {"Shortest Race distance", "516"},
        {"Fastest Race speed", "711"},
        {"Slowest Race speed", "846"},
        {"Youngest Race winner (18 years 228 days)", "940"},
        {"Oldest Race winner (53 years 22 days)", "11"},
        {"Current Last Championship Race", "976"},
        {"Centenary Race #100", "100"}, {"Centenary Race #200", "200"}, {"Centenary Race #300", "300"},
        {"Centenary Race #400", "400"}, {"Centenary Race #500", "500"}, {"Centenary Race #600", "600"},
        {"Centenary Race #700", "700"}, {"Centenary Race #800", "800"}, {"Centenary Race #900", "900"},
    };
    ASSERT_EQ(found.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(found[i].heading, expected[i].first);
        EXPECT_EQ(raceNumber(found[i].header), expected[i].second) << expected[i].first;
    }
    // Both renditions hold the same lines; headings blue, the page title red.
    ASSERT_EQ(page.coloured.size(), page.plain.size());
    for (size_t i = 0; i < page.plain.size(); ++i) ASSERT_EQ(page.coloured[i].text, page.plain[i]) << i;
    EXPECT_EQ(page.coloured[0].colour, colour::Red);
    EXPECT_EQ(page.coloured[2].colour, colour::Blue);
    EXPECT_EQ(page.coloured[4].colour, colour::Maroon);
}

TEST(Specials, CentenaryRacesUpToTheLastRace) {
    struct Case {
        int races;
        std::string lastHeading;
        std::string lastRace;
    };
    for (const Case& c : {Case{999, "Centenary Race #900", "900"}, Case{1000, "Centenary Race #1000", "1000"},
                          Case{99, "Current Last Championship Race", "99"}}) {
        Database db;
        ASSERT_TRUE(tables_testing::deriveFrom(db, tables_testing::numberedRaces(c.races)));
        std::vector<Section> found = sections(specialsPage(db, ViewSettings{}));
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.back().heading, c.lastHeading) << c.races;
        EXPECT_EQ(raceNumber(found.back().header), c.lastRace) << c.races;
    }
}

TEST(Specials, UpdatedDataAndEmptyData) {
    const Database* db = tables_testing::updatedData();
    ASSERT_NE(db, nullptr);
    std::vector<Section> found = sections(specialsPage(*db, ViewSettings{}));
    ASSERT_EQ(found.size(), 8u + 11u);
    EXPECT_EQ(raceNumber(found[7].header), "1149");
    EXPECT_EQ(found.back().heading, "Centenary Race #1100");

    // Without races there is no race to show: the page holds its title only.
    Page empty = specialsPage(Database{}, ViewSettings{});
    EXPECT_EQ(empty.plain, (std::vector<std::string>{"Special Races", ""}));
}
