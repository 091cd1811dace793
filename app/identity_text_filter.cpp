#include "app/identity_text_filter.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "common/name_text.h"

namespace quorvex {

bool isIdentityCharacter(QChar c) {
    return c.unicode() < 128 && isNameCharacter(static_cast<char>(c.unicode()));
}

KeyAction classifyKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return event.modifiers().testFlag(Qt::ShiftModifier) ? KeyAction::FocusPrevious
                                                             : KeyAction::FocusNext;
    if (key == Qt::Key_Backspace)
        return (event.modifiers() & commandModifiers) ? KeyAction::Drop : KeyAction::Pass;
    // The clipboard and select-all work as in any text box; pasted text passes the
    // validator's character rule like typed text. Undo could bring back a text from before
    // the rule cleaned it, so it stays off.
    for (const auto shortcut :
         {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::SelectAll})
        if (event.matches(shortcut)) return KeyAction::Pass;
    for (const auto shortcut : {QKeySequence::Undo, QKeySequence::Redo})
        if (event.matches(shortcut)) return KeyAction::Drop;
    // Keys that type nothing move the cursor or delete; some platforms give Delete a text.
    if (event.text().isEmpty() || key == Qt::Key_Delete) return KeyAction::Pass;
    if (event.modifiers() & commandModifiers) return KeyAction::Drop;
    const QString text = event.text();
    return text.size() == 1 && isIdentityCharacter(text.front()) ? KeyAction::Pass : KeyAction::Drop;
}

QValidator::State IdentityTextValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!isIdentityCharacter(input[i])) continue;
        kept += input[i];
        if (i < pos) ++keptPos;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

}  // namespace quorvex
