#pragma once
// Printing of the analysis report: the title in 15-point bold, every further line in
// 9-point regular type, laid out as a printer text stream does (see print_layout.h).
#include <QStringList>

class QPrinter;

namespace quorvex {

// Prints `lines` as one job on `printer`. Throws std::runtime_error with "There is no
// default printer currently selected" before printing anything when no printer (nor a PDF
// file) is selected; the job is closed also when printing fails part-way.
void printReport(const QStringList& lines, QPrinter& printer);

}  // namespace quorvex
