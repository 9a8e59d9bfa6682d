#include "text/Routines.h"

#include <stdexcept>

namespace velmora {

namespace {
constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
constexpr int kMaxPadding = 142; // the longest run of blanks one call adds

std::string styled(const char* name, int style) {
    std::string full(name);
    return style == 2 ? full.substr(0, 3) : full;
}

// Reads characters [pos, pos+len) of text as a whole number; -1 when they are not all digits.
int digitsAt(std::string_view text, size_t pos, size_t len) {
    if (text.size() < pos + len) return -1;
    int value = 0;
    for (size_t i = pos; i < pos + len; ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}
} // namespace

LineFields splitrecord(std::string_view line) {
    LineFields fields;
    size_t start = 0;
    for (int k = 1; k <= LineFields::kSlots; ++k) {
        if (start > line.size()) break;
        size_t bar = line.find('|', start);
        if (bar == std::string_view::npos) {
            fields.slot(k).assign(line.substr(start));
            break;
        }
        fields.slot(k).assign(line.substr(start, bar - start));
        start = bar + 1;
    }
    return fields;
}

std::string padtowidth(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        int blanks = width - static_cast<int>(text.size());
        if (blanks > kMaxPadding) blanks = kMaxPadding;
        text.append(static_cast<size_t>(blanks), ' ');
    }
    return text;
}

std::string monthname(int month, int style) {
    if (style != 1 && style != 2) throw std::logic_error("Error in style");
    if (month < 1 || month > 12) throw std::logic_error("Error in month number");
    return styled(kMonths[static_cast<size_t>(month - 1)], style);
}

std::string dayname(int day, int style) {
    if (style != 1 && style != 2) throw std::logic_error("Error in style");
    if (day < 1 || day > 7) throw std::logic_error("Error in day number");
    return styled(kDays[static_cast<size_t>(day - 1)], style);
}

bool isValidDate(int year, int month, int day) {
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int length = kLengths[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

int dayOfWeek(const Date& date) {
    // Sakamoto's method: 0 = Sunday.
    static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = date.year - (date.month < 3 ? 1 : 0);
    int w = (y + y / 4 - y / 100 + y / 400 + offsets[date.month - 1] + date.day) % 7;
    return w + 1;
}

std::string ordinalSuffix(int day) {
    switch (day) {
    case 1: case 21: case 31: return "st";
    case 2: case 22: return "nd";
    case 3: case 23: return "rd";
    default: return "th";
    }
}

std::string longdatetext(const Date& date, int style) {
    (void)style; // style 23 is the only one the program uses
    return dayname(dayOfWeek(date), 1) + " " + monthname(date.month, 1) + " " + std::to_string(date.day) +
           ordinalSuffix(date.day);
}

DateTime compactdate(std::string_view text, const Clock& clock) {
    int year = digitsAt(text, 0, 4);
    int month = digitsAt(text, 4, 2);
    int day = digitsAt(text, 6, 2);
    if (year < 0 || month < 0 || day < 0 || !isValidDate(year, month, day)) return clock.now();
    return DateTime{year, month, day, 0, 0, 0};
}

Date raceDate(std::string_view field) {
    int day = digitsAt(field, 0, 2);
    int month = digitsAt(field, 3, 2);
    int year = digitsAt(field, 6, 4);
    if (day < 0 || month < 0 || year < 0) return Date{};
    return Date{year, month, day};
}

int raceSeason(std::string_view field) {
    if (field.size() < 7) return -1;
    // Characters 7 to 10: up to four characters, all of them digits.
    std::string_view part = field.substr(6, 4);
    if (part.empty()) return -1;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

int shellopen(Shell& shell, const std::string& address, const std::string& parameters,
              const std::string& directory, ShowMode mode) {
    return shell.open(address.substr(0, 79), parameters.substr(0, 79), directory.substr(0, 79), mode);
}

} // namespace velmora
