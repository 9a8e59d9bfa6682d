#pragma once
// The small shared helpers: the record splitter, right padding, English month and
// day names, the long date text, compact dates, and the shell "open" call.

#include <array>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace velmora {

// Fifty text slots numbered 1 to 50, filled by splitrecord with the fields of one
// line. Slots beyond the line's last field are empty; a 51st field is never stored.
class LineFields {
public:
    static constexpr int kSlots = 50;
    // Slot k (1 to 50); any other number reads as empty text.
    const std::string& operator[](int k) const {
        return (k >= 1 && k <= kSlots) ? slots_[static_cast<size_t>(k)] : slots_[0];
    }
    std::string& slot(int k) { return slots_[static_cast<size_t>(k)]; }

private:
    std::array<std::string, kSlots + 1> slots_{}; // slot 0 stays empty
};

// Cuts a line at every "|" into fields 1 to 50, strictly left to right, empty fields
// included. The line is taken as it stands: no trimming, no unquoting.
LineFields splitrecord(std::string_view line);

// The text followed by blanks up to `width` characters; longer text is never cut.
std::string padtowidth(std::string text, int width);

// Name styles: 1 = full name, 2 = first three letters.
// A number or style out of range is a programming error (std::logic_error carrying
// "Error in month number", "Error in day number" or "Error in style").
std::string monthname(int month, int style);
std::string dayname(int day, int style); // 1 = Sunday ... 7 = Saturday

struct Date {
    int year = 0, month = 0, day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

bool isValidDate(int year, int month, int day);
// Day of the week, 1 = Sunday to 7 = Saturday.
int dayOfWeek(const Date& date);
// The date in `style`; the program uses style 23 only: "Sunday March 25th".
std::string longdatetext(const Date& date, int style);
// Ordinal suffix of a day of the month ("st", "nd", "rd", "th").
std::string ordinalSuffix(int day);

// The date written as yyyymmdd in the first eight characters of `text`; when they do
// not form a valid date, the current date and time from `clock` instead.
DateTime compactdate(std::string_view text, const Clock& clock);

// A race date "dd/mm/yyyy" read by character position; nullopt-like {0,0,0} when the
// characters are not digits.
Date raceDate(std::string_view field);
// The season of a race date: the whole number in characters 7 to 10, or -1 when they
// do not read as one.
int raceSeason(std::string_view field);

// Asks the shell to open a web page address (texts of at most 79 characters each).
int shellopen(Shell& shell, const std::string& address, const std::string& parameters,
              const std::string& directory, ShowMode mode);

} // namespace velmora
