#include "resources/Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>

// Outside any namespace, as the resource registration requires.
static void registerVelmoraArtwork() { Q_INIT_RESOURCE(velmora); }

namespace velmora::gui {

namespace {

constexpr std::array<const char*, kToolIconCount> kIconNames = {
    "quit", "print", "preferences", "update",
    "driver-wins", "driver-podiums", "career",
    "team-wins", "team-podiums", "team-1-2", "team-1-2-3",
    "engine-wins", "engine-podiums", "engine-1-2", "engine-1-2-3",
    "circuit", "venue", "season", "calendar",
    "all-races", "specials", "win-tables", "championship-tables",
    "help",
};

} // namespace

void ensureArtwork() {
    static const bool registered = [] {
        registerVelmoraArtwork();
        return true;
    }();
    (void)registered;
}

QString toolIconPath(ToolIcon icon) {
    return QStringLiteral(":/velmora/icons/%1.svg").arg(QLatin1String(kIconNames[static_cast<size_t>(icon)]));
}
QString splashPicturePath() { return QStringLiteral(":/velmora/splash.svg"); }
QString aboutPicturePath() { return QStringLiteral(":/velmora/about.svg"); }

QPixmap renderPicture(const QString& path, const QSize& size) {
    ensureArtwork();
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || size.isEmpty()) return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter);
    return pixmap;
}

QIcon toolIcon(ToolIcon icon) {
    const QString path = toolIconPath(icon);
    QIcon result;
    for (int side : {16, 19, 24, 32, 38, 40, 80}) result.addPixmap(renderPicture(path, QSize(side, side)));
    return result;
}

} // namespace velmora::gui
