// The block of lines that shows one race: header, the three places, the comment and
// the empty separator; and the coloured rendition of a list of such blocks.

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "views/ColouredWriter.h"
#include "views/Views.h"

namespace velmora {

namespace {

constexpr double kKmPerMile = 1.609344;

// A decimal number written with a full stop, whatever the user's regional settings.
// The data are checked at start-up; an unreadable number reads as 0.
double readNumber(const std::string& text) {
    double value = 0.0;
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && *first == ' ') ++first;
    if (first < last && *first == '+') ++first;
    auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc()) return 0.0;
    return value;
}

void appendNumber(std::string& out, double value, const NumberFormat& numbers) { out += formatNumber3(value, numbers); }

// "   1st " and the drivers of one car, padded to 42, the team and (when wanted and
// different) the engine.
std::string placeLine(const char* place, const LineFields& f, int firstDriverField, const ViewSettings& settings) {
    std::string line = place;
    line += f[firstDriverField];
    if (!f[firstDriverField + 1].empty()) {
        line += " + ";
        line += f[firstDriverField + 1];
    }
    if (!f[firstDriverField + 2].empty()) {
        line += " + ";
        line += f[firstDriverField + 2];
    }
    line = padtowidth(std::move(line), 42);
    const std::string& team = f[firstDriverField + 3];
    const std::string& engine = f[firstDriverField + 4];
    line += ' ';
    line += team;
    if (settings.option(12) && !engine.empty() && engine != team) {
        line += ' ';
        line += engine;
    }
    return line;
}

std::string headerLine(const Database& db, int n, const LineFields& f, const ViewSettings& settings) {
    int season = 0, number = 0;
    if (n >= 0 && static_cast<size_t>(n) < db.RaceSeasonTable.size()) {
        season = db.RaceSeasonTable[static_cast<size_t>(n)].season;
        number = db.RaceSeasonTable[static_cast<size_t>(n)].number;
    }
    std::string line = "[#" + std::to_string(n) + " " + std::to_string(season) + "-" + std::to_string(number) + "]";
    line = padtowidth(std::move(line), 16);

    Date date = raceDate(f[1]);
    bool validDate = isValidDate(date.year, date.month, date.day);
    if (settings.option(1) && validDate) {
        line += dayname(dayOfWeek(date), 1);
        line += ' ';
    }
    char day[8];
    std::snprintf(day, sizeof day, "%2d", date.day);
    line += day;
    line += ' ';
    line += (date.month >= 1 && date.month <= 12) ? monthname(date.month, 2) : std::string("???");
    line += ", ";
    line += f[1].size() >= 10 ? f[1].substr(6, 4) : std::string("????");
    line += "  ";

    bool venue = settings.option(2), circuit = settings.option(3);
    if (circuit) line += f[3];
    if (circuit && venue) line += ", ";
    if (venue) line += f[2];
    if (venue || circuit) line += ".  ";

    double miles = readNumber(f[4]);
    bool inMiles = settings.option(4), inKm = settings.option(5);
    if (inMiles && !inKm) {
        appendNumber(line, miles, settings.numbers);
        line += " miles ";
    } else if (!inMiles && inKm) {
        appendNumber(line, miles * kKmPerMile, settings.numbers);
        line += " km ";
    } else if (inMiles && inKm) {
        appendNumber(line, miles, settings.numbers);
        line += " miles [";
        appendNumber(line, miles * kKmPerMile, settings.numbers);
        line += " km]";
    }
    return line;
}

} // namespace

std::string formatNumber3(double value, const NumberFormat& numbers) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string digits = buffer;
    std::string sign;
    if (!digits.empty() && digits[0] == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    std::string grouped;
    grouped.reserve(whole.size() + whole.size() / 3 * numbers.grouping.size());
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += numbers.grouping;
        grouped += whole[i];
    }
    return sign + grouped + numbers.decimal + fraction;
}

void appendResultBlock(std::vector<std::string>& work, const Database& db, int n, const ViewSettings& settings) {
    if (n < 1 || n > static_cast<int>(db.RaceList.size())) return;
    const LineFields& f = db.race(n);

    work.push_back(headerLine(db, n, f, settings));

    if (settings.option(9)) {
        std::string line = padtowidth(placeLine("   1st ", f, 5, settings), 72);
        double mph = readNumber(f[10]);
        bool inMph = settings.option(6), inKph = settings.option(7);
        if (inMph && !inKph) {
            appendNumber(line, mph, settings.numbers);
            line += " mph ";
        } else if (!inMph && inKph) {
            appendNumber(line, mph * kKmPerMile, settings.numbers);
            line += " kph ";
        } else if (inMph && inKph) {
            appendNumber(line, mph, settings.numbers);
            line += " mph [";
            appendNumber(line, mph * kKmPerMile, settings.numbers);
            line += " kph]";
        }
        work.push_back(std::move(line));
    }
    if (settings.option(10)) work.push_back(placeLine("   2nd ", f, 11, settings));
    if (settings.option(11)) work.push_back(placeLine("   3rd ", f, 16, settings));

    const std::string& comment = db.comment(n);
    if (!comment.empty() && settings.option(8)) work.push_back("  " + comment);
    work.emplace_back();
}

namespace detail {

// Writes the blocks line by line in the colour of each line kind, telling the kinds
// apart by their opening characters only. Returns the colour in effect afterwards
// (`current` when nothing was written).
std::uint32_t writeColouredBlocks(const std::vector<std::string>& work, std::vector<ColouredLine>& out,
                                  std::uint32_t current) {
    auto starts = [](const std::string& line, const char* marker) { return line.compare(0, 4, marker) == 0; };
    size_t i = 0;
    const size_t size = work.size();
    while (i < size) {
        out.push_back({work[i], colour::Maroon}); // header
        current = colour::Green;
        ++i;
        if (i >= size) break;
        const char* markers[] = {"   1", "   2", "   3"};
        bool stopped = false;
        for (int k = 0; k < 3; ++k) {
            if (starts(work[i], markers[k])) {
                out.push_back({work[i], colour::Green});
                ++i;
            }
            if (k == 2) current = colour::Navy;
            if (i >= size) {
                stopped = true;
                break;
            }
        }
        if (stopped) break;
        out.push_back({work[i], colour::Navy});
        if (!work[i].empty()) {
            // A comment line: the block's own separator follows it.
            if (i + 1 < size) out.push_back({work[i + 1], colour::Navy});
            i += 2;
        } else {
            i += 1;
        }
    }
    return current;
}

} // namespace detail

std::vector<ColouredLine> colourBlocks(const std::vector<std::string>& work) {
    std::vector<ColouredLine> out;
    out.reserve(work.size());
    detail::writeColouredBlocks(work, out, colour::Blue);
    return out;
}

} // namespace velmora
