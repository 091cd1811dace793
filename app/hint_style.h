#pragma once
// The program's hints (tool tips): pale yellow, shown 200 ms after the mouse comes to
// rest and hidden again after 4 seconds.
#include <QString>

class QWidget;

namespace quorvex {

// Sets the colour and the delay for the whole application.
void applyHintStyle();

// Gives `widget` its hint with the program's display time.
void setHint(QWidget* widget, const QString& text);

// Keeps a widget without a hint of its own from showing its parent's hint.
void suppressParentHint(QWidget* widget);

}  // namespace quorvex
