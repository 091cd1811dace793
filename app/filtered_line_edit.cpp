#include "app/filtered_line_edit.h"

#include <QKeyEvent>

#include "app/identity_text_filter.h"

namespace quorvex {

FilteredLineEdit::FilteredLineEdit(const QString& text, QWidget* parent) : QLineEdit(parent) {
    setValidator(new IdentityTextValidator(this));
    setText(text);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    switch (classifyKey(*event)) {
        case KeyAction::Pass:
            QLineEdit::keyPressEvent(event);
            return;
        case KeyAction::Drop:
            event->accept();
            return;
        case KeyAction::FocusNext:
            event->accept();
            focusNextPrevChild(true);
            return;
        case KeyAction::FocusPrevious:
            event->accept();
            focusNextPrevChild(false);
            return;
    }
}

}  // namespace quorvex
