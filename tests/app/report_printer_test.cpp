// Printing the analysis report to PDF files: page count, text, type sizes, and the
// refusal without a selected printer.
#include "app/report_printer.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

#include "analysis/analysis_report.h"

using quorvex::printReport;

namespace {

// The report of 32 boards as the program builds it.
QStringList realisticReport() {
    quorvex::AnalysisResult result;
    result.BoardsAnalysed = 32;
    result.totals.Points = {331, 312, 325, 312};
    result.totals.Balanced = 61;
    result.totals.SemiBalanced = 25;
    result.totals.Shaped = 42;
    result.totals.LengthCount = {7, 41, 107, 147, 124, 68, 14, 4, 0, 0, 0, 0, 0, 0};
    result.totals.ShapeCount[0] = 27;
    result.totals.ShapeCount[1] = 14;
    result.totals.ShapeCount[3] = 20;
    result.totals.SingletonCount = {3, 2, 4, 5, 3, 2, 4, 3, 3, 2, 4, 3, 3};
    QStringList lines;
    for (const std::string& line : quorvex::AddToMemo(result, "QVW-TEST", '.'))
        lines << QString::fromStdString(line);
    return lines;
}

QString tool(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of the error printing raised, empty when it printed.
QString printError(const QStringList& lines, QPrinter& printer) {
    try {
        printReport(lines, printer);
    } catch (const std::runtime_error& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

}  // namespace

// Reading the printed text back needs pdftotext; page counts do not.
#define REQUIRE_PDFTOTEXT() \
    if (tool("pdftotext").isEmpty()) QSKIP("pdftotext (poppler-utils) is needed to read the printed text")

class ReportPrinterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString printToPdf(const QStringList& lines, const QString& name) {
        const QString path = dir_.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(path);
        printReport(lines, printer);
        return path;
    }

    // Pages counted from the PDF's page objects, so no outside tool is needed.
    static int pageCount(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        const QString content = QString::fromLatin1(file.readAll());
        return static_cast<int>(
            content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
    }

    static QString pdfText(const QString& path, const QStringList& options = {"-layout"}) {
        return run(tool("pdftotext"), QStringList(options) << path << "-");
    }

private slots:
    void wholeReportOnOnePage() {
        REQUIRE_PDFTOTEXT();
        const QStringList report = realisticReport();
        QCOMPARE(report.size(), 43);
        const QString pdf = printToPdf(report, "report.pdf");
        QCOMPARE(pageCount(pdf), 1);
        const QString text = pdfText(pdf);
        QVERIFY(text.contains("Analysis of hands: QVW-TEST.qvw"));
        QVERIFY(text.contains("Number of Boards: 32"));
        QVERIFY(text.contains("Balanced Hands:"));
        QVERIFY(text.contains("13-0-0-0"));
        QVERIFY(text.contains("Singletons:"));
        // Earlier lines above later ones.
        QVERIFY(text.indexOf("Analysis of hands") < text.indexOf("Total Points:"));
        QVERIFY(text.indexOf("Total Points:") < text.indexOf("4-4-3-2"));
    }

    void titleInLargerTypeThanTheRest() {
        REQUIRE_PDFTOTEXT();
        const QString pdf = printToPdf(realisticReport(), "sizes.pdf");
        const QString boxes = pdfText(pdf, {"-bbox"});
        auto heightOf = [&boxes](const QString& word) {
            const QRegularExpression pattern(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*yMax=\"([0-9.]+)\">%1<")
                                                 .arg(QRegularExpression::escape(word)));
            const QRegularExpressionMatch match = pattern.match(boxes);
            return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : 0.0;
        };
        const double title = heightOf("Analysis");
        const double body = heightOf("Number");
        QVERIFY(body > 0);
        QVERIFY2(title / body > 1.5 && title / body < 1.85,
                 qPrintable(QStringLiteral("%1 / %2").arg(title).arg(body)));
        const QString fonts = run(tool("pdffonts"), {pdf});
        QVERIFY2(fonts.contains("Bold"), qPrintable(fonts));
    }

    // Every word of the body lines starts where the view puts it: at its column with tabs
    // expanded to multiples of eight characters, times the advance of one character. A tab
    // stop that is not exactly eight advances shows as words drifting off their columns.
    void printedColumnsAreTheViewsColumns() {
        REQUIRE_PDFTOTEXT();
        const QStringList report = realisticReport();
        const QString boxes = pdfText(printToPdf(report, "columns.pdf"), {"-bbox"});

        // The printed words, line by line from the top, each line's words from the left.
        std::map<double, std::vector<std::pair<double, QString>>> printed;
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            printed[match.captured(2).toDouble()].emplace_back(match.captured(1).toDouble(),
                                                               match.captured(3));
        }
        std::vector<std::vector<std::pair<double, QString>>> lines;
        for (auto& [y, words] : printed) {
            std::sort(words.begin(), words.end());
            lines.push_back(words);
        }
        lines.erase(lines.begin());  // the title, in its own type

        // The body lines that hold text, with their words at the columns the view shows.
        std::vector<std::vector<std::pair<int, QString>>> expected;
        for (qsizetype i = 1; i < report.size(); ++i) {
            QString expanded;
            for (QChar c : report[i])
                expanded += c == u'\t' ? QString(8 - expanded.size() % 8, u' ') : QString(c);
            std::vector<std::pair<int, QString>> words;
            for (auto it = QRegularExpression(QStringLiteral("\\S+")).globalMatch(expanded); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                words.emplace_back(int(match.capturedStart()), match.captured());
            }
            if (!words.empty()) expected.push_back(words);
        }
        QCOMPARE(lines.size(), expected.size());

        // The origin and the advance of one character from the shape header's first two words.
        const auto header = std::find_if(expected.begin(), expected.end(),
                                         [](const auto& words) { return words[0].second == "Shape"; });
        const auto& headerPrinted = lines[std::size_t(header - expected.begin())];
        const double left = headerPrinted[0].first;
        const double advance = (headerPrinted[1].first - left) / (*header)[1].first;

        for (std::size_t line = 0; line < lines.size(); ++line) {
            QCOMPARE(lines[line].size(), expected[line].size());
            for (std::size_t w = 0; w < lines[line].size(); ++w) {
                const auto& [column, text] = expected[line][w];
                QCOMPARE(lines[line][w].second, text);
                const double x = left + column * advance;
                QVERIFY2(std::abs(lines[line][w].first - x) < 0.05,
                         qPrintable(QStringLiteral("'%1' at x=%2, its column %3 is at x=%4")
                                        .arg(text)
                                        .arg(lines[line][w].first)
                                        .arg(column)
                                        .arg(x)));
            }
        }
    }

    void longReportGoesOnToFurtherPagesInOrder() {
        REQUIRE_PDFTOTEXT();
        QStringList lines{"Analysis of hands: LONG.qvw"};
        for (int i = 1; i <= 240; ++i) lines << QStringLiteral("Row %1\tend").arg(i, 3, 10, QChar('0'));
        const QString pdf = printToPdf(lines, "long.pdf");
        const int pages = pageCount(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));

        const QString text = pdfText(pdf);
        qsizetype at = 0;
        for (int i = 1; i <= 240; ++i) {
            const QString row = QStringLiteral("Row %1").arg(i, 3, 10, QChar('0'));
            const qsizetype found = text.indexOf(row, at);
            QVERIFY2(found >= at, qPrintable(row));
            QCOMPARE(text.count(row), 1);
            at = found;
        }
        // Every page carries text: no page is started and left blank.
        for (int page = 1; page <= pages; ++page) {
            const QString one = QString::number(page);
            QVERIFY(pdfText(pdf, {"-f", one, "-l", one}).contains("Row"));
        }
    }

    void tooWideLineContinuesBelow() {
        REQUIRE_PDFTOTEXT();
        const QString wide = QStringLiteral("0123456789").repeated(40);
        const QString pdf = printToPdf({"Title", wide, "after"}, "wide.pdf");
        QCOMPARE(pageCount(pdf), 1);
        QString text = pdfText(pdf);
        QVERIFY(!text.contains(wide));
        text.remove(QRegularExpression(QStringLiteral("\\s")));
        QVERIFY(text.contains("Title" + wide + "after"));
    }

    // A report of one empty line is a page; no report at all is refused before the job
    // starts, so a good PDF of an earlier report is never replaced by a blank page.
    void blankReportPrintsOnePageAndNoReportNothing() {
        QCOMPARE(pageCount(printToPdf({""}, "blank.pdf")), 1);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath("blank.pdf"));
        QCOMPARE(printError({}, printer), QStringLiteral("There is no analysis to print"));
        QCOMPARE(pageCount(dir_.filePath("blank.pdf")), 1);
    }

    void noPrinterSelected() {
        QPrinter noFile(QPrinter::HighResolution);
        noFile.setOutputFormat(QPrinter::PdfFormat);
        QCOMPARE(printError(realisticReport(), noFile),
                 QStringLiteral("There is no default printer currently selected"));

        QPrinter unknown;
        unknown.setOutputFormat(QPrinter::NativeFormat);
        unknown.setPrinterName(QStringLiteral("Quorvex test printer that does not exist"));
        if (unknown.outputFormat() == QPrinter::NativeFormat) {
            QVERIFY(!unknown.isValid());
            QCOMPARE(printError(realisticReport(), unknown),
                     QStringLiteral("There is no default printer currently selected"));
        }
    }

    void unwritableFileIsReportedNotIgnored() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath("missing-folder/report.pdf"));
        QVERIFY(!printError(realisticReport(), printer).isEmpty());
        QVERIFY(!QFile::exists(dir_.filePath("missing-folder/report.pdf")));
    }
};

QTEST_MAIN(ReportPrinterTest)
#include "report_printer_test.moc"
