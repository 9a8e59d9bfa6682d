// The program's start. (A first version that shows the start-up splash window; the
// main window takes over here once it exists.)
#include <QApplication>
#include <QTimer>

#include "help/SplashWindow.h"
#include "resources/Artwork.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::gui::ensureArtwork();
    velmora::gui::SplashWindow splash;
    splash.begin(true);
    splash.status("Velmora", 0);
    QTimer::singleShot(3000, &app, &QApplication::quit);
    return app.exec();
}
