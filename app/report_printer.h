#pragma once
// Printing of the analysis report: the title in 15-point bold, every further line in
// 9-point regular type, laid out as a printer text stream does (see print_layout.h).
#include <QStringList>

class QPrinter;

namespace quorvex {

// Whether `printer` has somewhere to print to: a printer, or a file for PDF output.
bool printerSelected(const QPrinter& printer);

// Prints `lines` as one job on `printer`. Throws std::runtime_error with "There is no
// default printer currently selected" before printing anything when no printer (nor a PDF
// file) is selected, and refuses an empty report, which would print a blank page; the job
// is closed also when printing fails part-way.
void printReport(const QStringList& lines, QPrinter& printer);

// Where a finished job went, for the director: "the printer <name>" or the file's path.
QString printDestination(const QPrinter& printer);

}  // namespace quorvex
