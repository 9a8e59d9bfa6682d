// The special races page: the first race, the record races, the youngest and oldest
// winners, the latest race and every hundredth race, each under its heading.

#include <string>

#include "views/Views.h"

namespace velmora {

Page specialsPage(const Database& db, const ViewSettings& settings) {
    Page page;
    auto line = [&page](const std::string& text, std::uint32_t colour) {
        page.plain.push_back(text);
        page.coloured.push_back({text, colour});
    };
    // A section whose race is not in the data (a record race of 0 on empty data) is left out.
    auto section = [&](const std::string& heading, int n) {
        if (n < 1 || n > db.RaceCount) return;
        line(heading, colour::Blue);
        line("", colour::Blue);
        std::vector<std::string> work;
        appendResultBlock(work, db, n, settings);
        page.plain.insert(page.plain.end(), work.begin(), work.end());
        std::vector<ColouredLine> coloured = colourBlocks(work);
        page.coloured.insert(page.coloured.end(), coloured.begin(), coloured.end());
        line("", colour::Blue);
    };

    line("Special Races", colour::Red);
    line("", colour::Red);
    section("First Championship Race", 1);
    section("Longest Race distance (excluding Indianpolis 500)", db.LongestRace);
    section("Shortest Race distance", db.ShortestRace);
    section("Fastest Race speed", db.FastestRace);
    section("Slowest Race speed", db.SlowestRace);
    section("Youngest Race winner (18 years 228 days)", db.YoungestWinnerRace);
    section("Oldest Race winner (53 years 22 days)", db.OldestWinnerRace);
    section("Current Last Championship Race", db.RaceCount);
    for (int n = 100; n <= db.RaceCount; n += 100) section("Centenary Race #" + std::to_string(n), n);
    return page;
}

} // namespace velmora
