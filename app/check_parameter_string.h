#pragma once
// The command line's only switch: "QVXTEST" raises the count limits of the main window.
#include <QStringList>

namespace quorvex {

// True when any argument, the program's own path at index 0 included, equals "QVXTEST"
// once its letters a to z are upper-cased. The whole argument must match: "/QVXTEST" or
// "-qvxtest" do not count, and no other letter is folded (so "qvxteſt" does not count).
bool CheckParameterString(const QStringList& arguments);

}  // namespace quorvex
