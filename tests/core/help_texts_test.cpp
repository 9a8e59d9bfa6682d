// The fixed texts of the help and about windows, and the example update files that the
// update help shows: they must hold the program's exact captions and must be real,
// well-formed update files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "help/HelpTexts.h"
#include "text/Routines.h"

using namespace velmora;

namespace {

std::vector<std::string> readLines(const std::string& relative) {
    std::ifstream in(std::string(VELMORA_SOURCE_DIR) + "/" + relative, std::ios::binary);
    EXPECT_TRUE(in.good()) << relative;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

const std::vector<std::string>& embeddedRaces() {
    static const auto races = readLines("src/core/data/embedded/races-1950-2017.txt");
    return races;
}

std::vector<std::string> embeddedSeason(int season) {
    std::vector<std::string> out;
    for (const auto& r : embeddedRaces())
        if (raceSeason(splitrecord(r)[1]) == season) out.push_back(r);
    return out;
}

std::string embeddedRecord(const std::string& file, const std::string& season) {
    for (const auto& l : readLines("src/core/data/embedded/" + file))
        if (l.rfind(season + "|", 0) == 0) return l;
    return {};
}

int fieldCount(const std::string& line) { return static_cast<int>(std::count(line.begin(), line.end(), '|')) + 1; }

bool contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

std::vector<std::string> texts(const std::vector<ColouredParagraph>& lines) {
    std::vector<std::string> out;
    for (const auto& l : lines) out.push_back(l.text);
    return out;
}

// An update-file race line equals the embedded record of its date, except that its
// distance and speed are written with exactly two decimals, and its comment.
void expectSameRace(const std::string& exampleLine, const std::string& embedded) {
    SCOPED_TRACE(exampleLine);
    ASSERT_EQ(fieldCount(exampleLine), 21);
    ASSERT_EQ(fieldCount(embedded), 20);
    const LineFields ex = splitrecord(exampleLine);
    const LineFields em = splitrecord(embedded);
    static const std::regex twoDecimals(R"(\d+\.\d\d)");
    for (int f = 1; f <= 20; ++f) {
        if (f == 4 || f == 10) {
            EXPECT_TRUE(std::regex_match(ex[f], twoDecimals)) << "field " << f << ": " << ex[f];
            EXPECT_LE(std::fabs(std::atof(ex[f].c_str()) - std::atof(em[f].c_str())), 0.005 + 1e-9) << "field " << f;
        } else {
            EXPECT_EQ(ex[f], em[f]) << "field " << f;
        }
    }
}

void expectSameRaces(const std::vector<std::string>& example, const std::vector<std::string>& embedded) {
    ASSERT_EQ(example.size(), embedded.size());
    for (size_t i = 0; i < example.size(); ++i) expectSameRace(example[i], embedded[i]);
}

} // namespace

// ---------------------------------------------------------------- memo texts

TEST(HelpTexts, MemoTextsAreParagraphsEachFollowedByOneEmptyLineThenTheClosingNotice) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        const char* title;
    };
    const Case cases[] = {
        {"preferences", preferencesHelpText(), "Velmora Preferences"},
        {"result", resultHelpText(), "Velmora : Search Result Window"},
        {"known problems", knownProblemsText(), "Velmora : Current Bugs in and Future Plans for Version 4.1.09"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& l = c.lines;
        ASSERT_GE(l.size(), 5u);
        EXPECT_EQ(l.front(), c.title);
        EXPECT_EQ(l.back(), kHelpClosingNotice);
        EXPECT_EQ(l.size() % 2, 1u);
        for (size_t i = 0; i + 1 < l.size(); ++i) {
            if (i % 2 == 0)
                EXPECT_FALSE(l[i].empty()) << "line " << i;
            else
                EXPECT_TRUE(l[i].empty()) << "line " << i;
        }
        EXPECT_FALSE(contains(l, "http")) << "no web address in a help text";
    }
}

TEST(HelpTexts, HelpTextsNameTheProgramsRealCaptions) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::string> required;
    };
    const Case cases[] = {
        {"preferences",
         preferencesHelpText(),
         {"\"Header & Footer Data\"", "\"Drivers & Engines\"", "\"Race Distance\"", "\"Winning Race Speed\"",
          "\"Colours...\"", "\"Colours (if check box checked in \"Program\" panel\"", "\"Coloured Text\"",
          "\"Program\"", "\"Save & Close\"", "\"Cancel\"", "\"Print\"", "\"Show Day of Week\"", "\"Show Venue\"",
          "\"Show Circuit\"", "\"Show Race Comment\"", "\"Show Winning Driver(s)\"",
          "\"Show Second Place Driver(s)\"", "\"Show Third Place Drivers\"", "\"Show Car Engines\"",
          "\"In Miles\"", "\"In Kilometres\"", "\"Both miles and kilometres\"", "\"Do not display Race Distance\"",
          "\"In Miles Per Hour\"", "\"In Kilometres per Hour\"", "\"Both MPH and KPH\"",
          "\"Do not display Race Speed\"", "\"Large Tool Buttons\"", "\"Small Tool Buttons\"",
          "\"Font Courier New 10pt\"", "\"Font Arial 10pt\"", "\"Show Opening Splash Screen\"",
          "\"Search Results Window\"", "\"Engine Championship Window\"", "\"R\", \"G\" and \"B\"",
          "Velmora.INI in the program's folder (or the per-user data folder when that folder cannot be written)"}},
        {"result",
         resultHelpText(),
         {"\"Wins Only\"", "\"Podiums\"", "\"Driver\"", "\"Constructors\"", "\"Engines\"", "Team", "Engine",
          "\"Career\"", "\"Team 1-2\"", "\"Team 1-2-3\"", "\"Engine 1-2\"", "\"Engine 1-2-3\"", "\"Circuits\"",
          "\"Venues\"", "\"Season\"", "\"First - \"", "\"Last - \"", "\"Results\"", "\"Championship\"",
          "\"All Races\"", "\"Specials\"", "\"Race Win Tables\"", "\"Championship Tables\"", "\"Search\"",
          "\"File\"", "\"Preferences\"", "\"Print View Screen\"", "\"Quit the program\"",
          "\"Current Season Calendar\"", "\"Data copied to clipboard.\"", "Ctrl+P", "Ctrl+C", "F1"}},
        {"known problems", knownProblemsText(), {"1. ", "2. ", "3. ", "4. ", "5. ", "\"About\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& r : c.required) EXPECT_TRUE(contains(c.lines, r)) << "missing: " << r;
        EXPECT_TRUE(contains(c.lines, "Velmora"));
    }
}

TEST(HelpTexts, WindowTitlesAndFixedMessages) {
    EXPECT_STREQ(kResultHelpTitle, "Velmora : Search Result Help");
    EXPECT_STREQ(kKnownProblemsTitle, "Velmora : Current Bugs");
    EXPECT_STREQ(kPreferencesHelpTitle, "Preferences Help");
    EXPECT_STREQ(kKnownProblemsPrintRefusal, "Get Stuffed!\n\nI am NOT going to permit you to print my bugs!!");
    EXPECT_STREQ(kUpdateHelpButtonHints[2], "Restores the Help file after vierwing an example file");
    EXPECT_STREQ(kUpdateHelpButtonHints[5],
                 "Shows an example update file with a completed season and a partially completed season");
}

// ---------------------------------------------------------------- update help

TEST(UpdateHelp, ParagraphsComeInOrderWithTheirColours) {
    const auto t = updateHelpText();
    ASSERT_FALSE(t.empty());
    const std::set<std::uint32_t> allowed{colour::Blue, colour::Red, colour::Maroon, colour::Navy};
    for (const auto& l : t) EXPECT_TRUE(allowed.count(l.colour)) << l.text;

    EXPECT_EQ(t.front().colour, colour::Blue);
    EXPECT_NE(t.front().text.find("Velmora"), std::string::npos);

    auto find = [&](const std::string& text) -> size_t {
        for (size_t i = 0; i < t.size(); ++i)
            if (t[i].text == text) return i;
        ADD_FAILURE() << "missing line: " << text;
        return t.size();
    };
    auto startingWith = [&](const std::string& prefix) -> size_t {
        for (size_t i = 0; i < t.size(); ++i)
            if (t[i].text.rfind(prefix, 0) == 0) return i;
        ADD_FAILURE() << "no line starts with: " << prefix;
        return t.size();
    };

    const size_t del = find("Deleting a Record from the Updater File");
    const size_t race = find("Race Data Section.");
    const size_t champ = find("Driver and Championship Win Sections");
    const size_t important = startingWith("IMPORTANT:");
    const size_t manual = find("Manual Editting of the Update File using Notepad.");
    const size_t raceFields = find("The Race data elements are separated by the pipes and are as follows:");
    const size_t driverFields =
        find("Race data elements MUST be separated from Driver Championship data by a line of three asterisks: ***");
    const size_t teamFields = find("Constructor's Championship data elements MUST be separated from Driver "
                                   "Championship data by a line of three plus signs: +++");
    const size_t typicalRace =
        find("A typical Race Data Line (if this wraps round, you may want to temporarily maximise this window):");
    const size_t typicalDriver = find("A typical Driver Championship Data Line:");
    const size_t typicalTeam = find("A typical Constructor's Championship Data Line:");
    const size_t note = find("Note the special construction of team name using the team and engine name used in "
                             "these last two examples.");
    ASSERT_LT(note, t.size());
    const std::vector<size_t> order{del,        race,        champ,        important,  manual,       raceFields,
                                    driverFields, teamFields, typicalRace, typicalDriver, typicalTeam, note};
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));

    EXPECT_EQ(t[del].colour, colour::Red);
    EXPECT_EQ(t[important].colour, colour::Red);
    EXPECT_EQ(t[race].colour, colour::Navy);
    EXPECT_EQ(t[champ].colour, colour::Navy);
    EXPECT_EQ(t[manual].colour, colour::Maroon);
    EXPECT_EQ(t[typicalRace].colour, colour::Navy);
    // The introduction between the delete paragraphs and the race inputs is maroon.
    EXPECT_EQ(t[race - 2].colour, colour::Maroon);

    // Race Data Section: its ten inputs directly below it, then exactly two empty lines.
    for (size_t i = race + 1; i <= race + 10; ++i) {
        EXPECT_FALSE(t[i].text.empty()) << i;
        EXPECT_EQ(t[i].colour, colour::Navy);
    }
    EXPECT_TRUE(t[race + 11].text.empty() && t[race + 12].text.empty());
    EXPECT_FALSE(t[race + 13].text.empty());

    // IMPORTANT: followed by exactly four empty lines.
    for (size_t i = important + 1; i <= important + 4; ++i) EXPECT_TRUE(t[i].text.empty());
    EXPECT_FALSE(t[important + 5].text.empty());
    EXPECT_NE(t[important].text.find("***"), std::string::npos);
    EXPECT_NE(t[important].text.find("+++"), std::string::npos);

    // The numbered field lists follow their introductions directly: 21, 6 and 5 fields.
    auto expectNumbered = [&](size_t intro, int count) {
        for (int k = 1; k <= count; ++k)
            EXPECT_EQ(t[intro + k].text.rfind(std::to_string(k) + ". ", 0), 0u) << t[intro + k].text;
        EXPECT_TRUE(t[intro + count + 1].text.empty());
    };
    expectNumbered(raceFields, 21);
    expectNumbered(driverFields, 6);
    expectNumbered(teamFields, 5);

    // The typical lines: a real 2015 race, the 2015 champions.
    const std::string typical = t[typicalRace + 1].text;
    const auto example2 = updateExampleFile(2);
    EXPECT_NE(std::find(example2.begin(), example2.end(), typical), example2.end()) << typical;
    EXPECT_EQ(t[typicalDriver + 1].text, embeddedRecord("driver-champions-1950-2017.txt", "2015"));
    EXPECT_EQ(t[typicalTeam + 1].text, "2015|19|Mercedes-Mercedes|16|703");
    EXPECT_EQ(t[typicalTeam + 1].colour, colour::Navy);

    const auto lines = texts(t);
    for (const char* name : {"update.txt", "UpdateBackUp.txt", "UpdateBeforeDelete.txt", "Delete", "\"|\""})
        EXPECT_TRUE(contains(lines, name)) << name;
}

// ---------------------------------------------------------------- example update files

TEST(UpdateExamples, EachFileHasTheUpdateFileLayout) {
    struct Shape {
        int which, races;
        bool championships;
    };
    for (const Shape s : {Shape{1, 14, false}, Shape{2, 19, true}, Shape{3, 33, true}}) {
        SCOPED_TRACE(s.which);
        const auto f = updateExampleFile(s.which);
        ASSERT_EQ(f.size(), static_cast<size_t>(s.races + (s.championships ? 4 : 2)));
        // Fields 1 to 20 each followed by "|", then the comment.
        for (int i = 0; i < s.races; ++i) EXPECT_EQ(fieldCount(f[i]), 21) << f[i];
        size_t at = static_cast<size_t>(s.races);
        EXPECT_EQ(f[at++], "***");
        if (s.championships) {
            EXPECT_EQ(fieldCount(f[at++]), 6);
        }
        EXPECT_EQ(f[at++], "+++");
        if (s.championships) {
            EXPECT_EQ(fieldCount(f[at++]), 5);
        }
    }
    EXPECT_TRUE(updateExampleFile(0).empty());
    EXPECT_TRUE(updateExampleFile(4).empty());
}

TEST(UpdateExamples, RacesAndChampionsAreTheRealResultsOf2015And2016) {
    const auto season2015 = embeddedSeason(2015);
    auto season2016 = embeddedSeason(2016);
    ASSERT_EQ(season2015.size(), 19u);
    ASSERT_GE(season2016.size(), 14u);
    season2016.resize(14);

    const auto f1 = updateExampleFile(1);
    const auto f2 = updateExampleFile(2);
    const auto f3 = updateExampleFile(3);
    expectSameRaces({f1.begin(), f1.begin() + 14}, season2016);
    expectSameRaces({f2.begin(), f2.begin() + 19}, season2015);
    // Example 3 is example 2's season followed by example 1's partial season.
    std::vector<std::string> both(f2.begin(), f2.begin() + 19);
    both.insert(both.end(), f1.begin(), f1.begin() + 14);
    EXPECT_EQ(std::vector<std::string>(f3.begin(), f3.begin() + 33), both);

    const std::string driver2015 = embeddedRecord("driver-champions-1950-2017.txt", "2015");
    const std::string team2015 = embeddedRecord("constructor-champions-1958-2017.txt", "2015");
    ASSERT_FALSE(driver2015.empty());
    for (const auto* f : {&f2, &f3}) {
        EXPECT_EQ((*f)[f->size() - 3], driver2015);
        EXPECT_EQ((*f)[f->size() - 1], team2015);
    }

    // Some races carry a comment, and no comment can break the record.
    int comments = 0;
    for (const auto& r : f3) {
        if (fieldCount(r) == 21 && !splitrecord(r)[21].empty()) ++comments;
    }
    EXPECT_GT(comments, 0);
    EXPECT_LT(comments, 33);
}

TEST(UpdateExamples, ExampleBoxShowsHeadingFileNotesAndAnEarlySharedDrive) {
    const char* headings[] = {
        "Example of a Partially Completed Update File.",
        "Example of a Fully Completed Update File.",
        "Example of an Update File containing a completed Season and a Partially Completed Season.",
    };
    for (int which = 1; which <= 3; ++which) {
        SCOPED_TRACE(which);
        const auto box = updateExampleText(which);
        const auto file = updateExampleFile(which);
        ASSERT_EQ(box.size(), 2 + file.size() + 3 + 7 + 1);
        EXPECT_EQ(box[0].text, headings[which - 1]);
        EXPECT_EQ(box[0].colour, colour::Red);
        EXPECT_TRUE(box[1].text.empty());
        for (size_t i = 0; i < file.size(); ++i) {
            EXPECT_EQ(box[2 + i].text, file[i]);
            EXPECT_EQ(box[2 + i].colour, colour::Blue);
        }
        size_t at = 2 + file.size();
        for (int k = 0; k < 3; ++k) EXPECT_TRUE(box[at++].text.empty());
        EXPECT_EQ(box[at].text, "You may want to maximise this screen to see the data lines as separate lines. I "
                                "have made it horizontally scrollable to help.");
        EXPECT_EQ(box[at++].colour, colour::Black);
        EXPECT_TRUE(box[at++].text.empty());
        for (int k = 0; k < 4; ++k) {
            EXPECT_FALSE(box[at].text.empty());
            EXPECT_EQ(box[at++].colour, colour::Black);
        }
        EXPECT_TRUE(box[at - 1].text.size() >= 30 &&
                    box[at - 1].text.compare(box[at - 1].text.size() - 30, 30, "a single driver, appears thus:") == 0)
            << box[at - 1].text;
        EXPECT_TRUE(box[at++].text.empty());
        EXPECT_EQ(box[at].text, sharedDriveExampleLine());
        EXPECT_EQ(box[at].colour, colour::Blue);
    }
    EXPECT_TRUE(updateExampleText(0).empty());

    // The early race: first and second places shared by two drivers, third not.
    const std::string early = sharedDriveExampleLine();
    const LineFields f = splitrecord(early);
    EXPECT_LT(raceSeason(f[1]), 1961);
    EXPECT_TRUE(!f[6].empty() && f[7].empty());
    EXPECT_TRUE(!f[12].empty() && f[13].empty());
    EXPECT_TRUE(f[17].empty() && f[18].empty());
    const auto& races = embeddedRaces();
    const auto real = std::find_if(races.begin(), races.end(),
                                   [&](const std::string& r) { return splitrecord(r)[1] == f[1]; });
    ASSERT_NE(real, races.end());
    expectSameRace(early, *real);
}

// ---------------------------------------------------------------- about window

TEST(AboutWindow, LabelsCreditAndVersionHistory) {
    const AboutText a = aboutText();
    EXPECT_EQ(a.windowTitle, "About Velmora");
    EXPECT_EQ(a.programName, "Velmora 4.1.09");
    EXPECT_EQ(a.versionLabel, " Version 4.1.09 ");
    EXPECT_EQ(a.dateLabel, " November 2016 ");
    EXPECT_EQ(a.credit, "Race data compiled from F1DB, CC BY 4.0");
    EXPECT_EQ(a.panelHint, "Click the image to go to my personal Web-Site");
    EXPECT_EQ(a.pictureHint, "Click this image to go to my personal Web-Site");
    EXPECT_FALSE(a.titleLine.empty());

    const auto& h = a.history;
    ASSERT_EQ(h.size(), 13u * 3 + 5);
    EXPECT_EQ(h[0].text, "Ver 4.1.09 - April 2018");
    static const std::regex heading(R"(Ver \d\.\d\.\d\d - [A-Z][a-z]+ \d{4})");
    for (size_t e = 0; e < 13; ++e) {
        SCOPED_TRACE(e);
        EXPECT_TRUE(std::regex_match(h[e * 3].text, heading)) << h[e * 3].text;
        EXPECT_EQ(h[e * 3].colour, colour::Maroon);
        EXPECT_FALSE(h[e * 3 + 1].text.empty());
        EXPECT_EQ(h[e * 3 + 1].colour, colour::Navy);
        EXPECT_TRUE(h[e * 3 + 2].text.empty());
        EXPECT_EQ(h[e * 3 + 1].text.find("http"), std::string::npos);
    }
    // Newest first: the version numbers fall from entry to entry.
    for (size_t e = 1; e < 13; ++e) EXPECT_GT(h[(e - 1) * 3].text.substr(4, 6), h[e * 3].text.substr(4, 6));

    const size_t tail = 39;
    EXPECT_EQ(h[tail].text, std::string(63, '='));
    EXPECT_EQ(h[tail].colour, colour::Navy);
    EXPECT_TRUE(h[tail + 1].text.empty());
    EXPECT_EQ(h[tail + 2].text, "Version History Notes:");
    EXPECT_EQ(h[tail + 2].colour, colour::Red);
    EXPECT_TRUE(h[tail + 3].text.empty());
    EXPECT_EQ(h[tail + 4].colour, colour::Red);
    for (const char* step : {"3.1.01", "3.1.02", "3.1.08", "3.2.01", "3.2.06", "4.1.01"})
        EXPECT_NE(h[tail + 4].text.find(step), std::string::npos) << step;
}
