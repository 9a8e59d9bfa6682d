// Print and copy text: the title blocks, the four layouts by what is on show, the
// closing notice, and the print set-up window's warning.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/OutputText.h"
#include "views/Views.h"

using namespace velmora;

namespace {

using Lines = std::vector<std::string>;

struct OutputTest : ::testing::Test {
    OutputTest() {
        db.FirstSeason = 1950;
        db.LastSeason = 2017;
        tables.drivers = {"Driver Win List", "", "   1 A"};
        tables.constructors = {"Constructor Win List", "", "   1 B"};
        tables.engines = {"Engine Win List", "", "   1 C"};
        champs.drivers = {"Driver Championships", "   D"};
        champs.constructors = {"Constructor Championships", "   E"};
        champs.success = {"Championship Success", "   F"};
    }
    OutputSource source(ShownArea area) const {
        OutputSource s;
        s.area = area;
        s.opening = &opening;
        s.results = &results;
        s.winTables = &tables;
        s.championships = &champs;
        return s;
    }
    Lines concat(std::initializer_list<Lines> parts) const {
        Lines all;
        for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    }

    Database db;
    Lines opening = {"  Years covered : 1950 to 2017", "", "        68 Seasons."};
    Lines results = {"Displaying all race results", "There were 2 matching results.", "", "[#1 1950-1]", ""};
    WinTables tables;
    ChampionshipTables champs;
};

} // namespace

TEST_F(OutputTest, TitleAndClosingWording) {
    const std::string title = outputTitle();
    EXPECT_EQ(title, "Velmora 4.1.09 by the Velmora developers - Formula 1 World Championship results");
    EXPECT_EQ(closingNotice(),
              "Produced by Velmora 4.1.09, the Velmora developers. Race data compiled from F1DB, CC BY 4.0.");
}

TEST_F(OutputTest, PrintTextByWhatIsOnShow) {
    const std::string title = outputTitle();
    const std::string indent(10, ' ');
    const Lines block = {indent + title, indent + std::string(title.size(), '='), " ",
                         "          Data for seasons 1950 to 2017", " "};
    const std::string close = closingNotice();
    struct Case {
        ShownArea area;
        Lines expected;
    };
    const Case cases[] = {
        {ShownArea::OpeningScreen, concat({opening, {"", close}})},
        {ShownArea::Results, concat({block, results, {" ", close}})},
        {ShownArea::WinTables, concat({block, tables.drivers, {""}, tables.constructors, {""}, tables.engines,
                                       {"", close}})},
        {ShownArea::ChampionshipTables, concat({block, champs.drivers, {""}, champs.constructors, {""},
                                                champs.success, {"", close}})},
    };
    for (const Case& c : cases) EXPECT_EQ(printText(db, source(c.area)), c.expected) << static_cast<int>(c.area);
}

TEST_F(OutputTest, CopyTextByWhatIsOnShow) {
    const std::string title = outputTitle();
    const Lines block = {title, std::string(title.size(), '='), "", "Seasons Covered 1950 to 2017", ""};
    const std::string close = closingNotice();
    EXPECT_EQ(copyText(db, source(ShownArea::OpeningScreen)), concat({opening, {"", close}}));
    EXPECT_EQ(copyText(db, source(ShownArea::Results)), concat({block, results, {"", close}}));
    EXPECT_EQ(copyText(db, source(ShownArea::WinTables)),
              concat({block, tables.drivers, {""}, tables.constructors, {""}, tables.engines, {"", close}}));
    EXPECT_EQ(copyText(db, source(ShownArea::ChampionshipTables)),
              concat({block, champs.drivers, {""}, champs.constructors, {""}, champs.success, {"", close}}));
    // Nothing on show: nothing to copy.
    EXPECT_TRUE(copyText(db, source(ShownArea::Nothing)).empty());
}

TEST_F(OutputTest, MissingSourcesPrintTheFrameOnly) {
    OutputSource empty;
    empty.area = ShownArea::Results;
    Lines text = printText(db, empty);
    ASSERT_EQ(text.size(), 7u);
    EXPECT_EQ(text[5], " ");
    EXPECT_EQ(text[6], closingNotice());
}

TEST(PrintWarning, LinesAboveTheThreshold) {
    EXPECT_TRUE(printWarning(150, 200).empty());
    EXPECT_TRUE(printWarning(200, 200).empty());
    const Lines expected = {"PLEASE NOTE:",
                            "",
                            "The main search window has 250 lines of output to be printed.",
                            "",
                            "This may take some time to complete.",
                            "",
                            "If the output is very large, you may wish to change some settings on the main window."};
    EXPECT_EQ(printWarning(250, 200), expected);
    EXPECT_EQ(printWarning(1, 0).size(), 7u);
}
