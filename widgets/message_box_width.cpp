#include "widgets/message_box_width.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace quorvex {
namespace {

// Room for the window icon and up to three title-bar buttons of 46 logical pixels each
// (the size of a Windows 10 caption button) beside the caption.
constexpr int TitleBarAllowance = 30 + 3 * 46;

// The layout that already holds the spacer: a box shown again keeps it, a box that rebuilt
// its layout needs a new one.
const char* const WidenedLayoutProperty = "quorvexWidenedLayout";

}  // namespace

int captionWidth(const QString& caption) {
    // The title-bar font, taken bold: some window managers draw captions bold.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + TitleBarAllowance;
}

void widenForCaption(QMessageBox& box) {
    // A message box fixes its own size from its layout whenever it is shown, so the minimum
    // goes into the layout: a spacer under everything, as wide as the caption needs.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const QVariant layoutMark = QVariant::fromValue(reinterpret_cast<quintptr>(grid));
    if (!grid || box.property(WidenedLayoutProperty) == layoutMark) return;
    grid->addItem(
        new QSpacerItem(captionWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
    box.setProperty(WidenedLayoutProperty, layoutMark);
}

bool MessageBoxWidener::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
        if (auto* box = qobject_cast<QMessageBox*>(watched)) widenForCaption(*box);
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvex
