// Placement of a printed report with fonts of known size: every character 10 units wide in
// the body font (12 in the title font), so each rule of the printer text stream shows in
// exact coordinates.
#include "app/print_layout.h"

#include <QTest>

using quorvex::FontMeasure;
using quorvex::layoutReport;
using quorvex::ReportFont;
using quorvex::TextRun;

namespace {

FontMeasure monospace(int height, int charWidth) {
    return {height, 8.0 * charWidth,
            [charWidth](const QString& text) { return qreal(charWidth) * static_cast<qreal>(text.size()); }};
}

const FontMeasure Title = monospace(30, 12);  // lines advance 32
const FontMeasure Body = monospace(20, 10);   // lines advance 22, empty ones 20

std::vector<TextRun> layout(const QStringList& lines, int pageWidth = 1000, int pageHeight = 1000) {
    return layoutReport(lines, pageWidth, pageHeight, Title, Body);
}

bool placed(const TextRun& run, int page, int x, int y, const QString& text) {
    if (run.page == page && run.x == x && run.y == y && run.text == text) return true;
    qWarning("run '%s' on page %d at (%g, %d)", qPrintable(run.text), run.page, run.x, run.y);
    return false;
}

}  // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void titleInItsOwnFontThenBodyLinesWithTheirAdvance() {
        const auto runs = layout({"Analysis", "", "Boards", "", "", "Shape"});
        QCOMPARE(runs.size(), std::size_t{3});
        QVERIFY(placed(runs[0], 0, 0, 0, "Analysis"));
        QVERIFY(runs[0].font == ReportFont::Title);
        // Title 30 + 2, then the empty second line by the body font's height.
        QVERIFY(placed(runs[1], 0, 0, 32 + 20, "Boards"));
        QVERIFY(runs[1].font == ReportFont::Body);
        QVERIFY(placed(runs[2], 0, 0, 52 + 22 + 20 + 20, "Shape"));
        QVERIFY(runs[2].font == ReportFont::Body);
    }

    void tabsAdvanceToTheNextMultipleOfEightCharacterAdvances() {
        const auto runs = layout({"T\tx", "\ta", "1234567\tb", "12345678\tc", "\t\td"});
        QVERIFY(placed(runs[1], 0, 96, 0, "x"));  // title font: 8 x 12
        QVERIFY(placed(runs[2], 0, 80, 32, "a"));
        QVERIFY(placed(runs[4], 0, 80, 54, "b"));
        // Standing on a stop, the tab goes on to the following one.
        QVERIFY(placed(runs[6], 0, 160, 76, "c"));
        QVERIFY(placed(runs[7], 0, 160, 98, "d"));
    }

    void aLineTooWideContinuesOnTheNextPrintedLine() {
        // 100 units hold ten characters.
        const auto runs = layout({"", "abcdefghijklmnopqrstuvw", "next"}, 100);
        QCOMPARE(runs.size(), std::size_t{4});
        QVERIFY(placed(runs[0], 0, 0, 30, "abcdefghij"));
        QVERIFY(placed(runs[1], 0, 0, 52, "klmnopqrst"));
        QVERIFY(placed(runs[2], 0, 0, 74, "uvw"));
        QVERIFY(placed(runs[3], 0, 0, 96, "next"));
    }

    void textAfterATabWrapsAtThePageEdge() {
        const auto runs = layout({"", "a\tbcdefg", "1234567890\tz"}, 120);
        QVERIFY(placed(runs[1], 0, 80, 30, "bcde"));
        QVERIFY(placed(runs[2], 0, 0, 52, "fg"));
        // A tab past the page's width starts the next printed line.
        QVERIFY(placed(runs[3], 0, 0, 74, "1234567890"));
        QVERIFY(placed(runs[4], 0, 0, 96, "z"));
    }

    void aCharacterWiderThanThePageIsPrintedAnyway() {
        const auto runs = layout({"", "xy"}, 5);
        QCOMPARE(runs.size(), std::size_t{2});
        QVERIFY(placed(runs[0], 0, 0, 30, "x"));
        QVERIFY(placed(runs[1], 0, 0, 52, "y"));
    }

    void newPageWhenTheNextLineWouldStartBelowThePageLessTwoLines() {
        // Page height 200: a body line ending at y > 200 - 44 = 156 moves to a new page.
        QStringList lines{"Title"};
        for (int i = 1; i <= 8; ++i) lines << QString::number(i);
        const auto runs = layout(lines, 1000, 200);
        // Lines start at 32, 54, 76, 98, 120, 142; the sixth ends at 164 > 156.
        QVERIFY(placed(runs[6], 0, 0, 142, "6"));
        QVERIFY(placed(runs[7], 1, 0, 0, "7"));
        QVERIFY(placed(runs[8], 1, 0, 22, "8"));
    }

    void emptyLinesBreakPagesByTheirOwnHeight() {
        // Empty body lines advance 20 and break when the next would start below 200 - 40.
        QStringList lines{""};
        for (int i = 0; i < 7; ++i) lines << "";
        lines << "after";
        const auto runs = layout(lines, 1000, 200);
        // 30, 50, ..., 150, 170 > 160 after the seventh empty line.
        QCOMPARE(runs.size(), std::size_t{1});
        QVERIFY(placed(runs[0], 1, 0, 0, "after"));
    }

    void noPageIsStartedAfterTheLastLine() {
        QStringList lines{"Title"};
        for (int i = 1; i <= 6; ++i) lines << QString::number(i);
        const auto runs = layout(lines, 1000, 200);
        QCOMPARE(runs.back().page, 0);
    }

    void nothingToPlaceForAnEmptyReport() {
        QVERIFY(layout({}).empty());
        QVERIFY(layout({""}).empty());
    }
};

QTEST_GUILESS_MAIN(PrintLayoutTest)
#include "print_layout_test.moc"
