#pragma once
// The program's fonts. Each asks for the family by name and falls back to a font of
// the same kind (fixed pitch or sans serif) where that family is not installed, so the
// columns of a page line up on every system.

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <string>

namespace velmora::gui {

QFont courierFont(int pointSize = 10);       // "Courier New", fixed pitch
QFont lucidaConsoleFont(int pointSize = 10); // "Lucida Console", fixed pitch
QFont arialFont(int pointSize = 10);         // "Arial", sans serif
// "Courier New", "Lucida Console" or "Arial" by name; any other name as asked for.
QFont printFont(const QString& family, int pointSize = 10);
// The display font of the result views, help windows and editor: "Courier New" when
// position 15 of the options is '1', otherwise "Arial", 10 points.
QFont displayFont(const std::string& options);
bool courierChosen(const std::string& options);
// Position 17 of the options '0': the coloured display.
bool colouredChosen(const std::string& options);

// A stored colour (red in the low byte, blue in the third) and back.
QColor toQColor(std::uint32_t colour);
std::uint32_t fromQColor(const QColor& colour);

} // namespace velmora::gui
