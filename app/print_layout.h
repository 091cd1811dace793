#pragma once
// Where every piece of a printed report lands. The printout follows the rules of a plain
// printer text stream: output starts at the top-left corner of the printable area with no
// margins of its own, a tab advances to the next multiple of eight average character
// widths, a line too wide for the page continues on the next printed line, a line ends by
// moving down the height of its tallest text plus 2 device units (the font's height when
// it holds no text), and a new page begins when the next line would start below the page
// height less twice the height of the line just ended.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace quorvex {

// Measurements of one font on the output device, in device units.
struct FontMeasure {
    int height = 0;
    int averageCharWidth = 0;
    std::function<int(const QString&)> width;  // advance of a piece of text
};

enum class ReportFont { Title, Body };

// One piece of text placed on a page; it never holds a tab.
struct TextRun {
    int page = 0;  // counted from 0
    int x = 0;     // left edge, from the left of the printable area
    int y = 0;     // top edge, from the top of the printable area
    ReportFont font = ReportFont::Body;
    QString text;
};

// The first line goes in the title font, every further line in the body font. Pages that
// would hold no text after the last line are not started.
std::vector<TextRun> layoutReport(const QStringList& lines, int pageWidth, int pageHeight,
                                  const FontMeasure& title, const FontMeasure& body);

}  // namespace quorvex
