#pragma once
// The small interfaces through which the core reaches the platform: message boxes,
// files, the clock, the shell, the clipboard and the printer. The desktop program
// supplies Qt implementations, the tests recording fakes; the file system and the
// clock also have plain standard-library implementations here in the core.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// ---------------------------------------------------------------- message boxes
enum class MessageKind { Warning, Information, Error, Question };

// Button sets (Cancel: a single Cancel button), and the button a box returns.
enum class Buttons { Ok, YesNo, OkCancel, Cancel };
enum class Button { Ok, Yes, No, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button pressed.
    virtual Button show(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok) = 0;
};

// ---------------------------------------------------------------- files
// Whole-file text access. Every rewrite goes through a temporary file in the same
// directory that is then renamed over the old file, so an interrupted or failed
// write leaves the previous file whole.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& path) const = 0;
    // The file's bytes, or nullopt with a reason in *error when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr) const = 0;
    // Writes the bytes through a temporary file renamed over `path`.
    // Returns false (with a reason in *error) and leaves any old file untouched on failure.
    virtual bool writeFileAtomic(const std::string& path, const std::string& bytes,
                                 std::string* error = nullptr) = 0;
    // Copies a file (through a temporary file as above).
    virtual bool copyFile(const std::string& from, const std::string& to, std::string* error = nullptr);
    // Creates every missing level of the directory.
    virtual bool createDirectories(const std::string& path) = 0;
};

// The real file system, through std::filesystem and fstreams.
class LocalFileSystem : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr) const override;
    bool writeFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr) override;
    bool createDirectories(const std::string& path) override;
};

// ---------------------------------------------------------------- clock
struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    DateTime now() const override; // local time
};

// ---------------------------------------------------------------- shell
enum class ShowMode { Normal, Hidden, Minimised, Maximised };

class Shell {
public:
    virtual ~Shell() = default;
    // Asks the operating system to open the address with its default action.
    // Returns the platform's result code unchanged.
    virtual int open(const std::string& address, const std::string& parameters, const std::string& directory,
                     ShowMode mode) = 0;
};

// ---------------------------------------------------------------- clipboard
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

// ---------------------------------------------------------------- printer
enum class Orientation { Portrait, Landscape };

struct PrintFont {
    std::string family; // "Courier New" or "Arial"
    int pointSize = 10;
};

// The default printer as a plain-text device: lines in order, pages broken by the device.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool available() const = 0;      // is any printer installed?
    virtual std::string name() const = 0;    // the default printer's name
    // Starts a job; returns false with a reason when it cannot be started.
    virtual bool begin(Orientation orientation, const PrintFont& font, std::string* error = nullptr) = 0;
    virtual void printLine(const std::string& line) = 0;
    virtual bool end() = 0;                  // finishes the job
    virtual void abort() = 0;                // abandons a running job
};

} // namespace velmora
