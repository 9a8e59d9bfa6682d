#include "settings/IniFile.h"

#include <climits>
#include <string_view>

namespace velmora {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// A value as the reader sees it: trimmed, and without one pair of matching quotes.
std::string valueOf(std::string_view text) {
    text = trim(text);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

int digitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < base ? d : -1;
}

} // namespace

bool parseIniInteger(const std::string& text, long long& value) {
    std::string_view s = trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty()) return false;
    long long result = 0;
    for (char c : s) {
        int d = digitValue(c, base);
        if (d < 0) return false;
        result = result * base + d;
        if (result > (1LL << 40)) return false; // far beyond any value the file holds
    }
    value = negative ? -result : result;
    return true;
}

// ---------------------------------------------------------------- IniStore

std::string IniStore::readString(const std::string& section, const std::string& key, const std::string& def) const {
    std::string value;
    return lookup(section, key, value) ? value : def;
}

int IniStore::readInteger(const std::string& section, const std::string& key, int def) const {
    std::string text;
    long long value = 0;
    if (!lookup(section, key, text) || !parseIniInteger(text, value)) return def;
    if (value < INT_MIN || value > INT_MAX) return def;
    return static_cast<int>(value);
}

bool IniStore::readBool(const std::string& section, const std::string& key, bool def) const {
    std::string text;
    long long value = 0;
    if (!lookup(section, key, text) || !parseIniInteger(text, value)) return def;
    return value != 0;
}

void IniStore::writeInteger(const std::string& section, const std::string& key, long long value) {
    writeString(section, key, std::to_string(value));
}

void IniStore::writeBool(const std::string& section, const std::string& key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

// ---------------------------------------------------------------- IniFileStore

bool IniFileStore::open(const std::string& path, std::string* error) {
    path_ = path;
    lines_.clear();
    bom_ = false;
    isOpen_ = true;
    readFailed_ = false;
    readError_.clear();
    dirty_ = false;
    if (!files_.exists(path)) return true;
    std::string reason;
    auto bytes = files_.readFile(path, &reason);
    if (!bytes) {
        readFailed_ = true;
        readError_ = reason.empty() ? "the file cannot be read" : reason;
        if (error) *error = "The settings file " + path + " cannot be read: " + readError_;
        return false;
    }
    parse(*bytes);
    return true;
}

void IniFileStore::parse(const std::string& bytes) {
    std::string_view rest = bytes;
    if (rest.substr(0, kBom.size()) == kBom) {
        bom_ = true;
        rest.remove_prefix(kBom.size());
    }
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        std::string_view raw = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        while (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        Line line;
        line.raw = std::string(raw);
        std::string_view t = trim(raw);
        if (!t.empty() && t.front() == '[') {
            size_t close = t.find(']');
            line.kind = Kind::Section;
            line.name = std::string(trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
        } else if (!t.empty() && t.front() != ';') {
            size_t eq = t.find('=');
            if (eq != std::string_view::npos && !trim(t.substr(0, eq)).empty()) {
                line.kind = Kind::Key;
                line.name = std::string(trim(t.substr(0, eq)));
                line.value = valueOf(t.substr(eq + 1));
            }
        }
        lines_.push_back(std::move(line));
    }
}

long IniFileStore::findSection(const std::string& section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && sameName(lines_[i].name, section)) return static_cast<long>(i);
    return -1;
}

long IniFileStore::sectionEnd(long sectionIndex) const {
    size_t i = static_cast<size_t>(sectionIndex) + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return static_cast<long>(i);
}

long IniFileStore::findKey(long sectionIndex, const std::string& key) const {
    long end = sectionEnd(sectionIndex);
    for (long i = sectionIndex + 1; i < end; ++i) {
        const Line& line = lines_[static_cast<size_t>(i)];
        if (line.kind == Kind::Key && sameName(line.name, key)) return i;
    }
    return -1;
}

bool IniFileStore::lookup(const std::string& section, const std::string& key, std::string& value) const {
    long s = findSection(section);
    if (s < 0) return false;
    long k = findKey(s, key);
    if (k < 0) return false;
    value = lines_[static_cast<size_t>(k)].value;
    return true;
}

void IniFileStore::writeString(const std::string& section, const std::string& key, const std::string& value) {
    // A line break inside a value would split it into lines of its own.
    std::string clean = value;
    for (char& c : clean)
        if (c == '\r' || c == '\n') c = ' ';

    dirty_ = true;
    long s = findSection(section);
    if (s < 0) {
        if (!lines_.empty() && !trim(lines_.back().raw).empty()) lines_.push_back(Line{});
        lines_.push_back(Line{Kind::Section, "[" + section + "]", section, {}});
        lines_.push_back(Line{Kind::Key, key + "=" + clean, key, valueOf(clean)});
        return;
    }
    long k = findKey(s, key);
    if (k >= 0) {
        Line& line = lines_[static_cast<size_t>(k)];
        line.raw = line.name + "=" + clean;
        line.value = valueOf(clean);
        return;
    }
    // A new key goes after the section's last non-blank line.
    long pos = sectionEnd(s);
    while (pos > s + 1 && trim(lines_[static_cast<size_t>(pos - 1)].raw).empty()) --pos;
    lines_.insert(lines_.begin() + pos, Line{Kind::Key, key + "=" + clean, key, valueOf(clean)});
}

std::string IniFileStore::text() const {
    std::string out;
    if (bom_) out += kBom;
    for (const Line& line : lines_) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

bool IniFileStore::close(std::string* error) {
    if (!isOpen_) {
        if (error) *error = "The settings file was not opened.";
        return false;
    }
    isOpen_ = false;
    if (!dirty_) return true;
    dirty_ = false;
    if (readFailed_) {
        if (error) *error = "The settings file " + path_ + " cannot be read, so it was not rewritten: " + readError_;
        return false;
    }
    std::string reason;
    if (!files_.writeFileAtomic(path_, text(), &reason)) {
        if (error) *error = "The settings file " + path_ + " cannot be written: " + (reason.empty() ? "write failed" : reason);
        return false;
    }
    return true;
}

} // namespace velmora
