// The main window's logic: which control starts which command, the view flags each
// leaves, the drop-down change handling, the list shortcuts and the other windows.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/IniFile.h"
#include "startup_fixture.h"
#include "ui/MainModel.h"

namespace velmora {
namespace {

using ui::Control;
using ui::MainModel;
using ui::ViewArea;

class RecordingHost : public ui::MainWindowHost {
public:
    std::vector<std::string> calls;
    std::vector<std::string> printed;
    std::function<void()> preferences; // what the preferences window does
    void runPreferences() override {
        calls.push_back("preferences");
        if (preferences) preferences();
    }
    void runPrintSetup(const std::vector<std::string>& text) override {
        calls.push_back("print");
        printed = text;
    }
    void runUpdateEditor() override { calls.push_back("update editor"); }
    void showResultHelp() override { calls.push_back("result help"); }
    void showUpdateHelp() override { calls.push_back("update help"); }
    void showAbout() override { calls.push_back("about"); }
    void showKnownProblems() override { calls.push_back("bugs"); }
    void setBusy(bool busy) override { calls.push_back(busy ? "busy" : "idle"); }
    bool storeGeometry(Settings& settings) override {
        calls.push_back("geometry");
        settings.form1 = {20, 30, 1000, 700};
        return true;
    }
    void endProgram() override { calls.push_back("end"); }
};

class RecordingShell : public Shell {
public:
    std::vector<std::string> opened;
    int open(const std::string& address, const std::string&, const std::string&, ShowMode) override {
        opened.push_back(address);
        return 42;
    }
};

class RecordingClipboard : public Clipboard {
public:
    std::string text;
    void setText(const std::string& t) override { text = t; }
};

// An update file with the first `races` races of 2018 and no championship records.
std::string partial2018(int races) {
    std::istringstream in(testing::readSourceFile("examples/update-2018-2025.txt"));
    std::string line, out;
    for (int i = 0; i < races && std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        out += line + "\r\n";
        ++i;
    }
    return out + "***\r\n+++\r\n";
}

class MainModelTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    void start(const std::string& update = {}) {
        files = testing::MemoryFileSystem();
        result = testing::startEmbedded(files, update);
        ASSERT_TRUE(result.ok);
        settings = result.settings;
        ini = std::make_unique<IniFileStore>(files);
        ui::MainModelEnvironment env;
        env.messages = &messages;
        env.files = &files;
        env.ini = ini.get();
        env.clock = &clock;
        env.shell = &shell;
        env.clipboard = &clipboard;
        env.host = &host;
        model = std::make_unique<MainModel>(*result.db, settings, result.boxes, env);
    }

    // Known selections in every box; the season box last (its change leaves no flag).
    void selectKnown() {
        model->typeText(0, "Senna Ayrton");
        model->typeText(1, "Ferrari");
        model->typeText(2, "Honda");
        model->typeText(3, "Monza");
        model->typeText(4, "Italy");
        model->selectItem(5, indexOf(5, "1976"));
    }

    int indexOf(int box, const std::string& item) const {
        const auto& items = model->state().boxes[static_cast<size_t>(box)].items;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == item) return static_cast<int>(i);
        return -1;
    }

    size_t rowContaining(const std::vector<std::string>& rows, const std::string& text) const {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].find(text) != std::string::npos) return i;
        ADD_FAILURE() << "no row holds " << text;
        return 0;
    }

    const ui::MainState& state() const { return model->state(); }

    testing::MemoryFileSystem files;
    StartupResult result;
    Settings settings;
    std::unique_ptr<IniFileStore> ini;
    testing::RecordingMessages messages;
    testing::FixedClock clock;
    RecordingShell shell;
    RecordingClipboard clipboard;
    RecordingHost host;
    std::unique_ptr<MainModel> model;
};

TEST_F(MainModelTest, StateAfterStartUp) {
    EXPECT_EQ(state().area, ViewArea::Opening);
    EXPECT_TRUE(model->flag(1));
    EXPECT_FALSE(model->flag(2));
    EXPECT_TRUE(model->flag(3));
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{4});
    EXPECT_EQ(state().firstCaption, "First - 1950");
    EXPECT_EQ(state().lastCaption, "Last - 2017");
    EXPECT_EQ(state().opening, result.db->openingText);
    EXPECT_EQ(state().boxes[5].items.front(), "1950");
    EXPECT_EQ(state().boxes[0].selected, 0);
    EXPECT_EQ(state().boxes[0].text, state().boxes[0].items[0]);
}

TEST_F(MainModelTest, CommandsFlagsAndTitles) {
    struct Case {
        Control control;
        std::vector<int> flags;
        std::string title;
        ViewArea area = ViewArea::ResultsPlain;
    };
    const std::string seasonTitle = "Displaying Results for Season : ";
    std::vector<Case> cases = {
        {Control::Button2, {4}, "Displaying race wins only for driver Ayrton Senna"},
        {Control::ToolButton4, {4}, "Displaying race wins only for driver Ayrton Senna"},
        {Control::ToolButton37, {4}, "Displaying race wins only for driver Ayrton Senna"},
        {Control::MenuDriverWins, {4}, "Displaying race wins only for driver Ayrton Senna"},
        {Control::Button3, {5}, "Displaying all podium finishes for driver Ayrton Senna"},
        {Control::Button18, {20}, "Career summary for Ayrton Senna"},
        {Control::MenuDriverCareer, {20}, "Career summary for Ayrton Senna"},
        {Control::Button4, {6}, "Displaying race wins only for Team : Ferrari"},
        {Control::ToolButton42, {7}, "Displaying all podium finishes for Team : Ferrari"},
        {Control::MenuTeam12, {14}, "Displaying 1-2 results for Ferrari"},
        {Control::Button13, {15}, "Displaying 1-2-3 results for Ferrari"},
        {Control::Button6, {8}, "Displaying race wins only for Engine : Honda"},
        {Control::ToolButton13, {9}, "Displaying all podium finishes for Engine : Honda"},
        {Control::Button14, {16}, "Displaying 1-2 results for Engine : Honda"},
        {Control::ToolButton49, {17}, "Displaying 1-2-3 results for Engine : Honda"},
        {Control::Button8, {10}, "Displaying Results for Circuit : Monza"},
        {Control::MenuVenues, {11}, "Displaying Results for Venue : Italy"},
        {Control::Button10, {12}, seasonTitle + "1976"},
        {Control::ToolButton21, {}, seasonTitle + "1976"},
        {Control::ToolButton53, {}, seasonTitle + "1976"},
        {Control::Button21, {}, seasonTitle + "1950"},
        {Control::MenuLastSeason, {}, seasonTitle + "2017"},
        {Control::SpinButton1Up, {12}, seasonTitle + "1977"},
        {Control::SpinButton1Down, {12}, seasonTitle + "1975"},
        {Control::Button11, {13}, "Displaying all race results"},
        {Control::ToolButton55, {13}, "Displaying all race results"},
        {Control::MenuAllRaces, {}, "Displaying all race results"},
        {Control::Button20, {22}, "Special Races"},
        {Control::MenuSpecials, {}, "Special Races"},
        {Control::Button16, {18}, "Race Win Tables", ViewArea::WinTables},
        {Control::ToolButton57, {18}, "Race Win Tables", ViewArea::WinTables},
        {Control::MenuRaceWinTables, {}, "Race Win Tables", ViewArea::WinTables},
        {Control::Button17, {19}, "Championship Tables", ViewArea::ChampionshipTables},
        {Control::MenuChampionshipTables, {}, "Championship Tables", ViewArea::ChampionshipTables},
        {Control::Button19, {21}, "", ViewArea::Opening},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ui::controlName(c.control));
        start();
        selectKnown();
        model->trigger(c.control);
        EXPECT_EQ(model->setViewFlags(), c.flags);
        EXPECT_EQ(state().title, c.title);
        EXPECT_EQ(state().area, c.area);
        EXPECT_EQ(model->flag(3), c.area == ViewArea::Opening);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(MainModelTest, EveryStarterRunsItsCommand) {
    // Every control listed for a command leads back to that command.
    for (int c = 0; c <= static_cast<int>(ui::Command::KnownProblems); ++c) {
        auto command = static_cast<ui::Command>(c);
        for (Control control : ui::startersOf(command)) EXPECT_EQ(ui::commandOf(control), command);
        EXPECT_FALSE(ui::startersOf(command).empty());
    }
    for (int flag = 4; flag <= 24; ++flag) EXPECT_EQ(ui::viewFlagOf(ui::commandOfFlag(flag)), flag);
    EXPECT_EQ(ui::panelControlOfFlag(13), Control::Button11);
    EXPECT_EQ(ui::panelControlOfFlag(20), Control::Button18);
    EXPECT_EQ(ui::panelControlOfFlag(24), Control::Button22);
}

TEST_F(MainModelTest, ChangeHandlingRepeatsTheLastViewOfTheBox) {
    selectKnown();
    model->trigger(Control::Button13); // Team 1-2-3
    model->typeText(1, "McLaren");
    EXPECT_EQ(state().title, "Displaying 1-2-3 results for McLaren");
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{15});

    model->trigger(Control::Button10); // a season view, then a constructor: team wins
    model->typeText(1, "Williams");
    EXPECT_EQ(state().title, "Displaying race wins only for Team : Williams");
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{6});

    model->trigger(Control::Button18); // career follows a new driver
    model->typeText(0, "Prost Alain");
    EXPECT_EQ(state().title, "Career summary for Alain Prost");

    model->typeText(3, "Spa"); // a circuit always shows its results
    EXPECT_EQ(state().title, "Displaying Results for Circuit : Spa");
    model->selectItem(5, indexOf(5, "1988")); // the season box records no flag
    EXPECT_EQ(state().title, "Displaying Results for Season : 1988");
    EXPECT_TRUE(model->setViewFlags().empty());
}

TEST_F(MainModelTest, TypedTextThatMatchesNoEntry) {
    selectKnown();
    model->trigger(Control::Button2);
    const auto page = state().plain;
    model->typeText(0, "Foo Bar");
    EXPECT_EQ(state().boxes[0].selected, -1);
    EXPECT_EQ(state().boxes[0].text, "Foo Bar");
    EXPECT_EQ(state().plain, page); // nothing ran
    model->typeText(3, "Monte Carlo"); // another box: still nothing while the driver box has none
    EXPECT_EQ(state().title, "Displaying race wins only for driver Ayrton Senna");

    model->trigger(Control::Button3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "\"Foo Bar\" is not in the list of drivers.");
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{4});
    EXPECT_EQ(state().title, "Displaying race wins only for driver Ayrton Senna");

    model->typeText(0, "senna ayrton"); // the list matches without regard to case
    EXPECT_EQ(state().boxes[0].selected, indexOf(0, "Senna Ayrton"));
    EXPECT_EQ(state().title, "Displaying race wins only for driver Ayrton Senna");
}

TEST_F(MainModelTest, SeasonArrowsStopAtTheEnds) {
    model->trigger(Control::Button22); // last season
    const auto page = state().plain;
    const auto version = model->version();
    model->trigger(Control::SpinButton1Up);
    EXPECT_EQ(state().plain, page);
    EXPECT_EQ(model->version(), version);
    model->trigger(Control::Button21);
    model->trigger(Control::SpinButton1Down);
    EXPECT_EQ(state().title, "Displaying Results for Season : 1950");
    EXPECT_TRUE(model->setViewFlags().empty());
}

TEST_F(MainModelTest, WinTableShortcuts) {
    model->trigger(Control::Button16);
    const auto& tables = state().winTables;
    model->doubleClickRow(Control::ListBox2, rowContaining(tables.drivers, "Juan Manuel Fangio"));
    EXPECT_EQ(state().boxes[0].text, "Fangio Juan Manuel");
    EXPECT_EQ(state().title, "Displaying race wins only for driver Juan Manuel Fangio");
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{4});

    model->trigger(Control::Button16);
    model->doubleClickRow(Control::ListBox3, rowContaining(state().winTables.constructors, " Lotus "));
    EXPECT_EQ(state().title, "Displaying race wins only for Team : Lotus");

    model->trigger(Control::MenuRaceWinTables);
    model->clickRow(Control::ListBox4, rowContaining(state().winTables.engines, " Honda "));
    EXPECT_EQ(state().title, "Displaying race wins only for Engine : Honda");

    // Headings and empty rows select nothing.
    model->trigger(Control::Button16);
    const auto version = model->version();
    model->doubleClickRow(Control::ListBox2, 0);
    model->doubleClickRow(Control::ListBox2, 1);
    model->clickRow(Control::ListBox4, 0);
    model->doubleClickRow(Control::ListBox4, 3); // the engine list answers a single click only
    EXPECT_EQ(model->version(), version);
    EXPECT_EQ(state().area, ViewArea::WinTables);
}

TEST_F(MainModelTest, ChampionshipShortcutsSelectWithoutRunning) {
    model->trigger(Control::Button17);
    const auto version = model->version();
    const auto& tables = state().championships;
    model->doubleClickRow(Control::ListBox6, rowContaining(tables.constructors, "Cooper-Climax"));
    EXPECT_EQ(state().boxes[1].text, "Cooper");
    EXPECT_EQ(state().boxes[2].text, "Climax");
    EXPECT_EQ(state().area, ViewArea::ChampionshipTables);
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{19});
    EXPECT_GT(model->version(), version);

    model->doubleClickRow(Control::ListBox6, rowContaining(tables.constructors, " Ferrari "));
    EXPECT_EQ(state().boxes[1].text, "Ferrari");
    EXPECT_EQ(state().boxes[2].text, "Ferrari");

    model->doubleClickRow(Control::ListBox5, rowContaining(tables.drivers, "Jack Brabham"));
    EXPECT_EQ(state().boxes[0].text, "Brabham Jack");

    model->doubleClickRow(Control::ListBox7, rowContaining(tables.success, "Michael Schumacher"));
    EXPECT_EQ(state().boxes[0].text, "Schumacher Michael");
    model->doubleClickRow(Control::ListBox7, rowContaining(tables.success, " Lotus-Ford"));
    EXPECT_EQ(state().boxes[1].text, "Lotus");
    EXPECT_EQ(state().boxes[2].text, "Ford");
    EXPECT_EQ(state().area, ViewArea::ChampionshipTables);

    // The title count files are written with the tables.
    EXPECT_TRUE(files.files.count("/velmora/DriverChamps.txt"));
    EXPECT_TRUE(files.files.count("/velmora/TeamChamps.txt"));
}

TEST_F(MainModelTest, PreferencesReRunTheViewOnShow) {
    host.preferences = [&] { settings.options[16] = '0'; }; // coloured text
    selectKnown();
    model->trigger(Control::MenuDriverPodiums);
    model->trigger(Control::MenuPreferences);
    EXPECT_EQ(state().area, ViewArea::ResultsColoured);
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{5});
    EXPECT_EQ(host.calls.back(), "preferences");
    // Options and colours were saved.
    const std::string stored = "Options=" + std::string(16, '1') + "0" + std::string(20, '1');
    EXPECT_NE(files.files["/velmora/Velmora.INI"].find(stored), std::string::npos);

    // Win tables from the menu are left as they are; from the button they are rebuilt.
    model->trigger(Control::MenuRaceWinTables);
    host.preferences = [&] { settings.options[16] = '1'; };
    model->trigger(Control::ToolButton31);
    EXPECT_EQ(state().area, ViewArea::WinTables);
    EXPECT_EQ(state().lists[0].background, colour::White);
    EXPECT_TRUE(model->setViewFlags().empty());
    model->trigger(Control::Button16);
    model->trigger(Control::ToolButton35);
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{18});
}

TEST_F(MainModelTest, PreferencesAfterFirstSeasonAndAfterSeasonUp) {
    host.preferences = [&] { settings.options[0] = '0'; }; // no day of the week
    model->trigger(Control::Button21);
    const auto before = state().plain;
    model->trigger(Control::MenuPreferences);
    EXPECT_EQ(state().plain, before); // unchanged: First leaves no view flag

    model->trigger(Control::SpinButton1Up);
    host.preferences = [&] { settings.options[0] = '1'; };
    const auto withoutDay = state().plain;
    model->trigger(Control::MenuPreferences);
    EXPECT_NE(state().plain, withoutDay); // rebuilt with the day names
    EXPECT_EQ(state().title, "Displaying Results for Season : 1951");
    EXPECT_NE(state().plain[3].find("Sunday"), std::string::npos);
}

TEST_F(MainModelTest, PrintFromTheOpeningScreenThenDriverWins) {
    model->trigger(Control::MenuPrint);
    ASSERT_FALSE(host.printed.empty());
    EXPECT_EQ(host.printed[0], result.db->openingText[0]);
    // Printing closed with flag 4 set: Driver wins runs again.
    EXPECT_EQ(state().area, ViewArea::ResultsPlain);
    EXPECT_EQ(state().title.rfind("Displaying race wins only for driver ", 0), 0u);

    model->trigger(Control::Button11);
    host.printed.clear();
    model->trigger(Control::PopupPrint);
    EXPECT_EQ(state().title, "Displaying all race results");
    EXPECT_NE(std::find(host.printed.begin(), host.printed.end(), "There were 976 matching results."),
              host.printed.end());
}

TEST_F(MainModelTest, CopyContactAndTheOtherWindows) {
    model->trigger(Control::Button16);
    model->trigger(Control::PopupCopy);
    EXPECT_NE(clipboard.text.find("Driver Win List"), std::string::npos);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, "Data copied to clipboard.");

    model->trigger(Control::MenuContact);
    EXPECT_EQ(shell.opened, std::vector<std::string>{ui::kFeedbackAddress});

    for (Control c : {Control::MenuHelp, Control::ToolButton60, Control::MenuUpdates, Control::MenuAbout,
                      Control::MenuBugs, Control::MenuUpdateDatabase})
        model->trigger(c);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"result help", "result help", "update help", "about", "bugs",
                                                    "update editor"}));
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{18}); // none of them touched the flags
}

TEST_F(MainModelTest, ContactDoesNothingWithoutWebLinks) {
    settings.allowHyperlink = false;
    ui::MainModelEnvironment env;
    env.messages = &messages;
    env.shell = &shell;
    MainModel quiet(*result.db, settings, result.boxes, env);
    quiet.trigger(Control::MenuContact);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(MainModelTest, ExitStoresTheSelections) {
    selectKnown();
    model->typeText(4, "Atlantis");
    model->trigger(Control::ToolButton1);
    EXPECT_EQ(settings.search[0], indexOf(0, "Senna Ayrton"));
    EXPECT_EQ(settings.search[4], -1);
    EXPECT_EQ(settings.search[5], indexOf(5, "1976"));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"geometry", "end"}));
    const std::string& ini = files.files["/velmora/Velmora.INI"];
    EXPECT_NE(ini.find("Venue=-1"), std::string::npos);
    EXPECT_NE(ini.find("Left=20"), std::string::npos);
}

TEST_F(MainModelTest, CalendarOfTheCurrentSeason) {
    model->trigger(Control::MenuCalendar);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Calendar Data does not exist for 2017");
    EXPECT_EQ(state().area, ViewArea::Opening);

    start(partial2018(5));
    model->trigger(Control::Button2);
    const auto plain = state().plain;
    model->trigger(Control::ToolButton63);
    EXPECT_EQ(state().area, ViewArea::ResultsColoured);
    EXPECT_TRUE(state().calendarOnShow);
    EXPECT_EQ(state().plain, plain); // the plain page keeps the last view
    EXPECT_EQ(model->setViewFlags(), std::vector<int>{4});
    EXPECT_EQ(state().coloured.back().text, "   Completed 5 of 21 Races.");
    // What is on show is what gets copied.
    model->trigger(Control::PopupCopy);
    EXPECT_NE(clipboard.text.find("Completed 5 of 21 Races."), std::string::npos);
}

TEST_F(MainModelTest, AllRacesShowsTheBusyPointer) {
    model->trigger(Control::Button11);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"busy", "idle"}));
}

TEST_F(MainModelTest, RowNameColumns) {
    EXPECT_EQ(ui::winTableName("   1 Michael Schumacher         91"), "Michael Schumacher");
    EXPECT_EQ(ui::winTableName("Driver Win List"), "r Win List");
    EXPECT_EQ(ui::winTableName(""), "");
    EXPECT_EQ(ui::championRowName("  2017 Lewis Hamilton          9   20  363.0"), "Lewis Hamilton");
}

} // namespace
} // namespace velmora
