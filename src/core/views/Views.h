#pragma once
// Every answer the main window shows, as data: result blocks, the searches, the win
// tables, the career summary, the championship tables, the special races, the season
// calendar, and the print and copy texts. The window model (ui/) decides which one is
// on show; the windows only display these lines.

#include <string>
#include <vector>

#include "data/Database.h"
#include "platform/Platform.h"
#include "views/Page.h"

namespace velmora {

// What every page reads besides the data: the OptionsString and the number format.
struct ViewSettings {
    std::string options = std::string(37, '1');
    NumberFormat numbers;
    bool option(int position) const {
        return position >= 1 && position <= static_cast<int>(options.size()) && options[position - 1] == '1';
    }
};

// ---------------------------------------------------------------- result block
// Appends the lines of race n's block to `work`.
void appendResultBlock(std::vector<std::string>& work, const Database& db, int n, const ViewSettings& settings);
// The coloured rendition of a list of blocks, line for line.
std::vector<ColouredLine> colourBlocks(const std::vector<std::string>& work);
// A number with three decimals and grouping ("%.3n"), in the user's characters.
std::string formatNumber3(double value, const NumberFormat& numbers);

// ---------------------------------------------------------------- searches
enum class SearchCommand {
    DriverWins, DriverPodiums, TeamWins, TeamPodiums, EngineWins, EnginePodiums,
    CircuitResults, VenueResults, SeasonResults, AllRaces, Team12, Team123, Engine12, Engine123
};
std::string searchTitle(SearchCommand command, const std::string& selection);
// `value` is what the search compares: a driver's stored form, a team, an engine, a
// circuit, a venue, or the season year as text; ignored for All races.
Page searchPage(const Database& db, SearchCommand command, const std::string& value, const ViewSettings& settings);
std::string summaryLine(int count);

// ---------------------------------------------------------------- win tables
struct WinTables {
    std::vector<std::string> drivers, constructors, engines; // ListBox2, ListBox3, ListBox4 items
};
WinTables winTables(const Database& db);

// ---------------------------------------------------------------- career
Page careerPage(const Database& db, const std::string& storedName, const ViewSettings& settings);

// ---------------------------------------------------------------- championships
struct ChampionshipTables {
    std::vector<std::string> drivers, constructors, success; // ListBox5, ListBox6, ListBox7 items
    std::vector<std::string> driverChampsFile, teamChampsFile; // DriverChamps.txt, TeamChamps.txt lines
};
ChampionshipTables championshipTables(const Database& db, const ViewSettings& settings);
// Writes DriverChamps.txt and TeamChamps.txt into the program directory.
bool writeTitleCountFiles(FileSystem& files, const std::string& programDir, const ChampionshipTables& tables,
                          std::string* error = nullptr);

// ---------------------------------------------------------------- special races
Page specialsPage(const Database& db, const ViewSettings& settings);

// ---------------------------------------------------------------- season calendar
// CalendarList for the current season: "yyyymmdd|country|circuit" lines, empty when
// the program has no calendar for that season.
std::vector<std::string> buildCalendar(int currentSeason);
struct CalendarPage {
    bool exists = false;
    std::string message;                // "Calendar Data does not exist for 2017" when it does not
    std::vector<ColouredLine> coloured; // the coloured page
};
CalendarPage calendarPage(const Database& db, const Clock& clock);

// ---------------------------------------------------------------- print and copy text
enum class ShownArea { OpeningScreen, Results, WinTables, ChampionshipTables, Nothing };
struct OutputSource {
    ShownArea area = ShownArea::Nothing;
    const std::vector<std::string>* opening = nullptr;   // Memo1
    const std::vector<std::string>* results = nullptr;   // Memo2
    const WinTables* winTables = nullptr;
    const ChampionshipTables* championships = nullptr;
};
std::vector<std::string> printText(const Database& db, const OutputSource& source);
std::vector<std::string> copyText(const Database& db, const OutputSource& source);
// The print set-up window's warning lines when the text is longer than the threshold
// (empty when it is not).
std::vector<std::string> printWarning(size_t lineCount, int threshold);

} // namespace velmora
