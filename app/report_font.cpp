#include "app/report_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

namespace quorvex {

namespace {

// Where "Courier New" is missing, the system's fixed font may still be one with a few wide
// glyphs (Noto Sans Mono), which would spoil the report's columns; then any family the font
// database knows as fixed pitch serves.
QString fixedPitchFamily() {
    const QString courier = QStringLiteral("Courier New");
    if (QFontDatabase::hasFamily(courier) && QFontDatabase::isFixedPitch(courier)) return courier;
    const QString system = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    if (QFontDatabase::isFixedPitch(system)) return system;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family)) return family;
    return system;
}

}  // namespace

QFont reportFont(int pointSize, bool bold) {
    static const QString family = fixedPitchFamily();
    QFont font(family, pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

qreal reportTabStop(const QFont& font, QPaintDevice* device) {
    constexpr int TabCharacters = 8;
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    return TabCharacters * metrics.horizontalAdvance(QLatin1Char('0'));
}

}  // namespace quorvex
