#pragma once
// Standard output is checked like any file: a report or summary that cannot be written
// (a closed stream, a full disk, /dev/full) is an error, not a silent loss.
#include <string>

namespace quorvex {

inline constexpr char StandardOutputName[] = "standard output";

// Called first thing: reports whether standard output is open, and occupies closed
// standard streams with the null device so that no file of the run takes their number.
// Writes to a closed pipe or beyond the file-size limit then fail with an error that is
// reported, instead of a signal that ends the process.
bool guardStandardStreams();

// Writes out what is buffered; raises EInOutError naming standard output on failure.
void flushStandardOutput();

// Flushes and closes standard output at the end; raises EInOutError on failure.
void closeStandardOutput();

}  // namespace quorvex
