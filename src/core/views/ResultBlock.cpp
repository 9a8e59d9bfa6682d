// The block of lines that shows one race: header, the three places, the comment and
// the empty separator; and the coloured rendition of a list of such blocks.

#include <charconv>
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

// Appends the number with three decimals and thousands grouping ("%.3n").
void appendNumber(std::string& out, double value, const NumberFormat& numbers) {
    char digits[400];
    auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 3);
    if (result.ec != std::errc()) {
        out += "0";
        out += numbers.decimal;
        out += "000";
        return;
    }
    const char* p = digits;
    const char* end = result.ptr;
    if (p < end && *p == '-') {
        out += '-';
        ++p;
    }
    const char* point = p;
    while (point < end && *point != '.') ++point;
    size_t whole = static_cast<size_t>(point - p);
    for (size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0) out += numbers.grouping;
        out += p[i];
    }
    out += numbers.decimal;
    if (point < end) out.append(point + 1, end);
}

void appendInt(std::string& out, int value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void padTo(std::string& text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
}

constexpr const char* kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthAbbreviations[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// "   1st " and the drivers of one car, padded to 42, the team and (when wanted and
// different) the engine.
std::string placeLine(const char* place, const LineFields& f, int firstDriverField, const ViewSettings& settings) {
    std::string line;
    line.reserve(112);
    line += place;
    line += f[firstDriverField];
    if (!f[firstDriverField + 1].empty()) {
        line += " + ";
        line += f[firstDriverField + 1];
    }
    if (!f[firstDriverField + 2].empty()) {
        line += " + ";
        line += f[firstDriverField + 2];
    }
    padTo(line, 42);
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
    std::string line;
    line.reserve(128);
    line += "[#";
    appendInt(line, n);
    line += ' ';
    appendInt(line, season);
    line += '-';
    appendInt(line, number);
    line += ']';
    padTo(line, 16);

    // The date by its fixed layout dd/mm/yyyy.
    Date date = raceDate(f[1]);
    if (settings.option(1) && isValidDate(date.year, date.month, date.day)) {
        line += kDayNames[dayOfWeek(date) - 1];
        line += ' ';
    }
    if (date.day < 10) line += ' ';
    appendInt(line, date.day);
    line += ' ';
    line += (date.month >= 1 && date.month <= 12) ? kMonthAbbreviations[date.month - 1] : "???";
    line += ", ";
    line.append(f[1].size() >= 10 ? std::string_view(f[1]).substr(6, 4) : std::string_view("????"));
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
    std::string text;
    appendNumber(text, value, numbers);
    return text;
}

void appendResultBlock(std::vector<std::string>& work, const Database& db, int n, const ViewSettings& settings) {
    if (n < 1 || n > static_cast<int>(db.RaceList.size())) return;
    const LineFields& f = db.race(n);

    work.push_back(headerLine(db, n, f, settings));

    if (settings.option(9)) {
        std::string line = placeLine("   1st ", f, 5, settings);
        padTo(line, 72);
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
