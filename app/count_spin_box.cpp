#include "app/count_spin_box.h"

#include <QEvent>
#include <QLineEdit>
#include <algorithm>

namespace quorvex {

CountSpinBox::CountSpinBox(int minimum, int designMaximum, int value, QWidget* parent)
    : QSpinBox(parent), limitMinimum_(minimum), limitMaximum_(designMaximum) {
    // The spin box's own range only bounds what can be typed; 0 may pass on its way to 10.
    setRange(std::min(0, minimum), designMaximum);
    setClampedValue(value);
    lineEdit()->installEventFilter(this);
    // Typing changes the text of the line edit, setting or stepping the value changes it
    // with the line edit's signals blocked; both count.
    connect(lineEdit(), &QLineEdit::textChanged, this, &CountSpinBox::countTextChanged);
    connect(this, &QSpinBox::textChanged, this, &CountSpinBox::countTextChanged);
}

void CountSpinBox::setLimitMaximum(int maximum) {
    limitMaximum_ = std::clamp(maximum, limitMinimum_, QSpinBox::maximum());
}

void CountSpinBox::setClampedValue(int value) { setValue(clamped(value)); }

std::optional<int> CountSpinBox::textNumber() const {
    const QString text = cleanText();
    if (text.isEmpty()) return std::nullopt;
    bool ok = false;
    const int number = locale().toInt(text, &ok);
    return ok ? number : limitMinimum_;
}

void CountSpinBox::commitText() { setClampedValue(textNumber().value_or(limitMinimum_)); }

void CountSpinBox::stepBy(int steps) {
    setClampedValue(clamped(static_cast<long long>(value()) + steps));
    selectAll();
}

QAbstractSpinBox::StepEnabled CountSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() != limitMaximum_) enabled |= StepUpEnabled;
    if (value() != limitMinimum_) enabled |= StepDownEnabled;
    return enabled;
}

void CountSpinBox::focusOutEvent(QFocusEvent* event) {
    commitText();
    QSpinBox::focusOutEvent(event);
}

// A click into the text selects all of it, so a new count can be typed straight away.
// Queued, because the line edit places its cursor while handling the same click.
bool CountSpinBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(lineEdit(), &QLineEdit::selectAll, Qt::QueuedConnection);
    return QSpinBox::eventFilter(watched, event);
}

int CountSpinBox::clamped(long long value) const {
    return static_cast<int>(std::clamp<long long>(value, limitMinimum_, limitMaximum_));
}

}  // namespace quorvex
