#pragma once
// Reading and writing the program's text files: decoding their bytes to the program's
// text (UTF-8) and cutting them into lines; writing lines with CR LF endings.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A byte-order mark gives the encoding (UTF-8, UTF-16 LE or BE); otherwise valid UTF-8
// is taken as UTF-8 and anything else as Windows-1252. The result is UTF-8 without a mark.
std::string decodeText(std::string_view bytes);

// Lines split at LF, CR LF or a lone CR; a final line break does not start another line.
std::vector<std::string> splitLines(std::string_view text);

// The lines joined, each ending in CR LF.
std::string joinLinesCrlf(const std::vector<std::string>& lines);

// The lines of a constant text block (as embedded): like splitLines.
std::vector<std::string_view> embeddedLines(std::string_view text);

} // namespace velmora
