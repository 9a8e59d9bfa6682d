#pragma once
// The program's own pictures: one per tool-bar command, the splash picture and the
// about picture, compiled in as SVG and drawn at whatever size a window asks for.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace velmora::gui {

enum class ToolIcon {
    Quit, Print, Preferences, Update,
    DriverWins, DriverPodiums, Career,
    TeamWins, TeamPodiums, Team12, Team123,
    EngineWins, EnginePodiums, Engine12, Engine123,
    Circuit, Venue, Season, Calendar,
    AllRaces, Specials, WinTables, ChampionshipTables,
    Help
};
inline constexpr int kToolIconCount = static_cast<int>(ToolIcon::Help) + 1;

// Makes the compiled-in pictures reachable (the library is static, so the resource
// table is registered by hand). Safe to call more than once.
void ensureArtwork();

// The resource path of a picture (":/velmora/...").
QString toolIconPath(ToolIcon icon);
QString splashPicturePath();
QString aboutPicturePath();

// The tool button picture, drawn sharply at the small (19) and large (40) sizes.
QIcon toolIcon(ToolIcon icon);
// An SVG picture drawn at `size` (a null pixmap when the picture cannot be read).
QPixmap renderPicture(const QString& path, const QSize& size);

} // namespace velmora::gui
