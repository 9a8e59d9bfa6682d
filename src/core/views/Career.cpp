// The driver career summary: podium counts, the first and last finish in each of the
// three places as result blocks, the titles, every podium by date, and the teams.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "views/Views.h"

namespace velmora {

namespace {

struct PageWriter {
    Page& page;
    void line(std::string text, std::uint32_t colour) {
        page.plain.push_back(text);
        page.coloured.push_back({std::move(text), colour});
    }
    // Race n's result block, on both pages with the block colours.
    void block(const Database& db, int n, const ViewSettings& settings) {
        std::vector<std::string> work;
        appendResultBlock(work, db, n, settings);
        page.plain.insert(page.plain.end(), work.begin(), work.end());
        std::vector<ColouredLine> coloured = colourBlocks(work);
        page.coloured.insert(page.coloured.end(), coloured.begin(), coloured.end());
    }
};

std::string fourWide(int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%4d", value);
    return buffer;
}

struct CountWords {
    const char* none;
    const char* one;
    const char* many;
    const char* sharedOne;
    const char* sharedMany;
};

// "    " and the sole and shared counts of one place in words.
std::string countLine(int sole, int shared, const CountWords& words) {
    std::string text = "    ";
    if (sole + shared == 0) text += words.none;
    if (sole == 1) text += fourWide(sole) + words.one;
    if (sole > 1) text += fourWide(sole) + words.many;
    if (sole == 0 && shared == 1) text += fourWide(shared) + words.sharedOne;
    if (sole == 0 && shared > 1) text += fourWide(shared) + words.sharedMany;
    if (sole > 0 && shared > 0) text += " (plus " + fourWide(shared) + " shared)";
    return text;
}

// The six counts of a driver's DriverWinList key, all 0 when the driver has none.
std::array<int, 6> winCounts(const Database& db, const std::string& name) {
    std::array<int, 6> counts{};
    for (const std::string& entry : db.DriverWinList) {
        size_t bar = entry.find('|');
        if (bar == std::string::npos || std::string_view(entry).substr(bar + 1) != name) continue;
        for (size_t k = 0; k < 6; ++k) {
            int value = 0;
            for (size_t i = k * 4; i < k * 4 + 4 && i < bar; ++i) {
                char c = entry[i];
                if (c < '0' || c > '9') break;
                value = value * 10 + (c - '0');
            }
            counts[k] = value;
        }
        break;
    }
    return counts;
}

// The driver fields of the three places, and each place's team field.
constexpr int kDriverFields[3][3] = {{5, 6, 7}, {11, 12, 13}, {16, 17, 18}};
constexpr int kTeamField[3] = {8, 14, 19};

} // namespace

Page careerPage(const Database& db, const std::string& storedName, const ViewSettings& settings) {
    Page page;
    PageWriter out{page};
    const std::string& name = storedName;

    // One pass: the races of each place, in date order.
    std::array<std::vector<int>, 3> finishes;
    StringList teams(StringList::Mode::SortedUnique);
    if (!name.empty()) {
        for (int n = 1; n <= db.RaceCount; ++n) {
            const LineFields& f = db.race(n);
            for (int place = 0; place < 3; ++place) {
                const int* d = kDriverFields[place];
                if (f[d[0]] == name || f[d[1]] == name || f[d[2]] == name) {
                    finishes[static_cast<size_t>(place)].push_back(n);
                    teams.add(f[kTeamField[place]]);
                }
            }
        }
    }

    std::array<int, 6> c = winCounts(db, name);
    out.line("Career summary for " + name, colour::Red);
    out.line("", colour::Red);
    out.line(countLine(c[0], c[1], {"No Wins", " win", " wins", " shared win", " shared wins"}), colour::Red);
    out.line(countLine(c[2], c[3],
                       {"No second places", " second place", " second places", " shared second place",
                        " shared second places"}),
             colour::Red);
    out.line(countLine(c[4], c[5],
                       {"No third places", " third place", " third places", " shared third place",
                        " shared third places"}),
             colour::Red);
    out.line("", colour::Red);

    // A first finish is the first podium when it comes before the first finish of
    // every other kind the driver has.
    auto firstPodium = [&](size_t place) {
        int race = finishes[place].front();
        for (size_t other = 0; other < 3; ++other)
            if (other != place && !finishes[other].empty() && finishes[other].front() <= race) return false;
        return true;
    };
    struct PlaceWords {
        const char* only;
        const char* first;
        const char* last;
        std::uint32_t firstColour;
    };
    const PlaceWords placeWords[3] = {{"Only win", "First win", "Last win:", colour::Red},
                                      {"Only 2nd place", "First 2nd place", "Last 2nd place:", colour::Blue},
                                      {"Only 3rd place", "First 3rd place", "Last 3rd place:", colour::Blue}};
    for (size_t place = 0; place < 3; ++place) {
        const auto& races = finishes[place];
        if (races.empty()) continue;
        const PlaceWords& words = placeWords[place];
        bool single = races.front() == races.back();
        std::string heading = single ? words.only : words.first;
        if (firstPodium(place)) heading += " (first podium)";
        heading += ":";
        out.line(heading, words.firstColour);
        out.line("", words.firstColour);
        out.block(db, races.front(), settings);
        if (!single) {
            out.line(words.last, colour::Blue);
            out.line("", colour::Blue);
            out.block(db, races.back(), settings);
        }
    }

    bool champion = false;
    for (const std::string& record : db.DriverChampList) {
        LineFields f = splitrecord(record);
        if (name.empty() || f[3] != name) continue;
        if (!champion) {
            out.line("", colour::Blue);
            out.line("World Champion:", colour::Blue);
            out.line("", colour::Blue);
            champion = true;
        }
        std::string won = (f[5] == "0" || f[5] == "1") ? " win from " : " wins from ";
        out.line("   " + f[1] + " " + f[6] + " pts, " + f[5] + won + f[2] + " races.", colour::Blue);
    }
    out.line("", colour::Blue);

    struct ListWords {
        const char* none;
        const char* heading;
        std::uint32_t colour;
    };
    const ListWords listWords[3] = {{"No wins.", "All race wins:", colour::Blue},
                                    {"No second places.", "All second places:", colour::Maroon},
                                    {"No third places.", "All third places:", colour::Purple}};
    for (size_t place = 0; place < 3; ++place) {
        const ListWords& words = listWords[place];
        if (c[place * 2] + c[place * 2 + 1] < 1) {
            out.line(words.none, words.colour);
            out.line("", words.colour);
            continue;
        }
        out.line(words.heading, words.colour);
        out.line("", words.colour);
        for (int n : finishes[place]) {
            const LineFields& f = db.race(n);
            out.line("   " + f[1] + " " + f[3] + ", " + f[2] + " driving for " + f[kTeamField[place]], words.colour);
        }
        out.line("", words.colour);
    }

    out.line("Teams Raced with (for which he achieved a podium finish):", colour::Purple);
    out.line("", colour::Purple);
    for (const std::string& team : teams) out.line("   " + team, colour::Purple);
    return page;
}

} // namespace velmora
