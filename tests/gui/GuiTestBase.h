#pragma once
// What the window tests share: recording fakes of the platform services (message boxes
// with scripted answers, a printer that records its jobs, the clipboard, the shell), a
// settings file held in memory, and finding a window's controls by object name.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/AppContext.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora::gui::testing {

struct ShownMessage {
    MessageKind kind;
    std::string text;
    Buttons buttons;
};

// Answers from a script, in order; with the script used up, the first button of the set.
class RecordingMessageBoxes : public MessageBoxes {
public:
    Button show(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok) override {
        shown.push_back({kind, text, buttons});
        if (!answers.empty()) {
            const Button answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (buttons) {
        case Buttons::YesNo: return Button::Yes;
        case Buttons::Cancel: return Button::Cancel;
        default: return Button::Ok;
        }
    }
    std::vector<ShownMessage> shown;
    std::deque<Button> answers;
};

struct PrintJob {
    Orientation orientation = Orientation::Landscape;
    PrintFont font;
    std::vector<std::string> lines;
    bool ended = false;
    bool aborted = false;
};

class RecordingPrinter : public Printer {
public:
    bool available() const override { return installed; }
    std::string name() const override { return "Recording printer"; }
    bool begin(Orientation orientation, const PrintFont& font, std::string* error = nullptr) override {
        if (failBegin) {
            if (error) *error = "the printer is switched off";
            return false;
        }
        jobs.push_back({orientation, font, {}, false, false});
        return true;
    }
    void printLine(const std::string& line) override {
        if (!jobs.empty()) jobs.back().lines.push_back(line);
    }
    bool end() override {
        if (jobs.empty()) return false;
        jobs.back().ended = true;
        return true;
    }
    void abort() override {
        if (!jobs.empty()) jobs.back().aborted = true;
    }
    bool installed = true;
    bool failBegin = false;
    std::vector<PrintJob> jobs;
};

class RecordingClipboard : public Clipboard {
public:
    void setText(const std::string& value) override {
        text = value;
        ++calls;
    }
    std::string text;
    int calls = 0;
};

class RecordingShell : public Shell {
public:
    int open(const std::string& address, const std::string&, const std::string&, ShowMode) override {
        opened.push_back(address);
        return 42;
    }
    std::vector<std::string> opened;
};

// Files held in memory; writes replace a file whole.
class MemoryFileSystem : public FileSystem {
public:
    bool exists(const std::string& path) const override { return files.count(path) > 0; }
    std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr) const override {
        auto it = files.find(path);
        if (it == files.end()) {
            if (error) *error = "no such file";
            return std::nullopt;
        }
        return it->second;
    }
    bool writeFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr) override {
        if (readOnly) {
            if (error) *error = "the directory is read-only";
            return false;
        }
        files[path] = bytes;
        return true;
    }
    bool createDirectories(const std::string&) override { return true; }
    std::map<std::string, std::string> files;
    bool readOnly = false;
};

// Settings, a settings file in memory and the recording services, wired into an
// AppContext for the windows.
struct GuiFixture {
    GuiFixture() {
        settings.programDir = "/velmora/";
        settings.settingsFile = "/velmora/Velmora.INI";
        context.settings = &settings;
        context.ini = &ini;
        context.boxes = &boxes;
        context.printer = &printer;
        context.clipboard = &clipboard;
        context.shell = &shell;
        context.choosePdfFile = [this] { return pdfPath; };
        context.pdfPrinter = [this](const std::string& path) -> std::unique_ptr<Printer> {
            pdfRequests.push_back(path);
            auto device = std::make_unique<ForwardingPrinter>(pdfPrinter);
            return device;
        };
    }

    // The settings file's text ("" when it was never written).
    std::string iniText() const {
        auto it = files.files.find(settings.settingsFile);
        return it == files.files.end() ? std::string() : it->second;
    }
    // One stored integer, or `def` when the file does not hold it.
    int stored(const std::string& section, const std::string& key, int def = -9999) {
        IniFileStore reader(files);
        reader.open(settings.settingsFile);
        const int value = reader.readInteger(section, key, def);
        reader.close();
        return value;
    }
    void store(const std::string& section, const std::string& key, int value) {
        IniFileStore writer(files);
        writer.open(settings.settingsFile);
        writer.writeInteger(section, key, value);
        writer.close();
    }

    // The PDF printer device forwards to a recording printer the test can read.
    class ForwardingPrinter : public Printer {
    public:
        explicit ForwardingPrinter(RecordingPrinter& target) : target_(target) {}
        bool available() const override { return true; }
        std::string name() const override { return "PDF"; }
        bool begin(Orientation o, const PrintFont& f, std::string* e = nullptr) override { return target_.begin(o, f, e); }
        void printLine(const std::string& line) override { target_.printLine(line); }
        bool end() override { return target_.end(); }
        void abort() override { target_.abort(); }

    private:
        RecordingPrinter& target_;
    };

    Settings settings;
    MemoryFileSystem files;
    IniFileStore ini{files};
    RecordingMessageBoxes boxes;
    RecordingPrinter printer;
    RecordingPrinter pdfPrinter; // what the "PDF file" received
    std::string pdfPath;         // the file name the user gives (empty: none)
    std::vector<std::string> pdfRequests;
    RecordingClipboard clipboard;
    RecordingShell shell;
    AppContext context;
};

// A control of `window` by object name; fails the test when it is missing.
template <typename T>
T* control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) qWarning("control %s not found", name);
    return found;
}

// Runs `action` once the next modal window is up (for windows shown with exec()).
template <typename F>
void whenModal(F action) {
    QMetaObject::invokeMethod(
        qApp,
        [action] {
            QWidget* modal = QApplication::activeModalWidget();
            action(modal);
        },
        Qt::QueuedConnection);
}

} // namespace velmora::gui::testing
