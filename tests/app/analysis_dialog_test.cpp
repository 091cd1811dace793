// The "Deal Analysis" dialog: the report shown read-only in fixed pitch, tabs of eight
// characters, and emptied between runs.
#include "app/analysis_dialog.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "under_wine.h"

using quorvex::TAnalysisDlg;

class AnalysisDialogTest : public QObject {
    Q_OBJECT

    static QPlainTextEdit* memo(TAnalysisDlg& dialog) {
        return dialog.findChild<QPlainTextEdit*>(QStringLiteral("AnalysisMemo"));
    }

    // Horizontal position at which the character at `column` of line `line` is drawn.
    static int xOf(QPlainTextEdit* edit, int line, int column) {
        QTextCursor cursor(edit->document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + column);
        return edit->cursorRect(cursor).left();
    }

private slots:
    void captionsAndTheCloseButton() {
        TAnalysisDlg dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Deal Analysis"));
        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("CloseBtn"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("&Close"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void reportIsShownReplacedAndCleared() {
        TAnalysisDlg dialog(nullptr);
        QVERIFY(dialog.reportLines().isEmpty());

        dialog.setReport({"Analysis of hands: QVW-1.qvw", "", "Total Points:\tNorth\tSouth", "last line  "});
        const QStringList expected{"Analysis of hands: QVW-1.qvw", "", "Total Points:\tNorth\tSouth",
                                   "last line  "};
        QCOMPARE(dialog.reportLines(), expected);
        QCOMPARE(memo(dialog)->document()->blockCount(), 4);

        dialog.setReport({"second run"});
        QCOMPARE(dialog.reportLines(), QStringList{"second run"});

        dialog.clearReport();
        QVERIFY(dialog.reportLines().isEmpty());
        QVERIFY(memo(dialog)->toPlainText().isEmpty());
    }

    void readOnlyToTheUser() {
        TAnalysisDlg dialog(nullptr);
        dialog.setReport({"report"});
        QPlainTextEdit* edit = memo(dialog);
        QVERIFY(edit->isReadOnly());
        dialog.show();
        edit->setFocus();
        QTest::keyClicks(edit, "typed");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(dialog.reportLines(), QStringList{"report"});
    }

    void fixedPitchWithTabsOfEightCharacters() {
        TAnalysisDlg dialog(nullptr);
        QPlainTextEdit* edit = memo(dialog);
        if (quorvex::testing::underWine()) QSKIP("Wine has no fixed-pitch font");
        QVERIFY(QFontInfo(edit->font()).fixedPitch());
        const QFontMetricsF metrics(edit->font());
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
                 metrics.horizontalAdvance(QStringLiteral("WWWW")));

        // A tab lines up with the ninth column, from the line's start or from inside the first
        // stop; ten tabs reach the 81st column exactly, as eighty characters do.
        dialog.setReport({"12345678x", "\tx", "abc\tx", "12345678\tx", std::string(80, '-') + "x",
                          std::string(10, '\t') + "x"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const int ninth = xOf(edit, 0, 8);
        QCOMPARE(xOf(edit, 1, 1), ninth);
        QCOMPARE(xOf(edit, 2, 4), ninth);
        QVERIFY(xOf(edit, 3, 9) > ninth);
        QCOMPARE(xOf(edit, 5, 10), xOf(edit, 4, 80));
    }

    // The view is as wide as the report's longest line: no horizontal scroll bar, also for
    // a report wider than the dialog's first size.
    void theViewFitsTheReportsWidth() {
        for (const int width : {78, 110}) {
            TAnalysisDlg dialog(nullptr);
            dialog.setReport({"Title", std::string(width - 9, '-') + "\tx", ""});
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QPlainTextEdit* edit = memo(dialog);
            QVERIFY2(!edit->horizontalScrollBar()->isVisible(),
                     qPrintable(QString("%1: memo %2, dialog %3, range %4")
                                    .arg(width)
                                    .arg(edit->width())
                                    .arg(dialog.width())
                                    .arg(edit->horizontalScrollBar()->maximum())));
            QVERIFY(edit->geometry().right() < dialog.width());
        }
    }
};

QTEST_MAIN(AnalysisDialogTest)
#include "analysis_dialog_test.moc"
