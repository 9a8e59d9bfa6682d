#pragma once
// A secondary window's place and size in its FORMn section of the settings file:
// read when the window is shown, written when it closes in the normal state.

#include <QString>

#include "platform/AppContext.h"

class QWidget;

namespace velmora::gui {

// Moves (and with `withSize` resizes) the window to its stored place; `defaults`
// fill the keys the file does not hold. Returns the geometry applied.
Geometry restoreWindowPlacement(QWidget& window, AppContext& context, const std::string& section,
                                const Geometry& defaults, bool withSize);
// Writes the window's place (and size) when it is neither minimised nor maximised.
// A failed write is reported in a message box.
void saveWindowPlacement(const QWidget& window, AppContext& context, const std::string& section, bool withSize);
bool isNormalState(const QWidget& window);

} // namespace velmora::gui
