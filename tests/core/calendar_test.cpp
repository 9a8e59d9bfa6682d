// The season race calendar: the calendars held, the message for a season without
// one, results matched by position, the results line columns and the closing count.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables_fixture.h"
#include "views/Views.h"

using namespace velmora;

namespace {

// The update file cut to its first `races` race lines, with empty title sections.
std::string partialUpdate(size_t races) {
    std::string full = tables_testing::updateFile2018to2025();
    std::string text;
    size_t pos = 0;
    for (size_t i = 0; i < races; ++i) {
        size_t end = full.find("\r\n", pos);
        text += full.substr(pos, end - pos) + "\r\n";
        pos = end + 2;
    }
    return text + "***\r\n+++\r\n";
}

size_t countColour(const CalendarPage& page, std::uint32_t c) {
    size_t n = 0;
    for (const auto& line : page.coloured)
        if (line.colour == c && !line.text.empty()) ++n;
    return n;
}

} // namespace

TEST(Calendar, TablesHeld) {
    std::vector<std::string> season2018 = buildCalendar(2018);
    ASSERT_EQ(season2018.size(), 21u);
    EXPECT_EQ(season2018.front(), "20180325|Australia|Melbourne");
    EXPECT_EQ(season2018[8], "20180701|Austria|A1 Ring");
    EXPECT_EQ(season2018.back(), "20181125|Abu Dhabi|Yas Marina");
    std::vector<std::string> season2025 = buildCalendar(2025);
    ASSERT_EQ(season2025.size(), 24u);
    EXPECT_EQ(season2025.front(), "20250316|Australia|Melbourne");
    EXPECT_EQ(season2025.back(), "20251207|Abu Dhabi|Yas Marina");
    EXPECT_TRUE(buildCalendar(2017).empty());
    EXPECT_TRUE(buildCalendar(2026).empty());
    // Every calendar line belongs to its own season.
    for (int season = 2018; season <= 2025; ++season)
        for (const auto& line : buildCalendar(season)) EXPECT_EQ(line.substr(0, 4), std::to_string(season)) << line;
}

TEST(Calendar, NoCalendarForTheEmbeddedData) {
    const Database* db = tables_testing::embeddedData();
    ASSERT_NE(db, nullptr);
    CalendarPage page = calendarPage(*db, tables_testing::fixedClock());
    EXPECT_FALSE(page.exists);
    EXPECT_EQ(page.message, "Calendar Data does not exist for 2017");
    EXPECT_TRUE(page.coloured.empty());
}

TEST(Calendar, FiveRacesOf2018) {
    auto db = tables_testing::startDatabase(partialUpdate(5));
    ASSERT_NE(db, nullptr);
    ASSERT_EQ(db->LastSeason, 2018);
    CalendarPage page = calendarPage(*db, tables_testing::fixedClock());
    ASSERT_TRUE(page.exists);
    EXPECT_TRUE(page.message.empty());
    ASSERT_GE(page.coloured.size(), 6u);
    EXPECT_EQ(page.coloured[0], (ColouredLine{"   2018 Race Calendar", colour::Red}));
    EXPECT_EQ(page.coloured[1].text, "");
    EXPECT_EQ(page.coloured[2], (ColouredLine{"   Sunday March 25th        Australia, Melbourne", colour::Maroon}));
    EXPECT_EQ(page.coloured[3].text, "");
    EXPECT_EQ(page.coloured[4],
              (ColouredLine{"      1st Sebastian Vettel, Ferrari          2nd Lewis Hamilton, Mercedes              "
                            "3rd Kimi Raikkonen, Ferrari",
                            colour::Green}));
    EXPECT_EQ(page.coloured[5].text, "");
    EXPECT_EQ(countColour(page, colour::Maroon), 21u);
    EXPECT_EQ(countColour(page, colour::Green), 5u);
    EXPECT_EQ(page.coloured.back(), (ColouredLine{"   Completed 5 of 21 Races.", colour::Blue}));
    // The sixth calendar race has no results line after it.
    EXPECT_EQ(page.coloured[2 + 5 * 4].text.substr(0, 20), "   Sunday May 27th  ");
    EXPECT_EQ(page.coloured[2 + 5 * 4 + 2].colour, colour::Maroon);
}

TEST(Calendar, WholeSeasonFromTheUpdateFile) {
    const Database* db = tables_testing::updatedData();
    ASSERT_NE(db, nullptr);
    CalendarPage page = calendarPage(*db, tables_testing::fixedClock());
    ASSERT_TRUE(page.exists);
    EXPECT_EQ(page.coloured[0].text, "   2025 Race Calendar");
    EXPECT_EQ(countColour(page, colour::Green), 24u);
    EXPECT_EQ(page.coloured.back().text, "   Completed 24 of 24 Races.");
    // The last race of the data sits under the last calendar line.
    const auto& last = page.coloured[page.coloured.size() - 3];
    EXPECT_EQ(last.text.substr(0, 30), "      1st Max Verstappen, Red ");
}

TEST(Calendar, MoreRacesThanCalendarLinesAndLongNames) {
    std::vector<std::string> records = tables_testing::numberedRaces(20, 2017);
    for (int i = 0; i < 22; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/2018", i + 1, 3);
        std::string winner = i == 0 ? "Maximilian Alexander Fitzgerald-Worthington" : "Driver One";
        records.push_back(tables_testing::simpleRace(date, "Venue", "Circuit", winner, "Team A", "Driver Two",
                                                     "Team B", "Driver Three", "Team C"));
    }
    Database db;
    ASSERT_TRUE(tables_testing::deriveFrom(db, records));
    CalendarPage page = calendarPage(db, tables_testing::fixedClock());
    ASSERT_TRUE(page.exists);
    EXPECT_EQ(countColour(page, colour::Green), 21u);
    EXPECT_EQ(page.coloured.back().text, "   Completed 22 of 21 Races.");
    // Past column 42 the second place follows directly.
    EXPECT_EQ(page.coloured[4].text,
              "      1st Maximilian Alexander Fitzgerald-Worthington, Team A2nd Driver Two, Team B    "
              "3rd Driver Three, Team C");
}
