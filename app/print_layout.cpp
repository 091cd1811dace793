#include "app/print_layout.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr int LineGap = 2;  // device units below the tallest text of a line

class PrinterTextStream {
public:
    PrinterTextStream(int pageWidth, int pageHeight, std::vector<TextRun>& runs)
        : pageWidth_(pageWidth), pageHeight_(pageHeight), runs_(runs) {}

    void setFont(ReportFont font, const FontMeasure& measure) {
        font_ = font;
        measure_ = &measure;
    }

    void writeLine(const QString& line) {
        const QStringList pieces = line.split(u'\t');
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0) tab();
            writeText(pieces[i]);
        }
        newLine();
    }

private:
    // Prints as much of `text` as fits on the current printed line and continues the rest
    // on the following ones.
    void writeText(QString text) {
        while (!text.isEmpty()) {
            qsizetype count = fittingLength(text);
            // A character wider than the whole page is printed anyway rather than waited on.
            if (count == 0 && x_ == 0) count = 1;
            if (count > 0) {
                const QString piece = text.left(count);
                runs_.push_back({page_, x_, y_, font_, piece});
                lineHeight_ = std::max(lineHeight_, measure_->height + LineGap);
                x_ += measure_->width(piece);
                text.remove(0, count);
            }
            if (!text.isEmpty()) newLine();
        }
    }

    // The longest start of `text` that still ends within the page width.
    qsizetype fittingLength(const QString& text) const {
        qsizetype low = 0;
        qsizetype high = text.size();
        while (low < high) {
            const qsizetype middle = (low + high + 1) / 2;
            if (x_ + measure_->width(text.left(middle)) <= pageWidth_)
                low = middle;
            else
                high = middle - 1;
        }
        return low;
    }

    void tab() {
        const qreal stop = measure_->tabStop;
        if (stop <= 0) return;
        // Standing on a stop (up to rounding of the advances) goes on to the following one.
        constexpr qreal Tolerance = 1e-6;
        x_ = (std::floor(x_ / stop + Tolerance) + 1) * stop;
        if (x_ > pageWidth_) newLine();
    }

    void newLine() {
        const int advance = lineHeight_ > 0 ? lineHeight_ : measure_->height;
        x_ = 0;
        y_ += advance;
        lineHeight_ = 0;
        if (y_ > pageHeight_ - 2 * advance) {
            ++page_;
            y_ = 0;
        }
    }

    int pageWidth_;
    int pageHeight_;
    std::vector<TextRun>& runs_;
    ReportFont font_ = ReportFont::Body;
    const FontMeasure* measure_ = nullptr;
    int page_ = 0;
    qreal x_ = 0;
    int y_ = 0;
    int lineHeight_ = 0;  // 0 while the printed line holds no text
};

}  // namespace

std::vector<TextRun> layoutReport(const QStringList& lines, int pageWidth, int pageHeight,
                                  const FontMeasure& title, const FontMeasure& body) {
    std::vector<TextRun> runs;
    PrinterTextStream stream(pageWidth, pageHeight, runs);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == 0)
            stream.setFont(ReportFont::Title, title);
        else if (i == 1)
            stream.setFont(ReportFont::Body, body);
        stream.writeLine(lines[i]);
    }
    return runs;
}

}  // namespace quorvex
