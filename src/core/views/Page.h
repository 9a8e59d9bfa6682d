#pragma once
// A result page as the main window shows it: the plain lines (ListBox1, copied into
// Memo2) and the coloured lines (RichEdit1), each coloured line with its colour.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// 24-bit colours, red in the low byte.
namespace colour {
constexpr std::uint32_t Red = 255;
constexpr std::uint32_t Blue = 16711680;
constexpr std::uint32_t Maroon = 128;
constexpr std::uint32_t Green = 32768;
constexpr std::uint32_t Navy = 8388608;
constexpr std::uint32_t Purple = 8388736;
constexpr std::uint32_t Black = 0;
constexpr std::uint32_t White = 16777215;
} // namespace colour

struct ColouredLine {
    std::string text;
    std::uint32_t colour = colour::Blue;
    friend bool operator==(const ColouredLine&, const ColouredLine&) = default;
};

// The decimal and grouping characters of the user's regional settings.
struct NumberFormat {
    std::string decimal = ".";
    std::string grouping = ",";
};

struct Page {
    std::vector<std::string> plain;
    std::vector<ColouredLine> coloured;
    int count = 0; // races selected (searches)
};

} // namespace velmora
