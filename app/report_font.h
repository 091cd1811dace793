#pragma once
// The report's type face, shared by the analysis view and the printout so both show the
// same fixed-pitch columns.
#include <QFont>

class QPaintDevice;

namespace quorvex {

// "Courier New" at `pointSize`, fixed pitch. Where that face is missing the system's
// fixed-pitch font takes its place: the report's columns and tab stops rely on every
// character having the same width.
QFont reportFont(int pointSize, bool bold);

// The distance between two tab stops of the report: eight times the real horizontal advance
// of one character of `font` as laid out on `device` (the screen when null). The font's
// "average character width" is not used: for some fixed-pitch faces it is a few per cent
// short of the advance, and the columns after a tab would drift from those reached by spaces.
qreal reportTabStop(const QFont& font, QPaintDevice* device = nullptr);

}  // namespace quorvex
