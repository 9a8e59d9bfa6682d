#pragma once
// The main window's state and logic, without any window: the 24 view flags, the view
// on show, the six drop-down boxes, and every command the window's controls start.
// The desktop window shows the state and forwards the user's actions; it reads the
// state again whenever `version()` has moved (or in the change callback).

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/Database.h"
#include "data/Startup.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "ui/Controls.h"
#include "views/Views.h"

namespace velmora {
class IniStore;
}

namespace velmora::ui {

// The address of the program's feedback page (Help menu "Contact Me").
inline constexpr const char* kFeedbackAddress = "https://velmora.example.org/feedback";

// What fills the view area.
enum class ViewArea {
    Opening,            // Panel1: the instruction text (Memo1)
    ResultsPlain,       // the result panel with Memo2
    ResultsColoured,    // RichEdit1
    WinTables,          // Panel5: ListBox2, ListBox3, ListBox4
    ChampionshipTables, // Panel6: ListBox5, ListBox6, ListBox7
};

// The control that should take the keyboard focus after a command.
enum class Focus { Unchanged, OpeningText, ColouredResults, WinTablePanel, ChampionshipPanel };

struct BoxState {
    std::vector<std::string> items;
    int selected = -1; // -1: no entry selected (typed text that matches no entry)
    std::string text;
};

struct ListColours {
    std::uint32_t background = colour::White;
    std::uint32_t text = colour::Black;
};

struct MainState {
    ViewArea area = ViewArea::Opening;
    std::string title;                  // the first line of the page on show, or the table view's name
    std::vector<std::string> opening;   // Memo1
    std::vector<std::string> plain;     // Memo2: the plain page of the last result view
    std::vector<ColouredLine> coloured; // RichEdit1
    WinTables winTables;                // ListBox2, ListBox3, ListBox4
    ChampionshipTables championships;   // ListBox5, ListBox6, ListBox7
    std::array<BoxState, kSearchBoxCount> boxes; // ComboBox1 to ComboBox6
    std::string firstCaption, lastCaption;       // Button21, Button22

    // Display settings, applied at start and after the preferences window closes.
    std::string resultFont = "Courier New"; // both result boxes, 10 points
    bool smallToolBar = true;               // ToolBar1 shown, else ToolBar2
    std::uint32_t resultsBackground = colour::White; // RichEdit1 (Memo2 is always white)
    std::array<ListColours, 6> lists;                // ListBox2 to ListBox7

    Focus focus = Focus::Unchanged;
    bool calendarOnShow = false; // RichEdit1 holds the season calendar
};

// The windows and platform services the main window opens. Modal windows return when
// they have closed. Every method has a harmless default.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // The preferences window (modal); it edits the in-memory settings itself.
    virtual void runPreferences() {}
    // The print set-up window (modal) with the print text; it may change option
    // positions 13 and 15.
    virtual void runPrintSetup(const std::vector<std::string>& text) { (void)text; }
    virtual void runUpdateEditor() {}
    virtual void showResultHelp() {}
    virtual void showUpdateHelp() {}
    virtual void showAbout() {}
    virtual void showKnownProblems() {}
    virtual void setBusy(bool busy) { (void)busy; }
    // Exit: the window's geometry goes into the settings; returns whether the window
    // is in the normal state (neither minimised nor maximised).
    virtual bool storeGeometry(Settings& settings) {
        (void)settings;
        return true;
    }
    virtual void endProgram() {}
};

struct MainModelEnvironment {
    MessageBoxes* messages = nullptr; // required
    FileSystem* files = nullptr;      // championship title files; none written when null
    IniStore* ini = nullptr;          // save points; nothing saved when null
    const Clock* clock = nullptr;     // the calendar; a system clock when null
    Shell* shell = nullptr;           // Contact Me
    Clipboard* clipboard = nullptr;   // Copy
    MainWindowHost* host = nullptr;   // the other windows
    NumberFormat numbers;             // the user's decimal and grouping characters
};

class MainModel {
public:
    // The state at the end of start-up: the opening screen on show, view flags 3 and 4
    // set, the boxes filled and selected.
    MainModel(const Database& db, Settings& settings, const SearchBoxes& boxes, MainModelEnvironment env);

    const MainState& state() const { return state_; }
    // Moves on every change of the state.
    std::uint64_t version() const { return version_; }
    void setChangeCallback(std::function<void()> callback) { onChange_ = std::move(callback); }

    // View flag 1 to 24.
    bool flag(int n) const { return n >= 1 && n <= 24 && flags_[static_cast<size_t>(n)]; }
    // The view flags 4 to 24 that are set.
    std::vector<int> setViewFlags() const;

    // A button, tool button or menu item was used.
    void trigger(Control control);
    // Runs a command as started by `control` (which may be any control, or Window).
    void run(Command command, Control control);

    // The user picked item `index` of box `box` (0 to 5) from its list.
    void selectItem(int box, int index);
    // The user typed into a box (ComboBox1 to ComboBox5): the text selects the entry it
    // equals, or leaves no entry selected.
    void typeText(int box, const std::string& text);
    // The drop-down change handling for box 0 to 5 (ComboBox1 to ComboBox6).
    void boxChanged(int box);

    // A row of a table list was clicked or double-clicked.
    void clickRow(Control list, size_t row);
    void doubleClickRow(Control list, size_t row);

    // After the preferences window closed: apply the settings, re-run the view on
    // show, save the options and colours.
    void afterPreferencesClosed();
    // After the print set-up window closed.
    void afterPrintSetupClosed();

    // The print or copy text of what is on show.
    std::vector<std::string> printTextOnShow() const;
    std::vector<std::string> copyTextOnShow() const;

    // The selections that Exit stores (item index per box, -1 without a selection).
    std::array<int, kSearchBoxCount> selections() const;

    const Database& database() const { return db_; }
    const Settings& settings() const { return settings_; }

private:
    ViewSettings viewSettings() const;
    void falsebuttons();
    void setFlag(int n, bool on) { flags_[static_cast<size_t>(n)] = on; }
    void changed();
    bool requireSelection(int box);
    void beginCommand(Command command, Control control);
    void showPage(Page page, bool focusColoured);
    void search(SearchCommand command, Command cmd, Control control, int box);
    void seasonResults(Control control);
    void stepSeason(int delta);
    void firstOrLastSeason(bool first, Control control);
    void career(Control control);
    void specials(Control control);
    void winTablesView(Control control);
    void championshipsView(Control control);
    void calendar();
    void openingScreen(Control control);
    void print();
    void copy();
    void exitProgram();
    void contact();
    void applyDisplaySettings();
    void applyListColours(ViewArea area);
    bool selectText(int box, const std::string& text);
    OutputSource outputSource(std::vector<std::string>& calendarLines) const;
    void warn(const std::string& text);

    const Database& db_;
    Settings& settings_;
    MainModelEnvironment env_;
    MainState state_;
    std::array<bool, 25> flags_{};
    std::uint64_t version_ = 0;
    std::function<void()> onChange_;
};

// The name column of a win-table row (characters 6 to 30), trimmed.
std::string winTableName(const std::string& row);
// Characters 8 to 28 of a championship row, trimmed.
std::string championRowName(const std::string& row);

} // namespace velmora::ui
