#pragma once
// Recording fakes of the platform interfaces, shared by the core tests.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace velmora::testing {

// Files held in memory; writes into a directory listed in `readOnlyDirs` fail.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::vector<std::string> readOnlyDirs;
    std::vector<std::string> unreadable;
    std::vector<std::string> createdDirs;

    bool exists(const std::string& path) const override { return files.count(path) > 0; }
    std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr) const override {
        for (const auto& u : unreadable)
            if (u == path) {
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
                if (error) *error = "read-only folder";
                return false;
            }
        files[path] = bytes;
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

// Records every box and answers from a script (Ok / Yes by default).
class RecordingMessages : public MessageBoxes {
public:
    std::vector<RecordedMessage> shown;
    std::vector<Button> answers;
    Button show(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok) override {
        shown.push_back({kind, text, buttons});
        if (!answers.empty()) {
            Button b = answers.front();
            answers.erase(answers.begin());
            return b;
        }
        return buttons == Buttons::YesNo ? Button::Yes : Button::Ok;
    }
};

class FixedClock : public Clock {
public:
    DateTime when{2026, 12, 11, 14, 30, 0};
    DateTime now() const override { return when; }
};

} // namespace velmora::testing
