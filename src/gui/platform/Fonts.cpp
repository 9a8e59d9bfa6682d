#include "platform/Fonts.h"

#include <QStringList>

namespace velmora::gui {

namespace {

QFont fontOf(const QStringList& families, QFont::StyleHint hint, int pointSize) {
    QFont font(families.front());
    font.setFamilies(families);
    font.setStyleHint(hint);
    if (hint == QFont::TypeWriter) font.setFixedPitch(true);
    font.setPointSize(pointSize);
    return font;
}

const QStringList kCourier{QStringLiteral("Courier New"), QStringLiteral("Lucida Console"),
                           QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                           QStringLiteral("Monospace")};
const QStringList kLucida{QStringLiteral("Lucida Console"), QStringLiteral("Courier New"),
                          QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Monospace")};
const QStringList kArial{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                         QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};

bool position(const std::string& options, size_t pos, char value) {
    return options.size() >= pos && options[pos - 1] == value;
}

} // namespace

QFont courierFont(int pointSize) { return fontOf(kCourier, QFont::TypeWriter, pointSize); }
QFont lucidaConsoleFont(int pointSize) { return fontOf(kLucida, QFont::TypeWriter, pointSize); }
QFont arialFont(int pointSize) { return fontOf(kArial, QFont::SansSerif, pointSize); }

QFont printFont(const QString& family, int pointSize) {
    if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) return courierFont(pointSize);
    if (family.compare(QLatin1String("Lucida Console"), Qt::CaseInsensitive) == 0)
        return lucidaConsoleFont(pointSize);
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) return arialFont(pointSize);
    QFont font(family);
    font.setPointSize(pointSize);
    return font;
}

bool courierChosen(const std::string& options) { return !position(options, 15, '0'); }
bool colouredChosen(const std::string& options) { return position(options, 17, '0'); }

QFont displayFont(const std::string& options) {
    return courierChosen(options) ? courierFont(10) : arialFont(10);
}

QColor toQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t fromQColor(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

} // namespace velmora::gui
