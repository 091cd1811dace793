#include "app/report_printer.h"

#include <QDir>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

#include "app/print_layout.h"
#include "app/report_font.h"
#include "common/error_texts.h"

namespace quorvex {

namespace {

FontMeasure measureOn(const QFont& font, QPrinter& printer) {
    const QFontMetricsF metrics(font, &printer);
    return {QFontMetrics(font, &printer).height(), reportTabStop(font, &printer),
            [metrics](const QString& text) { return metrics.horizontalAdvance(text); }};
}

// Ends the print job on every way out of printReport, so a failure part-way through
// never leaves the job open.
class PrintJob {
public:
    explicit PrintJob(QPrinter& printer) {
        if (!painter_.begin(&printer)) throw std::runtime_error(error_text::PrintJobNotStarted);
    }
    ~PrintJob() {
        if (painter_.isActive()) painter_.end();
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    QPainter& painter() { return painter_; }

    void finish() {
        if (!painter_.end()) throw std::runtime_error(error_text::PrintJobNotCompleted);
    }

private:
    QPainter painter_;
};

}  // namespace

bool printerSelected(const QPrinter& printer) {
    // A printer falls back to PDF output when the system has no printer; without a file
    // name such a printer has nowhere to print to.
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return printer.isValid();
}

QString printDestination(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) return QDir::toNativeSeparators(printer.outputFileName());
    return QStringLiteral("the printer ") + printer.printerName();
}

void printReport(const QStringList& lines, QPrinter& printer) {
    if (!printerSelected(printer)) throw std::runtime_error(error_text::NoDefaultPrinter);
    if (lines.isEmpty()) throw std::runtime_error("There is no analysis to print");

    printer.setFullPage(false);  // the printable area's corner is the origin: no margins of our own
    const QFont titleFont = reportFont(15, true);
    const QFont bodyFont = reportFont(9, false);
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const std::vector<TextRun> runs = layoutReport(
        lines, area.width(), area.height(), measureOn(titleFont, printer), measureOn(bodyFont, printer));

    const int titleAscent = QFontMetrics(titleFont, &printer).ascent();
    const int bodyAscent = QFontMetrics(bodyFont, &printer).ascent();

    PrintJob job(printer);
    QPainter& painter = job.painter();
    int pageShown = 0;
    for (const TextRun& run : runs) {
        for (; pageShown < run.page; ++pageShown)
            if (!printer.newPage()) throw std::runtime_error(error_text::NewPageNotStarted);
        const bool title = run.font == ReportFont::Title;
        painter.setFont(title ? titleFont : bodyFont);
        // Runs are placed by their top edge; text is drawn from its base line.
        painter.drawText(QPointF(run.x, run.y + (title ? titleAscent : bodyAscent)), run.text);
    }
    job.finish();
}

}  // namespace quorvex
