#pragma once
// A whole-number box with arrows whose upper limit is set for the mode the program runs in
// (99, or 1000 under the test switch).
//
// Typing is bounded by the widest limit the box can ever have (the design maximum), so
// the text always reads as a number from 0 to that maximum, or is empty; no sign and no
// overlong number can be typed. Limits apply to set values, to the arrows and when the
// box loses the focus, where an empty text counts as the minimum.
#include <QSpinBox>
#include <optional>

namespace quorvex {

class CountSpinBox : public QSpinBox {
    Q_OBJECT
public:
    CountSpinBox(int minimum, int designMaximum, int value, QWidget* parent = nullptr);

    int limitMinimum() const { return limitMinimum_; }
    int limitMaximum() const { return limitMaximum_; }
    // Narrows (or widens, up to the design maximum) the upper limit; the value stays until
    // it is next set, stepped or left.
    void setLimitMaximum(int maximum);

    // Sets the value clamped to the limits.
    void setClampedValue(int value);

    // The number the text reads right now: nothing when the text is empty.
    std::optional<int> textNumber() const;

    // Settles a typed text as leaving the box does: clamped, an empty text as the minimum.
    void commitText();

signals:
    // Every change of the text, also while it is being typed or when it is emptied.
    void countTextChanged();

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int clamped(long long value) const;

    int limitMinimum_;
    int limitMaximum_;
};

}  // namespace quorvex
