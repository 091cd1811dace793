#pragma once
// Where every piece of a printed report lands. The printout follows the rules of a plain
// printer text stream: output starts at the top-left corner of the printable area with no
// margins of its own, a tab advances to the next multiple of the tab stop (eight character
// advances, so the columns reached by tabs and by spaces agree), a line too wide for the page continues on
// the next printed line, a line ends by moving down the height of its tallest text plus 2 device units (the
// font's height when it holds no text), and a new page begins when the next line would start below the page
// height less twice the height of the line just ended.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace quorvex {

// Measurements of one font on the output device, in device units. Widths are fractional:
// rounding each piece's advance would move the columns of a long line.
struct FontMeasure {
    int height = 0;
    qreal tabStop = 0;                           // distance between two tab stops
    std::function<qreal(const QString&)> width;  // advance of a piece of text
};

enum class ReportFont { Title, Body };

// One piece of text placed on a page; it never holds a tab.
struct TextRun {
    int page = 0;  // counted from 0
    qreal x = 0;   // left edge (pen position), from the left of the printable area
    int y = 0;     // top edge, from the top of the printable area
    ReportFont font = ReportFont::Body;
    QString text;
};

// The first line goes in the title font, every further line in the body font. Pages that
// would hold no text after the last line are not started.
std::vector<TextRun> layoutReport(const QStringList& lines, int pageWidth, int pageHeight,
                                  const FontMeasure& title, const FontMeasure& body);

}  // namespace quorvex
