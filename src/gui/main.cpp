// The program's start: the ten windows in their fixed order, the main window shown
// (its first showing runs the start-up with the splash window), then the event loop.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/AppContext.h"
#include "platform/QtPlatform.h"
#include "resources/Artwork.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "ui/ProgramWindows.h"
#include "ui/ScreenshotRun.h"

namespace {

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value && std::string(value) != "0";
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer launch;
    launch.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    velmora::gui::ensureArtwork();

    velmora::LocalFileSystem files;
    velmora::IniFileStore ini(files);
    velmora::SystemClock clock;
    velmora::gui::DesktopPlatform platform;
    velmora::Settings settings;
    velmora::gui::AppContext context;
    context.settings = &settings;
    context.ini = &ini;
    platform.fill(context);

    velmora::gui::MainWindowServices services;
    services.context = &context;
    services.files = &files;
    services.clock = &clock;
    services.currentDir = QDir::currentPath().toStdString();

    velmora::gui::ProgramWindows windows(services);
    velmora::gui::MainWindow& main = *windows.form1;

    const bool timing = environmentSet("VELMORA_TIMING");
    QObject::connect(&main, &velmora::gui::MainWindow::startupFinished, &main, [&](bool ok) {
        if (timing && ok)
            std::fprintf(stderr, "velmora timing: start-up %lld ms, main window usable %lld ms after launch\n",
                         static_cast<long long>(main.startupMilliseconds()), static_cast<long long>(launch.elapsed()));
        if (ok) velmora::gui::startScreenshotRunIfAsked(main);
    });

    main.show();
    const int result = app.exec();
    // A fatal data error at start-up ends the program with a failure code.
    return main.startupFailed() ? 1 : result;
}
