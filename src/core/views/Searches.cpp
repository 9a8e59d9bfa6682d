// The fourteen searches: each selects races by one rule and shows them as one page,
// title, summary line and the result block of every race found, in date order.

#include <iterator>
#include <string>
#include <vector>

#include "views/ColouredWriter.h"
#include "views/Views.h"

namespace velmora {

namespace {

bool anyOf(const LineFields& f, std::initializer_list<int> fields, const std::string& value) {
    for (int k : fields)
        if (f[k] == value) return true;
    return false;
}

bool allOf(const LineFields& f, std::initializer_list<int> fields, const std::string& value) {
    for (int k : fields)
        if (f[k] != value) return false;
    return true;
}

int seasonNumber(const std::string& text) {
    if (text.empty() || text.size() > 9) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string searchTitle(SearchCommand command, const std::string& selection) {
    switch (command) {
    case SearchCommand::DriverWins: return "Displaying race wins only for driver " + selection;
    case SearchCommand::DriverPodiums: return "Displaying all podium finishes for driver " + selection;
    case SearchCommand::TeamWins: return "Displaying race wins only for Team : " + selection;
    case SearchCommand::TeamPodiums: return "Displaying all podium finishes for Team : " + selection;
    case SearchCommand::EngineWins: return "Displaying race wins only for Engine : " + selection;
    case SearchCommand::EnginePodiums: return "Displaying all podium finishes for Engine : " + selection;
    case SearchCommand::CircuitResults: return "Displaying Results for Circuit : " + selection;
    case SearchCommand::VenueResults: return "Displaying Results for Venue : " + selection;
    case SearchCommand::SeasonResults: return "Displaying Results for Season : " + selection;
    case SearchCommand::AllRaces: return "Displaying all race results";
    case SearchCommand::Team12: return "Displaying 1-2 results for " + selection;
    case SearchCommand::Team123: return "Displaying 1-2-3 results for " + selection;
    case SearchCommand::Engine12: return "Displaying 1-2 results for Engine : " + selection;
    case SearchCommand::Engine123: return "Displaying 1-2-3 results for Engine : " + selection;
    }
    return {};
}

std::string summaryLine(int count) {
    if (count == 0) return "No matching results found.";
    if (count == 1) return "There was one matching result.";
    return "There were " + std::to_string(count) + " matching results.";
}

Page searchPage(const Database& db, SearchCommand command, const std::string& value, const ViewSettings& settings) {
    const int season = command == SearchCommand::SeasonResults ? seasonNumber(value) : -1;
    auto selected = [&](int n, const LineFields& f) {
        switch (command) {
        case SearchCommand::DriverWins: return anyOf(f, {5, 6, 7}, value);
        case SearchCommand::DriverPodiums: return anyOf(f, {5, 6, 7, 11, 12, 13, 16, 17, 18}, value);
        case SearchCommand::TeamWins: return f[8] == value;
        case SearchCommand::TeamPodiums: return anyOf(f, {8, 14, 19}, value);
        case SearchCommand::EngineWins: return f[9] == value;
        case SearchCommand::EnginePodiums: return anyOf(f, {9, 15, 20}, value);
        case SearchCommand::CircuitResults: return f[3] == value;
        case SearchCommand::VenueResults: return f[2] == value;
        case SearchCommand::SeasonResults:
            return season >= 0 && static_cast<size_t>(n) < db.RaceSeasonTable.size() &&
                   db.RaceSeasonTable[static_cast<size_t>(n)].season == season;
        case SearchCommand::AllRaces: return true;
        case SearchCommand::Team12: return allOf(f, {8, 14}, value);
        case SearchCommand::Team123: return allOf(f, {8, 14, 19}, value);
        case SearchCommand::Engine12: return allOf(f, {9, 15}, value);
        case SearchCommand::Engine123: return allOf(f, {9, 15, 20}, value);
        }
        return false;
    };

    Page page;
    std::vector<std::string> work;
    const int races = static_cast<int>(db.RaceList.size());
    for (int n = 1; n <= races; ++n) {
        if (!selected(n, db.race(n))) continue;
        ++page.count;
        appendResultBlock(work, db, n, settings);
    }

    const std::string title = searchTitle(command, value);
    const std::string summary = summaryLine(page.count);
    page.plain.reserve(work.size() + 5);
    page.coloured.reserve(work.size() + 3);

    // The coloured page first: it copies the blocks, the plain page then takes them over.
    page.coloured.push_back({title, colour::Red});
    page.coloured.push_back({std::string(), colour::Red});
    std::uint32_t current = detail::writeColouredBlocks(work, page.coloured, colour::Red);
    switch (command) {
    case SearchCommand::AllRaces: break; // no summary in the coloured page
    case SearchCommand::Team12:
    case SearchCommand::Team123:
    case SearchCommand::Engine12:
    case SearchCommand::Engine123:
        // These take the colour left in effect by the blocks.
        page.coloured.insert(page.coloured.begin() + 1, ColouredLine{summary, current});
        break;
    default: page.coloured.insert(page.coloured.begin() + 1, ColouredLine{summary, colour::Blue}); break;
    }

    page.plain.push_back(title);
    if (command != SearchCommand::AllRaces) page.plain.push_back(summary);
    page.plain.emplace_back();
    page.plain.insert(page.plain.end(), std::make_move_iterator(work.begin()), std::make_move_iterator(work.end()));
    if (command == SearchCommand::AllRaces) {
        // All races closes with its summary; with no race at all it follows the title's
        // empty line directly.
        if (page.count > 0) page.plain.emplace_back();
        page.plain.push_back(summary);
    }
    return page;
}

} // namespace velmora
