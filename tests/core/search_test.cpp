// The fourteen searches: selection rules, titles, summary line and its place.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "startup_fixture.h"
#include "views/Views.h"
#include "views_fixture.h"

namespace velmora {
namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override { testing::fillDatabase(db, testing::sampleRaces()); }

    // The race numbers of the blocks on a page, from their headers.
    static std::vector<int> races(const Page& page) {
        std::vector<int> numbers;
        for (const auto& line : page.plain)
            if (line.rfind("[#", 0) == 0) numbers.push_back(std::stoi(line.substr(2)));
        return numbers;
    }

    Page run(SearchCommand command, const std::string& value) { return searchPage(db, command, value, settings); }

    Database db;
    ViewSettings settings;
};

TEST_F(SearchTest, SelectionRules) {
    using C = SearchCommand;
    struct Case {
        C command;
        std::string value;
        std::vector<int> races;
    };
    std::vector<Case> cases = {
        {C::DriverWins, "Nino Farina", {1}},
        {C::DriverWins, "Jose Froilan Gonzalez", {4}}, // third driver of a shared win
        {C::DriverWins, "Juan Manuel Fangio", {4}},
        {C::DriverPodiums, "Nino Farina", {1, 3, 4}},
        {C::DriverPodiums, "Jose Froilan Gonzalez", {3, 4}},
        {C::DriverPodiums, "nino farina", {}}, // exact, with case
        {C::TeamWins, "Ferrari", {3, 4, 6}},
        {C::TeamPodiums, "Ferrari", {3, 4, 6}}, // race 3: first and second, listed once
        {C::TeamPodiums, "Deidt", {2}},
        {C::EngineWins, "Ferrari", {3, 4, 6}},  // works team found by the engine too
        {C::EnginePodiums, "Climax", {5, 6}},
        {C::CircuitResults, "Zandvoort", {3}},
        {C::VenueResults, "Germany", {6}},
        {C::SeasonResults, "1953", {3, 4}},
        {C::SeasonResults, "1951", {}},
        {C::AllRaces, "", {1, 2, 3, 4, 5, 6}},
        {C::Team12, "Ferrari", {3}},
        {C::Team123, "Ferrari", {}}, // race 6: first and third Ferrari, second Cooper
        {C::Team12, "Cooper", {5}},
        {C::Team123, "Alfa Romeo", {1}},
        {C::Engine12, "Offenhauser", {2}},
        {C::Engine123, "Offenhauser", {2}},
        {C::Engine123, "Ferrari", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(searchTitle(c.command, c.value));
        Page page = run(c.command, c.value);
        EXPECT_EQ(races(page), c.races);
        EXPECT_EQ(page.count, static_cast<int>(c.races.size()));
    }
}

TEST_F(SearchTest, Titles) {
    using C = SearchCommand;
    EXPECT_EQ(searchTitle(C::DriverWins, "Ayrton Senna"), "Displaying race wins only for driver Ayrton Senna");
    EXPECT_EQ(searchTitle(C::DriverPodiums, "Ayrton Senna"), "Displaying all podium finishes for driver Ayrton Senna");
    EXPECT_EQ(searchTitle(C::TeamWins, "Ferrari"), "Displaying race wins only for Team : Ferrari");
    EXPECT_EQ(searchTitle(C::TeamPodiums, "Ferrari"), "Displaying all podium finishes for Team : Ferrari");
    EXPECT_EQ(searchTitle(C::EngineWins, "Honda"), "Displaying race wins only for Engine : Honda");
    EXPECT_EQ(searchTitle(C::EnginePodiums, "Honda"), "Displaying all podium finishes for Engine : Honda");
    EXPECT_EQ(searchTitle(C::CircuitResults, "Monza"), "Displaying Results for Circuit : Monza");
    EXPECT_EQ(searchTitle(C::VenueResults, "Italy"), "Displaying Results for Venue : Italy");
    EXPECT_EQ(searchTitle(C::SeasonResults, "1976"), "Displaying Results for Season : 1976");
    EXPECT_EQ(searchTitle(C::AllRaces, ""), "Displaying all race results");
    EXPECT_EQ(searchTitle(C::Team12, "McLaren"), "Displaying 1-2 results for McLaren");
    EXPECT_EQ(searchTitle(C::Team123, "McLaren"), "Displaying 1-2-3 results for McLaren");
    EXPECT_EQ(searchTitle(C::Engine12, "Honda"), "Displaying 1-2 results for Engine : Honda");
    EXPECT_EQ(searchTitle(C::Engine123, "Honda"), "Displaying 1-2-3 results for Engine : Honda");
}

TEST_F(SearchTest, SummaryLine) {
    EXPECT_EQ(summaryLine(0), "No matching results found.");
    EXPECT_EQ(summaryLine(1), "There was one matching result.");
    EXPECT_EQ(summaryLine(2), "There were 2 matching results.");
    EXPECT_EQ(summaryLine(1149), "There were 1149 matching results.");
}

TEST_F(SearchTest, PageLayout) {
    Page page = run(SearchCommand::SeasonResults, "1953");
    std::vector<std::string> work;
    appendResultBlock(work, db, 3, settings);
    appendResultBlock(work, db, 4, settings);
    std::vector<std::string> expected = {"Displaying Results for Season : 1953", "There were 2 matching results.", ""};
    expected.insert(expected.end(), work.begin(), work.end());
    EXPECT_EQ(page.plain, expected);

    // Coloured: the same lines, title red, summary blue, then the blocks' colours.
    ASSERT_EQ(page.coloured.size(), page.plain.size());
    for (size_t i = 0; i < page.plain.size(); ++i) EXPECT_EQ(page.coloured[i].text, page.plain[i]);
    EXPECT_EQ(page.coloured[0].colour, colour::Red);
    EXPECT_EQ(page.coloured[1].colour, colour::Blue);
    EXPECT_EQ(page.coloured[2].colour, colour::Red);
    auto blocks = colourBlocks(work);
    EXPECT_TRUE(std::equal(blocks.begin(), blocks.end(), page.coloured.begin() + 3));
}

TEST_F(SearchTest, NoMatch) {
    Page page = run(SearchCommand::DriverWins, "Nobody Atall");
    EXPECT_EQ(page.plain, (std::vector<std::string>{"Displaying race wins only for driver Nobody Atall",
                                                    "No matching results found.", ""}));
    EXPECT_EQ(page.coloured.size(), 3u);
    EXPECT_EQ(page.count, 0);
}

TEST_F(SearchTest, OneTwoSummaryKeepsTheBlocksColour) {
    Page found = run(SearchCommand::Team12, "Cooper");
    EXPECT_EQ(found.coloured[1].text, "There was one matching result.");
    EXPECT_EQ(found.coloured[1].colour, colour::Navy);
    Page none = run(SearchCommand::Engine123, "Ferrari");
    EXPECT_EQ(none.coloured[1].colour, colour::Red);
    EXPECT_EQ(run(SearchCommand::TeamWins, "Cooper").coloured[1].colour, colour::Blue);
}

TEST_F(SearchTest, AllRacesSummaryComesLast) {
    Page page = run(SearchCommand::AllRaces, "");
    EXPECT_EQ(page.count, 6);
    EXPECT_EQ(page.plain[0], "Displaying all race results");
    EXPECT_EQ(page.plain[1], "");
    EXPECT_EQ(page.plain[2].substr(0, 4), "[#1 ");
    ASSERT_GE(page.plain.size(), 3u);
    EXPECT_EQ(page.plain.back(), "There were 6 matching results.");
    EXPECT_EQ(page.plain[page.plain.size() - 2], "");
    EXPECT_EQ(page.plain[page.plain.size() - 3], ""); // the last block's own separator
    // The coloured page has no summary line.
    EXPECT_EQ(page.coloured.size(), page.plain.size() - 2);
    for (const auto& line : page.coloured) EXPECT_NE(line.text, "There were 6 matching results.");

    Database empty;
    testing::fillDatabase(empty, {});
    Page none = searchPage(empty, SearchCommand::AllRaces, "", settings);
    EXPECT_EQ(none.plain, (std::vector<std::string>{"Displaying all race results", "", "No matching results found."}));
    EXPECT_EQ(none.coloured.size(), 2u);
}

TEST_F(SearchTest, OptionsReachTheBlocks) {
    settings.options[8] = '0'; // no first-place line
    Page page = run(SearchCommand::DriverWins, "Nino Farina");
    for (const auto& line : page.plain) EXPECT_NE(line.rfind("   1st", 0), 0u);
    EXPECT_EQ(page.count, 1);
}

} // namespace
} // namespace velmora

// ---------------------------------------------------------------- the embedded data

namespace velmora {
namespace {

TEST(SearchRealData, PublishedCounts) {
    const auto& start = testing::embeddedStartup();
    ASSERT_TRUE(start.ok);
    const Database& db = *start.db;
    ViewSettings settings;
    using C = SearchCommand;
    struct Case {
        C command;
        std::string value;
        int count;
    };
    std::vector<Case> cases = {
        {C::DriverWins, "Michael Schumacher", 91}, {C::DriverWins, "Ayrton Senna", 41},
        {C::DriverPodiums, "Ayrton Senna", 80},    {C::DriverWins, "Luigi Fagioli", 1}, // a shared win only
        {C::TeamWins, "Ferrari", 229},             {C::Team12, "Ferrari", 83},
        {C::Team123, "Ferrari", 8},                {C::Engine12, "Honda", 29},
        {C::CircuitResults, "Monza", 67},          {C::VenueResults, "Italy", 69},
        {C::SeasonResults, "1976", 16},            {C::AllRaces, "", 976},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(searchTitle(c.command, c.value));
        Page page = searchPage(db, c.command, c.value, settings);
        EXPECT_EQ(page.count, c.count);
        const std::string summary = summaryLine(c.count);
        EXPECT_EQ(c.command == C::AllRaces ? page.plain.back() : page.plain[1], summary);
    }
}

} // namespace
} // namespace velmora
