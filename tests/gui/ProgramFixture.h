#pragma once
// The whole program on a temporary program directory: the real file system and
// settings file, recording message boxes, printer, clipboard and shell.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <fstream>
#include <memory>
#include <sstream>

#include "GuiTestBase.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowBinding.h"
#include "ui/ProgramWindows.h"

namespace velmora::gui::testing {

inline std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The program on a temporary program directory: the real file system and settings
// file, recording message boxes, printer, clipboard and shell.
struct Program {
    explicit Program(const std::string& updateFile = {}, const std::string& options = {}, int screenWidth = 1600) {
        dirPath = QDir(dir.path()).absolutePath().toStdString();
        if (!updateFile.empty()) writeFile("update.txt", updateFile);
        if (!options.empty()) writeFile("Velmora.INI", "[OPTIONS]\r\nOptions=" + options + "\r\n");
        context.settings = &settings;
        context.ini = &ini;
        context.boxes = &boxes;
        context.printer = &printer;
        context.clipboard = &clipboard;
        context.shell = &shell;
        services.context = &context;
        services.files = &files;
        services.clock = &clock;
        services.currentDir = dirPath;
        services.screenWidth = screenWidth;
        services.screenHeight = 1000;
        windows = std::make_unique<ProgramWindows>(services);
    }
    ~Program() {
        // Leave no modal window or message answer behind for the next test.
        windows.reset();
    }

    void writeFile(const std::string& name, const std::string& bytes) {
        std::ofstream out(dirPath + "/" + name, std::ios::binary);
        out << bytes;
    }
    std::string settingsText() const { return readAll(dirPath + "/Velmora.INI"); }

    MainWindow& main() { return *windows->form1; }
    bool start() {
        const bool ok = main().runStartupOnce();
        if (ok) main().show();
        return ok;
    }
    template <typename T>
    T* find(const char* name) {
        return control<T>(&main(), name);
    }
    QString memo2Line(int n) { return find<QPlainTextEdit>("Memo2")->document()->findBlockByNumber(n).text(); }
    void choose(int box, const QString& item) {
        QComboBox* combo = main().comboBox(box);
        const int index = combo->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void click(const char* name) {
        auto* button = find<QAbstractButton>(name);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTemporaryDir dir;
    std::string dirPath;
    LocalFileSystem files;
    IniFileStore ini{files};
    SystemClock clock;
    Settings settings;
    RecordingMessageBoxes boxes;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    RecordingShell shell;
    AppContext context;
    MainWindowServices services;
    std::unique_ptr<ProgramWindows> windows;
};

inline std::string exampleUpdateFile() { return readAll(VELMORA_SOURCE_DIR "/examples/update-2018-2025.txt"); }

} // namespace velmora::gui::testing
