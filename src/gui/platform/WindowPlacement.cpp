#include "platform/WindowPlacement.h"

#include <QWidget>

namespace velmora::gui {

bool isNormalState(const QWidget& window) {
    return !(window.isMinimized() || window.isMaximized() || window.isFullScreen());
}

Geometry restoreWindowPlacement(QWidget& window, AppContext& context, const std::string& section,
                                const Geometry& defaults, bool withSize) {
    Geometry g = defaults;
    if (context.ini && context.settings)
        g = readWindowGeometry(*context.ini, *context.settings, section, defaults, withSize);
    window.move(g.left, g.top);
    if (withSize && g.width > 0 && g.height > 0) window.resize(g.width, g.height);
    return g;
}

void saveWindowPlacement(const QWidget& window, AppContext& context, const std::string& section, bool withSize) {
    if (!context.ini || !context.settings) return;
    WindowState state;
    state.normal = isNormalState(window);
    state.geometry.left = window.x();
    state.geometry.top = window.y();
    state.geometry.width = window.width();
    state.geometry.height = window.height();
    std::string error;
    if (!writeWindowGeometry(*context.ini, *context.settings, section, state, withSize, &error) && context.boxes)
        context.boxes->show(MessageKind::Warning,
                            "The window position could not be saved in " + context.settings->settingsFile +
                                ":\n" + error);
}

} // namespace velmora::gui
