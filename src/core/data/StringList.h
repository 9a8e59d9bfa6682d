#pragma once
// An ordered list of text lines, unsorted or kept sorted without regard to case, and
// optionally ignoring lines that equal one already present (without regard to case),
// so that the spelling added first stays.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Compares with ASCII letters folded to lower case; equal folded texts compare equal.
int compareFolded(std::string_view a, std::string_view b);
// compareFolded first, then plain byte order among texts that differ only in case.
int compareSorted(std::string_view a, std::string_view b);

class StringList {
public:
    enum class Mode { Unsorted, Sorted, SortedUnique };

    explicit StringList(Mode mode = Mode::Unsorted) : mode_(mode) {}

    Mode mode() const { return mode_; }
    // Switching to a sorted mode sorts the lines already held (dropping folded repeats
    // for SortedUnique, the first one staying).
    void setMode(Mode mode);

    // Appends (unsorted) or places by sorted order; returns false when a SortedUnique
    // list already holds the line.
    bool add(std::string line);
    void clear() { items_.clear(); }

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    // Entry i, counted from 0.
    const std::string& operator[](size_t i) const { return items_[i]; }
    const std::string& front() const { return items_.front(); }
    const std::string& back() const { return items_.back(); }
    void eraseFront() { items_.erase(items_.begin()); }
    // Index of the first line equal (exactly) to text, or -1.
    int indexOf(std::string_view text) const;

    const std::vector<std::string>& lines() const { return items_; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    Mode mode_;
    std::vector<std::string> items_;
};

} // namespace velmora
