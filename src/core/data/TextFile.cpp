#include "data/TextFile.h"

#include <array>
#include <cstdint>

namespace velmora {

namespace {

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool validUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t extra;
        std::uint32_t cp;
        if (c < 0x80) { ++i; continue; }
        if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= s.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Windows-1252 characters 0x80 to 0x9F; 0 where the code page leaves a hole.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

std::string fromCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 16);
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out.push_back(ch);
        else if (c < 0xA0) appendUtf8(out, kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : c);
        else appendUtf8(out, c);
    }
    return out;
}

std::string fromUtf16(std::string_view s, bool bigEndian) {
    std::string out;
    for (size_t i = 0; i + 1 < s.size(); i += 2) {
        auto b0 = static_cast<unsigned char>(s[i]);
        auto b1 = static_cast<unsigned char>(s[i + 1]);
        std::uint32_t unit = bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < s.size()) {
            auto c0 = static_cast<unsigned char>(s[i + 2]);
            auto c1 = static_cast<unsigned char>(s[i + 3]);
            std::uint32_t low = bigEndian ? (c0 << 8 | c1) : (c1 << 8 | c0);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, (unit >= 0xD800 && unit <= 0xDFFF) ? 0xFFFD : unit);
    }
    return out;
}

template <typename View, typename Out>
void splitInto(std::string_view text, Out& lines) {
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.push_back(View(text.substr(start, i - start)));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size()) lines.push_back(View(text.substr(start)));
}

} // namespace

std::string decodeText(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") return fromUtf16(bytes.substr(2), false);
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") return fromUtf16(bytes.substr(2), true);
    if (validUtf8(bytes)) return std::string(bytes);
    return fromCp1252(bytes);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    splitInto<std::string>(text, lines);
    return lines;
}

std::vector<std::string_view> embeddedLines(std::string_view text) {
    std::vector<std::string_view> lines;
    splitInto<std::string_view>(text, lines);
    return lines;
}

std::string joinLinesCrlf(const std::vector<std::string>& lines) {
    std::string out;
    size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace velmora
