#pragma once
// Message boxes wide enough for their caption. A message box sizes itself to its text, and a
// short text ("Access denied.") leaves the title bar too narrow for "Quorvex for Windows":
// the window manager cuts it to "Quor... ows". The widener gives every message box of the
// application a minimum width that holds its caption beside the title bar's icon and buttons.
#include <QObject>

class QMessageBox;

namespace quorvex {

// The width a message box needs to show `caption` in full in its title bar, in logical pixels.
int captionWidth(const QString& caption);

// Makes `box` at least captionWidth(its title) wide; the box keeps sizing itself to its text
// beyond that.
void widenForCaption(QMessageBox& box);

// Installed on the application, it widens every message box before it is first shown,
// whoever creates it (the program's own boxes, the error display, the static helpers).
class MessageBoxWidener : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quorvex
