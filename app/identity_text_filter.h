#pragma once
// The character rule of the identity and file-name boxes. Both texts become parts of file
// names (the identity names the main deal file), so only letters, digits, spaces and
// hyphens may enter, by any way: typing, pasting, dragging or an input method.
#include <QChar>
#include <QValidator>

class QKeyEvent;

namespace quorvex {

// Space, "-", "0".."9", "A".."Z" and "a".."z".
bool isIdentityCharacter(QChar c);

// What a key press in one of the boxes does.
enum class KeyAction {
    Pass,           // let the box handle it: an allowed character, Backspace, navigation,
                    // select all and the clipboard (Ctrl+A, C, X, V)
    Drop,           // silently ignored: any other character, undo and redo
    FocusNext,      // Enter: the next control in tab order
    FocusPrevious,  // Shift+Enter: the previous control in tab order
};
KeyAction classifyKey(const QKeyEvent& event);

// Removes every character outside the rule from whatever text reaches the box, keeping
// the cursor behind the same allowed characters. Pasted "../a_b" arrives as "ab".
class IdentityTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace quorvex
