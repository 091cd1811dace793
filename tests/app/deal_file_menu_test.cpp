// File > "Check Deal Files..." and "Convert Deal File...": the check's report in its
// read-only view, and a converted file written with the window's formats, folder and
// base name, never replacing files without asking.
#include <QAction>
#include <QPlainTextEdit>

#include "app/deal_file_view.h"
#include "formats/readers/deal_file_reader.h"
#include "main_window_session.h"
#include "temp_folder.h"
#include "test_deals.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

const char* const ClubPbn =
    "% from another club\n"
    "[Board \"1\"]\n[Deal \"N:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n\n"
    "[Board \"2\"]\n[Deal \"E:A764.AK4.A8.J832 85.Q62.KT954.T75 KQJ92.9873.Q3.Q6 T3.JT5.J762.AK94\"]\n";

void trigger(MainWindowSession& s, const char* action, const QString& file) {
    s.window.setFileChooser(
        [file](QWidget*, const QString&, const QString&, bool) { return QStringList{file}; });
    s.control<QAction>(action)->trigger();
}

}  // namespace

class DealFileMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folders_.reset(); }

    // Both file dialogs open in the output folder, where the files of the last run are.
    void theFileDialogsStartInTheOutputFolder() {
        MainWindowSession s(folders_.programFolder());
        QStringList startFolders;
        s.window.setFileChooser([&](QWidget*, const QString&, const QString& start, bool) {
            startFolders << start;
            return QStringList();
        });
        s.control<QAction>("CheckDealFiles")->trigger();
        s.control<QAction>("ConvertDealFile")->trigger();
        QCOMPARE(startFolders, QStringList(2, s.window.outputFolder()));
    }

    void checkShowsEveryProblemInAReadOnlyView() {
        MainWindowSession s(folders_.programFolder());
        const QString file = QDir(folders_.programFolder()).filePath("Club.qvw");
        writeFile(file.toStdString(), crlfLines({"1 3  1", RoundRobinDeal, RoundRobinDeal, OneSuitEachDeal}));
        QStringList shown;
        bool readOnly = false;
        ModalWatcher watcher([&](QWidget* modal) {
            if (modal != &s.window.dealFileView()) return false;
            shown = s.window.dealFileView().lines();
            readOnly = modal->findChild<QPlainTextEdit*>("CheckMemo")->isReadOnly();
            modal->close();
            return true;
        });
        trigger(s, "CheckDealFiles", file);
        QVERIFY(readOnly);
        const QString shownFile = QDir::toNativeSeparators(file);  // as the window shows paths
        QCOMPARE(
            shown,
            QStringList({shownFile + ": 3 boards", shownFile + ": board 3: each hand holds one whole suit",
                         shownFile + ": board 2: the same deal as board 1", "2 problems found in 1 file."}));
    }

    void convertWritesTheWindowsFormatsAndAsksBeforeReplacing() {
        MainWindowSession s(folders_.programFolder());
        s.window.setFolderChooser(
            [this](QWidget*, const QString&, const QString&) { return folders_.outputFolder(); });
        QTest::mouseClick(s.edit("FilepathEB"), Qt::LeftButton);
        for (const char* box : {"dupCB", "briCB", "dgeCB", "pbnCB"}) s.check(box)->setChecked(false);
        const QString pbn = QDir(folders_.programFolder()).filePath("club.pbn");
        writeFile(pbn.toStdString(), ClubPbn);

        const QString dlm = QDir(folders_.outputFolder()).filePath("QVW-01.dlm");
        const QString txt = QDir(folders_.outputFolder()).filePath("QVW-01.txt");
        {
            ModalWatcher first;
            trigger(s, "ConvertDealFile", pbn);
            QCOMPARE(first.messages().value(0).text, "Wrote 2 files:\n" + QDir::toNativeSeparators(dlm) +
                                                         "\n" + QDir::toNativeSeparators(txt));
        }
        const DealFile read = readDealFile(pbn.toStdString());
        for (const QString& written : {dlm, txt}) {
            const DealFile converted = readDealFile(written.toStdString());
            QCOMPARE(converted.boards.size(), std::size_t{2});
            for (std::size_t b = 0; b < 2; ++b) QVERIFY(converted.boards[b].deal == read.boards[b].deal);
        }

        const std::string before = readFile(dlm.toStdString());
        writeFile(pbn.toStdString(),
                  std::string(ClubPbn).replace(std::string(ClubPbn).find("E:A764"), 1, "S"));
        ModalWatcher second;  // answers the question with its default, No
        trigger(s, "ConvertDealFile", pbn);
        QCOMPARE(second.messages().value(0).text,
                 "2 files already exist in " + folders_.outputFolder() + ". Replace them?");
        QCOMPARE(second.messages().size(), 1);
        QCOMPARE(readFile(dlm.toStdString()), before);
    }

    void aFileThatCannotBeConvertedIsShownAsAnError() {
        MainWindowSession s(folders_.programFolder());
        const QString pbn = QDir(folders_.programFolder()).filePath("gap.pbn");
        writeFile(pbn.toStdString(),
                  std::string(ClubPbn).replace(std::string(ClubPbn).find("\"2\""), 3, "\"3\""));
        ModalWatcher watcher;
        trigger(s, "ConvertDealFile", pbn);
        QVERIFY2(
            watcher.messages().value(0).text.contains("board 3: boards must be numbered 1 to 2 without gaps"),
            qPrintable(watcher.messages().value(0).text));
    }

private:
    SessionFolders folders_;
};

QTEST_MAIN(DealFileMenuTest)
#include "deal_file_menu_test.moc"
