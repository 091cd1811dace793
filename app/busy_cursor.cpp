#include "app/busy_cursor.h"

#include <QApplication>

namespace quorvex {

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyCursor::~BusyCursor() { restore(); }

void BusyCursor::restore() {
    if (!active_) return;
    active_ = false;
    QApplication::restoreOverrideCursor();
}

}  // namespace quorvex
