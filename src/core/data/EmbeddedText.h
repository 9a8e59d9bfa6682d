#pragma once
// The race tables compiled into the program (generated at build time from the text
// files in data/embedded/). Each is the whole file: lines ending in CR LF.

#include <string_view>

namespace velmora::embedded {
extern const std::string_view races;        // 976 race records, 20 fields, date order
extern const std::string_view driverChamps; // 68 drivers' championship records, 6 fields
extern const std::string_view teamChamps;   // 60 constructors' championship records, 5 fields
extern const std::string_view comments;     // 976 comments, one per race (empty lines for none)
} // namespace velmora::embedded
