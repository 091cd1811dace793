#pragma once
// The report's type face, shared by the analysis view and the printout so both show the
// same fixed-pitch columns.
#include <QFont>

namespace quorvex {

// "Courier New" at `pointSize`, fixed pitch. Where that face is missing the system's
// fixed-pitch font takes its place: the report's columns and tab stops rely on every
// character having the same width.
QFont reportFont(int pointSize, bool bold);

}  // namespace quorvex
