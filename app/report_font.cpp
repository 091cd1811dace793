#include "app/report_font.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace quorvex {

QFont reportFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Courier New"), pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(pointSize);
        font.setBold(bold);
        font.setFixedPitch(true);
    }
    return font;
}

} // namespace quorvex
