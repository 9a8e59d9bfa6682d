// The driver career summary: the count lines, the first and last finishes with the
// first-podium note, the titles, the lists by place, the teams, and the colours.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "tables_fixture.h"
#include "views/Views.h"

using namespace velmora;

namespace {

// A race record: date, venue, circuit, then for each place its drivers and team.
std::string race(const std::string& date, const std::string& venue, const std::string& circuit,
                 std::initializer_list<std::string> first, const std::string& team1,
                 std::initializer_list<std::string> second, const std::string& team2,
                 std::initializer_list<std::string> third, const std::string& team3) {
    auto drivers = [](std::initializer_list<std::string> names) {
        std::vector<std::string> d(names);
        d.resize(3);
        return d[0] + "|" + d[1] + "|" + d[2];
    };
    return date + "|" + venue + "|" + circuit + "|190|" + drivers(first) + "|" + team1 + "|" + team1 + "|120|" +
           drivers(second) + "|" + team2 + "|" + team2 + "|" + drivers(third) + "|" + team3 + "|" + team3;
}

class CareerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string records[] = {
            race("01/03/1990", "Alpha", "Circuit A", {"Ayrton Senna"}, "McLaren", {"Alain Prost"}, "Ferrari",
                 {"Nigel Mansell"}, "Williams"),
            race("15/03/1990", "Beta", "Circuit B", {"Alain Prost"}, "Ferrari", {"Ayrton Senna"}, "McLaren",
                 {"Gerhard Berger"}, "McLaren"),
            race("01/04/1990", "Gamma", "Circuit C", {"Alain Prost", "Jean Alesi"}, "Ferrari", {"Nigel Mansell"},
                 "Williams", {"Ayrton Senna"}, "mclaren"),
            race("20/04/1991", "Delta", "Circuit D", {"Alain Prost"}, "Ferrari", {"Gerhard Berger"}, "McLaren",
                 {"Ayrton Senna"}, "McLaren"),
        };
        for (const auto& r : records) {
            db.RaceList.add(r);
            db.CommentList.add("");
        }
        db.DriverChampList.add("1990|3|Alain Prost|Ferrari|2|30");
        db.DriverChampList.add("1991|1|Alain Prost|Ferrari|1|10");
        tables_testing::RecordingMessages messages;
        ASSERT_TRUE(deriveLists(db, messages, nullptr, nullptr)) << messages.last();
    }

    std::vector<std::string> block(int n) const {
        std::vector<std::string> work;
        appendResultBlock(work, db, n, ViewSettings{});
        return work;
    }

    Database db;
};

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

} // namespace

TEST_F(CareerTest, WholePageOfAChampion) {
    Page page = careerPage(db, "Alain Prost", ViewSettings{});
    std::vector<std::string> expected = {"Career summary for Alain Prost", "", "       2 wins (plus    1 shared)",
                                         "       1 second place", "    No third places", "", "First win:", ""};
    append(expected, block(2));
    append(expected, {"Last win:", ""});
    append(expected, block(4));
    append(expected, {"Only 2nd place (first podium):", ""});
    append(expected, block(1));
    append(expected, {"", "World Champion:", "", "   1990 30 pts, 2 wins from 3 races.",
                      "   1991 10 pts, 1 win from 1 races.", "", "All race wins:", "",
                      "   15/03/1990 Circuit B, Beta driving for Ferrari",
                      "   01/04/1990 Circuit C, Gamma driving for Ferrari",
                      "   20/04/1991 Circuit D, Delta driving for Ferrari", "", "All second places:", "",
                      "   01/03/1990 Circuit A, Alpha driving for Ferrari", "", "No third places.", "",
                      "Teams Raced with (for which he achieved a podium finish):", "", "   Ferrari"});
    EXPECT_EQ(page.plain, expected);

    ASSERT_EQ(page.coloured.size(), page.plain.size());
    for (size_t i = 0; i < page.plain.size(); ++i) EXPECT_EQ(page.coloured[i].text, page.plain[i]) << i;
    auto colourOf = [&](const std::string& text) {
        for (const auto& line : page.coloured)
            if (line.text == text) return line.colour;
        return colour::White;
    };
    EXPECT_EQ(colourOf("Career summary for Alain Prost"), colour::Red);
    EXPECT_EQ(colourOf("First win:"), colour::Red);
    EXPECT_EQ(colourOf("Last win:"), colour::Blue);
    EXPECT_EQ(colourOf("Only 2nd place (first podium):"), colour::Blue);
    EXPECT_EQ(colourOf("World Champion:"), colour::Blue);
    EXPECT_EQ(colourOf("   15/03/1990 Circuit B, Beta driving for Ferrari"), colour::Blue);
    EXPECT_EQ(colourOf("   01/03/1990 Circuit A, Alpha driving for Ferrari"), colour::Maroon);
    EXPECT_EQ(colourOf("No third places."), colour::Purple);
    EXPECT_EQ(colourOf("   Ferrari"), colour::Purple);
    // The blocks keep their own colours: the header of the first win's block is maroon.
    EXPECT_EQ(page.coloured[8].text, block(2)[0]);
    EXPECT_EQ(page.coloured[8].colour, colour::Maroon);
    EXPECT_EQ(page.coloured[9].colour, colour::Green);
}

TEST_F(CareerTest, CountLinesAndFirstPodiumNote) {
    struct Case {
        const char* driver;
        std::vector<std::string> counts; // lines 3 to 5
        std::vector<std::string> headings;
    };
    const Case cases[] = {
        {"Jean Alesi", {"       1 shared win", "    No second places", "    No third places"},
         {"Only win (first podium):"}},
        {"Nigel Mansell", {"    No Wins", "       1 second place", "       1 third place"},
         {"Only 2nd place:", "Only 3rd place (first podium):"}},
        {"Ayrton Senna", {"       1 win", "       1 second place", "       2 third places"},
         {"Only win (first podium):", "Only 2nd place:", "First 3rd place:", "Last 3rd place:"}},
        {"Gerhard Berger", {"    No Wins", "       1 second place", "       1 third place"},
         {"Only 2nd place:", "Only 3rd place (first podium):"}},
    };
    for (const Case& c : cases) {
        Page page = careerPage(db, c.driver, ViewSettings{});
        ASSERT_GE(page.plain.size(), 6u);
        EXPECT_EQ(std::vector<std::string>(page.plain.begin() + 2, page.plain.begin() + 5), c.counts) << c.driver;
        std::vector<std::string> headings;
        for (const auto& line : page.plain)
            if (line.rfind("Only ", 0) == 0 || line.rfind("First ", 0) == 0 || line.rfind("Last ", 0) == 0)
                headings.push_back(line);
        EXPECT_EQ(headings, c.headings) << c.driver;
        EXPECT_EQ(std::count(page.plain.begin(), page.plain.end(), "World Champion:"), 0) << c.driver;
    }
}

TEST_F(CareerTest, TeamsWithoutRepeatsIgnoringCase) {
    Page page = careerPage(db, "Ayrton Senna", ViewSettings{});
    // McLaren and mclaren are one team, written as first met.
    std::vector<std::string> tail(page.plain.end() - 3, page.plain.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Teams Raced with (for which he achieved a podium finish):", "",
                                              "   McLaren"}));
}

TEST_F(CareerTest, DriverWithoutPodium) {
    Page page = careerPage(db, "Nobody Here", ViewSettings{});
    const std::vector<std::string> expected = {"Career summary for Nobody Here",
                                               "",
                                               "    No Wins",
                                               "    No second places",
                                               "    No third places",
                                               "",
                                               "",
                                               "No wins.",
                                               "",
                                               "No second places.",
                                               "",
                                               "No third places.",
                                               "",
                                               "Teams Raced with (for which he achieved a podium finish):",
                                               ""};
    EXPECT_EQ(page.plain, expected);
    // An empty name matches no empty driver field.
    Page empty = careerPage(db, "", ViewSettings{});
    EXPECT_EQ(empty.plain.size(), expected.size());
}

TEST(CareerRealData, ChampionsOfTheEmbeddedData) {
    const Database* db = tables_testing::embeddedData();
    ASSERT_NE(db, nullptr);
    Page schumacher = careerPage(*db, "Michael Schumacher", ViewSettings{});
    EXPECT_EQ(schumacher.plain[2], "      91 wins");
    EXPECT_EQ(schumacher.plain[3], "      43 second places");
    EXPECT_EQ(schumacher.plain[4], "      21 third places");
    EXPECT_EQ(schumacher.plain[6], "First win:");
    EXPECT_NE(std::find(schumacher.plain.begin(), schumacher.plain.end(), "First 3rd place (first podium):"),
              schumacher.plain.end());
    EXPECT_NE(std::find(schumacher.plain.begin(), schumacher.plain.end(), "   1994 92 pts, 8 wins from 16 races."),
              schumacher.plain.end());

    Page fangio = careerPage(*db, "Juan Manuel Fangio", ViewSettings{});
    EXPECT_EQ(fangio.plain[2], "      22 wins (plus    2 shared)");
    EXPECT_EQ(fangio.plain[6], "First win (first podium):");
    int titles = 0;
    for (const auto& line : fangio.plain)
        if (line.rfind("   195", 0) == 0 && line.find(" pts, ") != std::string::npos) ++titles;
    // The wins list names the shared wins too: 24 races.
    auto list = std::find(fangio.plain.begin(), fangio.plain.end(), "All race wins:");
    ASSERT_NE(list, fangio.plain.end());
    auto end = std::find(list + 2, fangio.plain.end(), "");
    EXPECT_EQ(end - (list + 2), 24);
    EXPECT_EQ(titles, 5);
}
