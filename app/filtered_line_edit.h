#pragma once
// The edit box of the identity and the base file name: applies the character rule to every
// way text can enter, and lets Enter move through the window like Tab.
#include <QLineEdit>

namespace quorvex {

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FilteredLineEdit(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvex
