#include "data/StringList.h"

#include <algorithm>

namespace velmora {

namespace {
inline unsigned char fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }
} // namespace

int compareFolded(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = fold(static_cast<unsigned char>(a[i]));
        unsigned char y = fold(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int compareSorted(std::string_view a, std::string_view b) {
    int c = compareFolded(a, b);
    if (c != 0) return c;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

void StringList::setMode(Mode mode) {
    mode_ = mode;
    if (mode == Mode::Unsorted) return;
    std::vector<std::string> old = std::move(items_);
    items_.clear();
    for (auto& line : old) add(std::move(line));
}

bool StringList::add(std::string line) {
    if (mode_ == Mode::Unsorted) {
        items_.push_back(std::move(line));
        return true;
    }
    // Fast path: lines often arrive in order.
    if (items_.empty() || compareSorted(items_.back(), line) < 0) {
        if (mode_ == Mode::SortedUnique && !items_.empty() && compareFolded(items_.back(), line) == 0) return false;
        items_.push_back(std::move(line));
        return true;
    }
    if (mode_ == Mode::SortedUnique) {
        auto it = std::lower_bound(items_.begin(), items_.end(), line,
                                   [](const std::string& a, const std::string& b) { return compareFolded(a, b) < 0; });
        if (it != items_.end() && compareFolded(*it, line) == 0) return false;
        items_.insert(it, std::move(line));
        return true;
    }
    auto it = std::upper_bound(items_.begin(), items_.end(), line,
                               [](const std::string& a, const std::string& b) { return compareSorted(a, b) < 0; });
    items_.insert(it, std::move(line));
    return true;
}

int StringList::indexOf(std::string_view text) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == text) return static_cast<int>(i);
    return -1;
}

} // namespace velmora
