#pragma once
// Recording fakes of the platform interfaces, shared by the core tests and the benchmark
// (so nothing here needs GoogleTest).

#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace velmora::testing {

// Files held in memory. A write fails into a folder listed in `readOnlyDirs` ("permission
// denied"), and with `writeError` to a path in `failingWrites` or anywhere while
// `failWrites` is set. A read of a path in `unreadable` fails ("access denied").
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> readOnlyDirs;
    std::set<std::string> failingWrites;
    bool failWrites = false;
    std::string writeError = "there is not enough space on the disk";
    std::set<std::string> unreadable;
    std::vector<std::string> writes; // paths written, in order
    std::vector<std::string> createdDirs;

    bool exists(const std::string& path) const override { return files.count(path) > 0; }
    std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr) const override {
        if (unreadable.count(path)) {
            if (error) *error = "access denied";
            return std::nullopt;
        }
        auto it = files.find(path);
        if (it == files.end()) {
            if (error) *error = "no such file";
            return std::nullopt;
        }
        return it->second;
    }
    bool writeFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr) override {
        for (const auto& dir : readOnlyDirs)
            if (path.rfind(dir, 0) == 0) {
                if (error) *error = "permission denied";
                return false;
            }
        if (failWrites || failingWrites.count(path)) {
            if (error) *error = writeError;
            return false;
        }
        files[path] = bytes;
        writes.push_back(path);
        return true;
    }
    bool createDirectories(const std::string& path) override {
        createdDirs.push_back(path);
        return true;
    }
};

struct RecordedMessage {
    MessageKind kind;
    std::string text;
    Buttons buttons;
};

// Records every box and answers from `answers` in order; once they are used up, `unscripted`
// gives the answer (Yes to a question, OK to anything else).
class RecordingMessages : public MessageBoxes {
public:
    std::vector<RecordedMessage> shown;
    std::deque<Button> answers;

    Button show(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok) override {
        shown.push_back({kind, text, buttons});
        if (!answers.empty()) {
            Button b = answers.front();
            answers.pop_front();
            return b;
        }
        return unscripted(shown.back());
    }
    // The text of the latest box, empty when none was shown.
    std::string last() const { return shown.empty() ? std::string() : shown.back().text; }

protected:
    virtual Button unscripted(const RecordedMessage& box) {
        return box.buttons == Buttons::YesNo ? Button::Yes : Button::Ok;
    }
};

class FixedClock : public Clock {
public:
    FixedClock() = default;
    explicit FixedClock(const DateTime& at) : when(at) {}
    DateTime when{2026, 12, 11, 14, 30, 0};
    DateTime now() const override { return when; }
};

} // namespace velmora::testing
