// Prepare and Generate through the main window: the locked setup after Prepare, files
// identical to those of the core run the command line uses, the Done message, the View
// and Print buttons across runs, printing, and a run that fails.
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTimer>
#include <map>

#include "app/scope_exit.h"
#include "common/date_text.h"
#include "common/error_texts.h"
#include "common/io_error.h"
#include "engine/deal_stream.h"
#include "formats/output_formats.h"
#include "hash/hash_registry.h"
#include "main_window_session.h"
#include "run/generation_run.h"
#include "widgets/error_display.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// Every file of a folder with its bytes.
std::map<QString, QByteArray> folderContents(const QString& folder) {
    std::map<QString, QByteArray> contents;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly)) contents[name] = file.readAll();
    }
    return contents;
}

QStringList names(const std::map<QString, QByteArray>& contents) {
    QStringList list;
    for (const auto& [name, bytes] : contents) list << name;
    return list;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList toQStringList(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << QString::fromStdString(line);
    return list;
}

const QString DoneText = "  Done. You may deal more boards by clicking Generate again.";

}  // namespace

class MainWindowRunTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folders_.reset(); }

    void prepareLocksTheSetupAndShowsTheRunControls() {
        MainWindowSession s(programFolder());
        s.prepare();
        QVERIFY(!s.edit("IDEdit")->isEnabled());
        QVERIFY(!s.button("InitBtn")->isEnabled());
        QVERIFY(!s.control("SetupGB")->isEnabled());
        for (const char* name : {"BoardsPanel", "FormatGB", "FileGB"})
            QVERIFY2(s.control(name)->isVisible(), name);
        QVERIFY(s.control("ViewAnalysisBtn")->isHidden());
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus == s.spin("NumberSetsSE") || s.spin("NumberSetsSE")->isAncestorOf(focus));
        QCOMPARE(s.label("EntropyGeneratedST"), QString("Thank you. Sufficient entopy has been generated."));
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total boards to generate: 32"));
        QVERIFY(QFile::exists(QDir(programFolder()).filePath("Int160.qvs")));
    }

    void generateWritesTheSameFilesAsTheCoreRun() {
        MainWindowSession s(programFolder());
        s.platform.setCounter(987654321);
        s.prepare();
        s.spin("NumberSetsSE")->setValue(2);
        s.spin("NoBoardsSE")->setValue(3);
        s.spin("FirstSetNoSE")->setValue(5);
        chooseOutputFolder(s, outputFolder());
        QLineEdit* name = s.edit("FileNameEB");
        retype(name, "Club-");
        s.spin("NumberSetsSE")->setFocus();

        // The same identity and entropy text through the core, as the command line runs it.
        QTemporaryDir coreProgram, coreOutput;
        DealStream coreStream;
        coreStream.seed(FindHashClass("THash_RipeMD160"), "YourID", s.entropy.EntropyText());
        RunSettings core;
        core.counts = {2, 3, 5};
        core.conversion.identityText = "YourID";
        core.conversion.programFolder = coreProgram.path().toStdString();
        core.conversion.outputFolder = coreOutput.path().toStdString();
        core.conversion.baseFileName = "Club-";
        core.conversion.runDate = localToday();
        core.analysis = true;

        for (int run = 1; run <= 2; ++run) {  // a second run continues the same stream
            ModalWatcher watcher(answerYes);  // the second run asks before replacing the first's files
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().size(), run);
            QCOMPARE(watcher.messages().last().title, QString("Information"));
            QCOMPARE(watcher.messages().last().text, DoneText);
            QCOMPARE(watcher.messages().last().icon, QMessageBox::Information);

            const RunResult expected = runGeneration(coreStream, core);
            const auto written = folderContents(outputFolder());
            QCOMPARE(names(written),
                     (QStringList{"Club-05.bri", "Club-05.dge", "Club-05.dlm", "Club-05.dup", "Club-05.pbn",
                                  "Club-05.txt", "Club-06.bri", "Club-06.dge", "Club-06.dlm", "Club-06.dup",
                                  "Club-06.pbn", "Club-06.txt"}));
            QVERIFY(written == folderContents(coreOutput.path()));
            const QByteArray mainDealFile = readAll(QDir(programFolder()).filePath("YourID.qvw"));
            QCOMPARE(mainDealFile, readAll(QString::fromStdString(expected.mainDealFile)));
            QVERIFY(mainDealFile.startsWith("2 3  5\r\n"));
            QCOMPARE(mainDealFile.size(), 8 + 6 * 106);
            QCOMPARE(s.analysis.reportLines(), toQStringList(expected.report));
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // Double dummy goes into the PBN files; the Hand Records button appears after a run that
    // wrote hand records (else duplication sheets or curtain cards), opens the first set's
    // document, and goes with a run without any.
    void handRecordsButtonOpensTheFirstSetsDocument() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        s.spin("NumberSetsSE")->setValue(2);
        s.spin("NoBoardsSE")->setValue(2);
        s.check("AnalysisCB")->setChecked(false);
        s.check("DoubleDummyCB")->setChecked(true);
        s.check("HandRecordsCB")->setChecked(true);
        QList<QUrl> opened;
        s.window.setDocumentOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        QPushButton* records = s.button("HandRecordsBtn");
        QVERIFY(records->isHidden());

        QCOMPARE(generate(s), DoneText);
        const QString first = QDir(outputFolder()).filePath("QVW-01.html");
        QVERIFY(QFile::exists(first) && QFile::exists(QDir(outputFolder()).filePath("QVW-02.html")));
        QVERIFY(readAll(QDir(outputFolder()).filePath("QVW-02.pbn")).contains("[DoubleDummyTricks \""));
        QVERIFY(records->isVisible());
        records->click();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(first)});

        s.check("HandRecordsCB")->setChecked(false);
        QDir(outputFolder()).removeRecursively();  // no question about replacing the first run's files
        QDir().mkpath(outputFolder());
        QCOMPARE(generate(s), DoneText);
        QVERIFY(records->isHidden());

        // Without hand records the button opens the first of the other documents.
        s.check("DealingSheetsCB")->setChecked(true);
        s.check("CurtainCardsCB")->setChecked(true);
        QDir(outputFolder()).removeRecursively();
        QDir().mkpath(outputFolder());
        QCOMPARE(generate(s), DoneText);
        QVERIFY(QFile::exists(QDir(outputFolder()).filePath("QVW-02-curtain.html")));
        QVERIFY(records->isVisible());
        records->click();
        QCOMPARE(opened.last(), QUrl::fromLocalFile(QDir(outputFolder()).filePath("QVW-01-dealing.html")));
    }

    // With double dummy the progress counts the boards solved and offers Cancel, which ends
    // the run before any set file is written and says "Cancelled".
    void cancellingTheDoubleDummyAnalysisEndsTheRun() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        s.spin("NoBoardsSE")->setValue(40);
        s.check("DoubleDummyCB")->setChecked(true);
        QString solving;
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const QString activity = s.label("ProgressActivity");
            if (!s.control("ProgressPanel")->isVisible() || !activity.startsWith("Boards solved")) return;
            if (solving.isEmpty()) solving = activity;
            s.button("ProgressCancelBtn")->click();
        });
        timer.start();
        {
            ModalWatcher watcher;
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().size(), 1);
            QCOMPARE(watcher.messages()[0].text, QString("Cancelled"));
        }
        timer.stop();
        QCOMPARE(solving, QString("Boards solved: 0 of 40"));
        QCOMPARE(QDir(outputFolder()).entryList(QDir::Files), QStringList());
        QVERIFY(s.button("GenerateBtn")->isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // Done says how many files went where, and its Open Folder button opens the output folder.
    void doneSaysWhereTheFilesWentAndOpensTheOutputFolder() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        QList<QUrl> opened;
        s.window.setDocumentOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        QString informative;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box || box->text() != DoneText) return false;
            informative = box->informativeText();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "Open &Folder") button->click();
            return true;
        });
        s.button("GenerateBtn")->click();
        const int written = static_cast<int>(QDir(outputFolder()).entryList(QDir::Files).size());
        QVERIFY(written >= 2);
        QCOMPARE(informative,
                 QString("%1 files written in the output folder %2.\nThe main deal file YourID.qvw is in "
                         "the program folder %3.")
                     .arg(written)
                     .arg(outputFolder(), programFolder()));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(outputFolder())});
    }

    // When nothing opens the hand records, the director hears so, with the file's name, and
    // may open its folder instead.
    void handRecordsThatNothingOpensOfferTheirFolder() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        s.check("HandRecordsCB")->setChecked(true);
        QCOMPARE(generate(s), DoneText);
        QList<QUrl> asked;
        s.window.setDocumentOpener([&](const QUrl& url) {
            asked << url;
            return QDir(url.toLocalFile()) == QDir(outputFolder());  // no browser; a file manager
        });
        ModalWatcher watcher(answerYes);
        s.button("HandRecordsBtn")->click();
        const QString document = QDir(outputFolder()).filePath("QVW-01.html");
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages()[0].text, "No program could open the hand records " +
                                                 QDir::toNativeSeparators(document) +
                                                 ".\n\nOpen the folder that holds them?");
        QCOMPARE(asked, (QList<QUrl>{QUrl::fromLocalFile(document), QUrl::fromLocalFile(outputFolder())}));
    }

    // Closing during a run asks; Yes cancels the run, which writes nothing, and the window
    // closes once it has stopped, without a "Cancelled" message.
    void closingDuringARunCancelsItAndCloses() {
        MainWindowSession s(programFolder(), {"quorvex", "QVXTEST"});
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        s.spin("NumberSetsSE")->setValue(200);
        s.spin("NoBoardsSE")->setValue(1000);
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (s.control("ProgressPanel")->isVisible() && !s.label("ProgressActivity").isEmpty()) {
                timer.stop();
                s.window.close();
            }
        });
        timer.start();
        {
            ModalWatcher watcher(answerYes);
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().size(), 1);
            QCOMPARE(watcher.messages()[0].text, QString("A run is in progress. Cancel it and close?"));
        }
        QTRY_VERIFY(!s.window.isVisible());
        QCOMPARE(QDir(outputFolder()).entryList(QDir::Files), QStringList());
    }

    // Double dummy estimated to take more than a few minutes starts only when the director
    // agrees; No (the default) writes nothing.
    void aLongDoubleDummyRunAsksFirst() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        s.spin("NumberSetsSE")->setValue(99);
        s.spin("NoBoardsSE")->setValue(99);
        s.check("DoubleDummyCB")->setChecked(true);
        ModalWatcher watcher;
        s.button("GenerateBtn")->click();
        QCOMPARE(watcher.messages().size(), 1);
        const QRegularExpression question(
            "^Double-dummy analysis of 9801 boards will take about [0-9]+ "
            "(minute|hour)s? on this computer. Start the run\\?$");
        QVERIFY2(question.match(watcher.messages()[0].text).hasMatch(),
                 qPrintable(watcher.messages()[0].text));
        QCOMPARE(QDir(outputFolder()).entryList(QDir::Files), QStringList());
        QVERIFY(!QFile::exists(QDir(programFolder()).filePath("YourID.qvw")));
    }

    void analysisButtonsFollowTheRuns() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        QPushButton* view = s.button("ViewAnalysisBtn");
        QPushButton* print = s.button("PrintAnalysisBtn");
        // No set files, so no run asks before replacing those of the run before.
        for (const OutputFormat& format : OutputFormats)
            s.check(std::string(format.checkBoxName).c_str())->setChecked(false);

        s.check("AnalysisCB")->setChecked(false);
        generate(s);
        QVERIFY(view->isHidden() && print->isHidden());
        QVERIFY(s.analysis.reportLines().isEmpty());
        const std::map<QWidget*, QRect> before = placesOfVisibleControls(s);

        s.check("AnalysisCB")->setChecked(true);
        generate(s);
        QVERIFY(view->isVisible() && print->isVisible());
        // Their place was kept for them: nothing else moved when they appeared.
        const std::map<QWidget*, QRect> after = placesOfVisibleControls(s);
        for (const auto& [control, place] : before)
            QVERIFY2(after.at(control) == place, qPrintable(control->objectName()));
        QVERIFY(view->isEnabled() && print->isEnabled());
        QVERIFY(!s.analysis.reportLines().isEmpty());

        // A run declined at "Replace them?" writes nothing: the report and the buttons stay.
        s.check("dlmCB")->setChecked(true);
        QCOMPARE(generate(s), DoneText);
        const QStringList report = s.analysis.reportLines();
        {
            ModalWatcher watcher;  // answers No, the default
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().size(), 1);
            QVERIFY(watcher.messages()[0].text.endsWith("Replace them?"));
        }
        QVERIFY(view->isVisible() && view->isEnabled() && print->isEnabled());
        QCOMPARE(s.analysis.reportLines(), report);

        // A run without analysis writes files the report does not describe: the report is
        // emptied and the buttons go, after being disabled while the run lasts (the Done
        // message is part of it).
        s.check("AnalysisCB")->setChecked(false);
        bool enabledDuringRun = true;
        {
            ModalWatcher watcher([&](QWidget* modal) {
                enabledDuringRun = view->isEnabled() || print->isEnabled();
                if (auto* box = qobject_cast<QMessageBox*>(modal);
                    box && box->text().endsWith("Replace them?")) {
                    box->button(QMessageBox::Yes)->click();
                    return true;
                }
                return false;
            });
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().size(), 2);
        }
        QVERIFY(!enabledDuringRun);
        QVERIFY(view->isHidden() && print->isHidden());
        QVERIFY(s.analysis.reportLines().isEmpty());
    }

    void shiftEnterInTheFileNameBoxReachesPrintOnceItShows() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        generate(s);
        s.activate();
        QLineEdit* name = s.edit("FileNameEB");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), s.button("PrintAnalysisBtn"));
    }

    void printWritesTheReportToThePdfFileChosenForThePrinter() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        generate(s);
        const QString pdf = QDir(outputFolder()).filePath("report.pdf");
        s.window.printer().setOutputFormat(QPrinter::PdfFormat);
        s.window.printer().setOutputFileName(pdf);
        ModalWatcher watcher;
        s.button("PrintAnalysisBtn")->click();
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages()[0].text,
                 "The analysis was printed to " + QDir::toNativeSeparators(pdf) + ".");
        QVERIFY(readAll(pdf).startsWith("%PDF"));
    }

    void printingWithoutAPrinterSaysSo() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        generate(s);
        ModalWatcher watcher;
        s.button("PrintAnalysisBtn")->click();
        QCOMPARE(watcher.messages().size(), 1);
        QVERIFY(watcher.messages()[0].text.startsWith("There is no default printer currently selected."));
        QVERIFY2(watcher.messages()[0].text.contains("File > Printer Setup") &&
                     watcher.messages()[0].text.contains("Print to File"),
                 qPrintable(watcher.messages()[0].text));
    }

    void aFailedRunIsShownAndTheWindowCarriesOn() {
        MainWindowSession s(programFolder());
        s.prepare();
        const QString gone = QDir(outputFolder()).filePath("gone");
        QDir().mkpath(gone);
        chooseOutputFolder(s, gone);
        generate(s);  // with analysis: View and Print now show
        QDir(gone).removeRecursively();

        std::string coreError;
        try {
            DealStream stream;
            stream.seed(FindHashClass("THash_RipeMD160"), "YourID", "");
            RunSettings settings;
            settings.conversion.identityText = "YourID";
            settings.conversion.programFolder = programFolder().toStdString();
            settings.conversion.outputFolder = gone.toStdString();
            runGeneration(stream, settings);
        } catch (const EInOutError& error) {
            // The window shows paths with the system's separators.
            coreError = displayedErrorText(error.what()) + '\n' +
                        QDir::toNativeSeparators(QString::fromStdString(error.path())).toStdString();
        }
        QVERIFY(!coreError.empty());

        {
            ModalWatcher watcher;
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().size(), 1);
            QCOMPARE(watcher.messages()[0].title, QString("Quorvex for Windows"));
            QCOMPARE(watcher.messages()[0].icon, QMessageBox::Critical);
            QCOMPARE(watcher.messages()[0].text, QString::fromStdString(coreError));  // text, then the file
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(s.button("ViewAnalysisBtn")->isEnabled() && s.button("PrintAnalysisBtn")->isEnabled());
        QVERIFY(s.button("GenerateBtn")->isEnabled());

        QDir().mkpath(gone);
        QCOMPARE(generate(s), DoneText);
    }

    void aRunAsksOnceBeforeReplacingSetFilesAndNoKeepsThem() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        generate(s);
        const QByteArray before = readAll(QDir(outputFolder()).filePath("QVW-01.dlm"));
        const QString question =
            QString("%1 files already exist in %2. Replace them?").arg(OutputFormatCount).arg(outputFolder());
        {
            ModalWatcher watcher;  // answers with the default button, No
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().size(), 1);
            QCOMPARE(watcher.messages()[0].text, question);
        }
        QCOMPARE(readAll(QDir(outputFolder()).filePath("QVW-01.dlm")), before);
        ModalWatcher yes(answerYes);
        s.button("GenerateBtn")->click();
        QCOMPARE(yes.messages().size(), 2);
        QCOMPARE(yes.messages()[1].text, DoneText);
        QVERIFY(readAll(QDir(outputFolder()).filePath("QVW-01.dlm")) != before);
    }

    void aDeviceNameAsTheBaseFileNameIsRefusedWithAMessage() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        s.edit("FileNameEB")->setText("nul");
        QCOMPARE(generate(s), QString("The file name must not be a device name of Windows (nul)."));
        QVERIFY(QDir(outputFolder()).isEmpty());
    }

    void aShortcutRunTakesTheCountsAsTheBoxesShowThem() {
        MainWindowSession s(programFolder());
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        CountSpinBox* sets = s.spin("NumberSetsSE");
        retype(sets, "0");
        QCOMPARE(s.window.totalBoards(), 0u);
        ModalWatcher watcher;
        // The button's access key presses it a moment later, without taking the focus.
        QTest::keyClick(s.window.windowHandle(), Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(watcher.messages().size(), 1);
        QCOMPARE(sets->value(), 1);
        const QByteArray mainDealFile = readAll(QDir(programFolder()).filePath("YourID.qvw"));
        QVERIFY(mainDealFile.startsWith("1 32  1\r\n"));
        QCOMPARE(mainDealFile.count('\n'), 33);
    }

    // The event loop runs while the boards are dealt, converted and analysed: a timer fires,
    // the progress shows how far the run has come, and everything that could start or change
    // a run is disabled, closing included.
    void theWindowKeepsWorkingWhileALargeRunDeals() {
        MainWindowSession s(programFolder(), {"quorvex", "QVXTEST"});
        s.prepare();
        chooseOutputFolder(s, outputFolder());
        s.spin("NumberSetsSE")->setValue(200);
        s.spin("NoBoardsSE")->setValue(1000);

        int ticksDuringRun = 0;
        QStringList shown;
        bool lockedDuringRun = true;
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!s.control("ProgressPanel")->isVisible()) return;
            ++ticksDuringRun;
            if (!s.label("ProgressActivity").isEmpty()) shown << s.label("ProgressActivity");
            for (const char* name : {"GenerateBtn", "NumberSetsSE", "dlmCB", "FileNameEB", "CloseBtn"})
                lockedDuringRun &= !s.control(name)->isEnabled();
            lockedDuringRun &=
                QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            lockedDuringRun &= !s.window.close() && s.window.isVisible();
        });
        timer.start();
        {
            ModalWatcher watcher;  // says No when closing asks to cancel the run
            s.button("GenerateBtn")->click();
            QCOMPARE(watcher.messages().last().text, DoneText);
            for (qsizetype i = 0; i + 1 < watcher.messages().size(); ++i)
                QCOMPARE(watcher.messages()[i].text, QString("A run is in progress. Cancel it and close?"));
        }
        timer.stop();

        QVERIFY2(ticksDuringRun >= 5, qPrintable(QString::number(ticksDuringRun)));
        QVERIFY(lockedDuringRun);
        const QRegularExpression progress(
            "^(Boards dealt: [0-9]+ of 200000|Files written: [0-9]+ of 1200|"
            "Boards analysed: [0-9]+ of 200000)(, about [0-9]+ (second|minute|hour)s? left)?$");
        QCOMPARE(shown.filter(progress), shown);
        QVERIFY2(!shown.filter("Boards dealt").isEmpty(), qPrintable(shown.join(", ")));
        shown.removeDuplicates();
        QVERIFY2(shown.size() >= 2, qPrintable(shown.join(", ")));  // it moved on while shown
        QCOMPARE(readAll(QDir(programFolder()).filePath("YourID.qvw")).size(), 13 + 200000 * 106);
        QVERIFY(s.control("ProgressPanel")->isHidden());
        QVERIFY(s.button("GenerateBtn")->isEnabled() && s.button("CloseBtn")->isEnabled());
    }

    void theDefaultOutputFolderIsMadeWhenFirstUsed() {
#ifdef Q_OS_WIN
        QSKIP("the documents folder does not follow HOME on Windows");
#endif
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const ScopeExit restoreHome([&] { qputenv("HOME", realHome); });
        const QString folder = QDir::toNativeSeparators(QDir(home.path()).filePath("Documents/Quorvex"));

        MainWindowSession s(programFolder());
        QCOMPARE(s.edit("FilepathEB")->text(), folder);
        s.prepare();
        QVERIFY(!QDir(folder).exists());
        QCOMPARE(generate(s), DoneText);
        QVERIFY(QFile::exists(QDir(folder).filePath("QVW-01.dlm")));
    }

private:
    QString programFolder() const { return folders_.programFolder(); }

    // Where every visible control sits, in the window's coordinates.
    static std::map<QWidget*, QRect> placesOfVisibleControls(MainWindowSession& s) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        std::map<QWidget*, QRect> places;
        for (QWidget* control : s.window.findChildren<QWidget*>())
            if (control->isVisible())
                places[control] = QRect(control->mapTo(&s.window, QPoint()), control->size());
        return places;
    }
    QString outputFolder() const { return folders_.outputFolder(); }

    static void chooseOutputFolder(MainWindowSession& s, const QString& folder) {
        s.window.setFolderChooser([folder](QWidget*, const QString&, const QString&) { return folder; });
        QTest::mouseClick(s.edit("FilepathEB"), Qt::LeftButton);
    }

    // Answers Yes to the question whether to replace existing files.
    static bool answerYes(QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box || box->icon() != QMessageBox::Question) return false;
        box->button(QMessageBox::Yes)->click();
        return true;
    }

    // One run; returns the text of the message that ended it.
    static QString generate(MainWindowSession& s) {
        ModalWatcher watcher;
        s.button("GenerateBtn")->click();
        return watcher.messages().value(0).text;
    }

    SessionFolders folders_;
};

QTEST_MAIN(MainWindowRunTest)
#include "main_window_run_test.moc"
