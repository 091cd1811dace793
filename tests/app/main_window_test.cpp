// The main window driven through its real controls: start state, captions, stored
// settings, the count boxes and the total, the key filter of the two text boxes with
// paste and drop, focus movement, the folder browser and the test switch.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QStyle>
#include <QToolTip>

#include "app/program_folder.h"
#include "main_window_session.h"
#include "under_wine.h"

using namespace quorvex;
using namespace quorvex::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folders_.reset(); }

    // ---- Start ----

    void firstStartShowsTheDefaultsAndCreatesTheStore() {
        MainWindowSession s(programFolder());
        QCOMPARE(s.window.windowTitle(), QString("Quorvex for Windows"));
        if (!testing::underWine())
            QCOMPARE(s.window.size(), QSize(935, 574));  // Wine's fallback font is wider
        QCOMPARE(s.edit("IDEdit")->text(), QString("YourID"));
        QCOMPARE(s.spin("NumberSetsSE")->value(), 1);
        QCOMPARE(s.spin("NoBoardsSE")->value(), 32);
        QCOMPARE(s.spin("FirstSetNoSE")->value(), 1);
        for (const char* name : {"dlmCB", "dupCB", "briCB", "dgeCB", "dfCB", "pbnCB", "AnalysisCB"})
            QVERIFY2(s.check(name)->isChecked(), name);
        QCOMPARE(s.check("pbnCB")->text(), QString("Portable Bridge Notation (.pbn)"));
        for (const char* name : {"DoubleDummyCB", "HandRecordsCB", "DealingSheetsCB", "CurtainCardsCB"})
            QVERIFY2(!s.check(name)->isChecked(), name);
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total Boards to generate: 32"));
        QCOMPARE(s.window.totalBoards(), 32u);
        QCOMPARE(s.edit("FileNameEB")->text(), QString("QVW-"));
        QCOMPARE(s.edit("FilepathEB")->text(), defaultOutputFolder());
        QCOMPARE(s.window.outputFolder(), defaultOutputFolder());  // the box shows where files go
        QCOMPARE(s.label("EntropyGeneratedST"), QString());
        QVERIFY(QFile::exists(settingsFileName()));
    }

    void beforePrepareOnlyTheSetupGroupIsReachable() {
        MainWindowSession s(programFolder());
        QVERIFY(s.control("SetupGB")->isVisible());
        QVERIFY(s.button("CloseBtn")->isVisible());
        for (const char* name : {"BoardsPanel", "FormatGB", "FileGB", "ViewAnalysisBtn", "PrintAnalysisBtn"})
            QVERIFY2(s.control(name)->isHidden(), name);
        QVERIFY(!s.button("GenerateBtn")->isVisible());
    }

    void menuHoldsPrinterSetupAndTheDealFileEntriesUnderFileThenAboutAndQuit() {
        MainWindowSession s(programFolder());
        const QList<QAction*> menu = s.window.menuBar()->actions();
        QCOMPARE(menu.size(), 3);
        QCOMPARE(menu[0]->text(), QString("&File"));
        QCOMPARE(menu[0]->menu()->actions().size(), 3);
        QCOMPARE(menu[0]->menu()->actions()[0]->text(), QString("&Printer Setup"));
        QCOMPARE(menu[0]->menu()->actions()[1]->text(), QString("&Check Deal Files..."));
        QCOMPARE(menu[0]->menu()->actions()[2]->text(), QString("Con&vert Deal File..."));
        QCOMPARE(menu[1]->text(), QString("&About"));
        QCOMPARE(menu[2]->text(), QString("&Quit"));
    }

    void ampersandsShowAsOneAmpersand() {
        MainWindowSession s(programFolder());
        // Group and check box titles treat "&&" as one "&"; labels show their text as it is.
        QCOMPARE(s.control<QGroupBox>("FileGB")->title(), QString("File && Folder Information "));
        QCOMPARE(s.check("briCB")->text(), QString("EBA && Duplimate. (.bri)"));
        QCOMPARE(s.label("StaticText1"),
                 QString("Enter Your User ID & click Prepare to generate a random No. seed."));
        QCOMPARE(s.label("SelectLbl"),
                 QString("Select sets, boards, output formats, filenames & paths. Then click Generate."));
    }

    void formatBoxesShowNoHintTheGroupsFreeAreaDoes() {
        MainWindowSession s(programFolder());
        s.prepare();
        const auto hintOver = [](QWidget* widget) {
            QToolTip::hideText();
            QHelpEvent request(QEvent::ToolTip, QPoint(1, 1), widget->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(widget, &request);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(hintOver(s.check("dlmCB")), QString());
        QCOMPARE(hintOver(s.check("AnalysisCB")), QString("May increase run time slightly."));
        QCOMPARE(hintOver(s.control("FormatGB")), QString("Other formats may be added by request."));

        // Pale yellow hints, up after 200 ms, gone after 4 s.
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 254, 206));
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 200);
        QCOMPARE(s.spin("NoBoardsSE")->toolTipDuration(), 4000);
    }

    void tabOrderFollowsTheWindowsLayout() {
        MainWindowSession s(programFolder());
        const QStringList expected{"IDEdit",
                                   "InitBtn",
                                   "NumberSetsSE",
                                   "NoBoardsSE",
                                   "FirstSetNoSE",
                                   "GenerateBtn",
                                   "dlmCB",
                                   "dupCB",
                                   "briCB",
                                   "dgeCB",
                                   "dfCB",
                                   "pbnCB",
                                   "DoubleDummyCB",
                                   "HandRecordsCB",
                                   "DealingSheetsCB",
                                   "CurtainCardsCB",
                                   "AnalysisCB",
                                   "ViewAnalysisBtn",
                                   "PrintAnalysisBtn",
                                   "HandRecordsBtn",
                                   "FileNameEB",
                                   "FilepathEB",
                                   "CloseBtn"};
        QStringList chain;
        QWidget* w = s.control("IDEdit");
        do {
            if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != s.control("IDEdit"));
        QCOMPARE(chain, expected);
    }

    // ---- Stored settings ----

    void aSettingsFileThatCannotBeWrittenIsReportedAtClose() {
        QFile::remove(settingsFileName());
        QDir().mkpath(settingsFileName());  // a folder where the file goes: nobody can write it
        ModalWatcher watcher;
        {
            MainWindowSession s(programFolder());
            s.window.close();
        }
        QDir(settingsFileName()).removeRecursively();
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(watcher.messages()[0].text, "File access denied.\n" + settingsFileName());
    }

    void closingWritesEveryValueAndTheNextStartReadsThem() {
        QTemporaryDir output;
        {
            MainWindowSession s(programFolder());
            s.prepare();
            s.spin("NumberSetsSE")->setValue(3);
            s.spin("NoBoardsSE")->setValue(24);
            s.spin("FirstSetNoSE")->setValue(5);
            s.check("dlmCB")->setChecked(false);
            s.check("briCB")->setChecked(false);
            s.check("AnalysisCB")->setChecked(false);
            s.check("pbnCB")->setChecked(false);
            s.check("DoubleDummyCB")->setChecked(true);
            s.check("HandRecordsCB")->setChecked(true);
            s.check("CurtainCardsCB")->setChecked(true);
            s.window.setFolderChooser(
                [&](QWidget*, const QString&, const QString&) { return output.path(); });
            QTest::mouseClick(s.edit("FilepathEB"), Qt::LeftButton);
            s.window.close();
        }
        QSettings stored(settingsFileName(), QSettings::IniFormat);
        QCOMPARE(stored.allKeys().size(), 14);
        QCOMPARE(stored.value("BoardsPerSet").toString(), QString("24"));
        QCOMPARE(stored.value("NumberSets").toString(), QString("3"));
        QCOMPARE(stored.value("dlmSelected").toString(), QString("0"));
        QCOMPARE(stored.value("dupSelected").toString(), QString("1"));
        QCOMPARE(stored.value("briSelected").toString(), QString("0"));
        QCOMPARE(stored.value("dgeSelected").toString(), QString("1"));
        QCOMPARE(stored.value("dfSelected").toString(), QString("1"));
        QCOMPARE(stored.value("OutputFolder").toString(), QDir::toNativeSeparators(output.path()));
        QCOMPARE(stored.value("AnalysisSelected").toString(), QString("0"));
        QCOMPARE(stored.value("pbnSelected").toString(), QString("0"));
        QCOMPARE(stored.value("DoubleDummySelected").toString(), QString("1"));
        QCOMPARE(stored.value("HandRecordsSelected").toString(), QString("1"));
        QCOMPARE(stored.value("DealingSheetsSelected").toString(), QString("0"));
        QCOMPARE(stored.value("CurtainCardsSelected").toString(), QString("1"));

        MainWindowSession next(programFolder());
        QCOMPARE(next.spin("NumberSetsSE")->value(), 3);
        QCOMPARE(next.spin("NoBoardsSE")->value(), 24);
        QCOMPARE(next.spin("FirstSetNoSE")->value(), 1);  // not kept
        QVERIFY(!next.check("dlmCB")->isChecked());
        QVERIFY(next.check("dupCB")->isChecked());
        QVERIFY(!next.check("briCB")->isChecked());
        QVERIFY(!next.check("AnalysisCB")->isChecked());
        QVERIFY(!next.check("pbnCB")->isChecked());
        QVERIFY(next.check("DoubleDummyCB")->isChecked());
        QVERIFY(next.check("HandRecordsCB")->isChecked());
        QVERIFY(!next.check("DealingSheetsCB")->isChecked());
        QVERIFY(next.check("CurtainCardsCB")->isChecked());
        QCOMPARE(next.edit("FilepathEB")->text(), QDir::toNativeSeparators(output.path()));
        QCOMPARE(next.edit("FileNameEB")->text(), QString("QVW-"));
        QCOMPARE(next.label("TotalBoardsLbl"), QString("Total Boards to generate: 72"));
    }

    void aMissingFlagChecksItsBox() {
        writeSettingsFile("dlmSelected=0\n");
        MainWindowSession s(programFolder());
        QVERIFY(!s.check("dlmCB")->isChecked());
        QVERIFY(s.check("dgeCB")->isChecked());
    }

    void valuesOfAnUnexpectedKindKeepTheDefaults() {
        writeSettingsFile("BoardsPerSet=lots\nNumberSets=4\nOutputFolder=a, b\ndfSelected=yes\n");
        MainWindowSession s(programFolder());
        QCOMPARE(s.spin("NoBoardsSE")->value(), 32);
        QCOMPARE(s.spin("NumberSetsSE")->value(), 4);
        QVERIFY(s.check("dfCB")->isChecked());
        QCOMPARE(s.edit("FilepathEB")->text(), defaultOutputFolder());
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total Boards to generate: 128"));
    }

    // ---- Count boxes and the total ----

    void storedCountsComeBackWithinTheLimitsOfTheMode_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("testMode");
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("boards");
        QTest::newRow("saved in test mode, normal start")
            << QByteArray("NumberSets=200\nBoardsPerSet=500\n") << false << 99 << 99;
        QTest::newRow("saved in test mode, test start")
            << QByteArray("NumberSets=200\nBoardsPerSet=500\n") << true << 200 << 500;
        QTest::newRow("beyond every limit, normal start")
            << QByteArray("NumberSets=0\nBoardsPerSet=5000\n") << false << 1 << 99;
        QTest::newRow("beyond every limit, test start")
            << QByteArray("NumberSets=0\nBoardsPerSet=5000\n") << true << 1 << 1000;
    }

    void storedCountsComeBackWithinTheLimitsOfTheMode() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, testMode);
        QFETCH(int, sets);
        QFETCH(int, boards);
        writeSettingsFile(stored);
        MainWindowSession s(programFolder(),
                            testMode ? QStringList{"quorvex", "QVXTEST"} : QStringList{"quorvex"});
        QCOMPARE(s.spin("NumberSetsSE")->value(), sets);
        QCOMPARE(s.spin("NoBoardsSE")->value(), boards);
        QCOMPARE(s.window.totalBoards(), std::uint32_t(sets * boards));
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total Boards to generate: %1").arg(sets * boards));
        QCOMPARE(s.spin("FirstSetNoSE")->value(), 1);
    }

    void typedCountsAreClampedWhenTheBoxIsLeft() {
        MainWindowSession s(programFolder());
        s.prepare();
        CountSpinBox* boards = s.spin("NoBoardsSE");
        retype(boards, "250");
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total boards to generate: 250"));  // as typed
        s.spin("FirstSetNoSE")->setFocus();
        QCOMPARE(boards->value(), 99);
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total boards to generate: 99"));

        retype(boards, "-0");  // no sign can be typed; 0 counts as itself until left
        QCOMPARE(boards->text(), QString("0"));
        QCOMPARE(s.window.totalBoards(), 0u);
        s.spin("FirstSetNoSE")->setFocus();
        QCOMPARE(boards->value(), 1);
        QCOMPARE(s.window.totalBoards(), 1u);
    }

    void clearingTheSetsBoxLeavesTheTotalUntilANumberIsTyped() {
        MainWindowSession s(programFolder());
        s.prepare();
        CountSpinBox* sets = s.spin("NumberSetsSE");
        retype(sets, "");
        QCOMPARE(sets->text(), QString());
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total boards to generate: 32"));
        QTest::keyClicks(sets, "3");
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total boards to generate: 96"));
        QCOMPARE(s.window.totalBoards(), 96u);
    }

    void anEmptiedBoxCountsAsTheMinimumWhenLeft() {
        MainWindowSession s(programFolder());
        s.prepare();
        CountSpinBox* boards = s.spin("NoBoardsSE");
        retype(boards, "");
        s.spin("FirstSetNoSE")->setFocus();
        QCOMPARE(boards->text(), QString("1"));
        QCOMPARE(s.window.totalBoards(), 1u);
    }

    void onlyTheStartLabelHasACapitalB() {
        MainWindowSession s(programFolder());
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total Boards to generate: 32"));
        s.spin("FirstSetNoSE")->setValue(2);  // the first set number does not enter the total
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total boards to generate: 32"));
    }

    void theTestSwitchRaisesTheLimitsToAThousand() {
        MainWindowSession s(programFolder(), {"quorvex", "qvxtest"});
        QVERIFY(s.window.testMode());
        s.prepare();
        for (const char* name : {"NumberSetsSE", "NoBoardsSE"}) {
            CountSpinBox* box = s.spin(name);
            retype(box, "1000");
            s.spin("FirstSetNoSE")->setFocus();
            QCOMPARE(box->value(), 1000);
        }
        QCOMPARE(s.label("TotalBoardsLbl"), QString("Total boards to generate: 1000000"));
        QCOMPARE(s.spin("FirstSetNoSE")->limitMaximum(), 99);
        QCOMPARE(s.spin("NoBoardsSE")->toolTip(), QString("Maximum 99"));
    }

    // ---- Identity and file-name boxes ----

    void onlyLettersDigitsSpacesAndHyphensCanBeTyped() {
        MainWindowSession s(programFolder());
        QLineEdit* id = s.edit("IDEdit");
        id->setFocus();
        id->clear();
        QTest::keyClicks(id, "Ab_c.d-1 /:9");
        QCOMPARE(id->text(), QString("Abcd-1 9"));
        QTest::keyClick(id, Qt::Key_Backspace);
        QCOMPARE(id->text(), QString("Abcd-1 "));
    }

    void pastingDroppingAndComposingObeyTheSameRule() {
        MainWindowSession s(programFolder());
        QLineEdit* id = s.edit("IDEdit");
        id->setFocus();
        id->clear();
        QApplication::clipboard()->setText("../a_b");
        QTest::keyClick(id, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(id->text(), QString("ab"));
        id->clear();
        id->paste();  // what the context menu's Paste does
        QCOMPARE(id->text(), QString("ab"));

        id->clear();
        QMimeData dropped;
        dropped.setText("..\\x?y");
        const QPoint spot = id->rect().center();
        QDragEnterEvent enter(spot, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(id, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(spot), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(id, &drop);
        QCOMPARE(id->text(), QString("xy"));

        id->clear();
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("\u00e9-z."));
        QApplication::sendEvent(id, &composed);
        QCOMPARE(id->text(), QString("-z"));
    }

    // Select all, copy, cut and paste work from the keyboard in both boxes; what is pasted
    // passes the same character rule as what is typed.
    void clipboardShortcutsWorkInTheIdentityAndFileNameBoxes() {
        MainWindowSession s(programFolder());
        for (const char* name : {"IDEdit", "FileNameEB"}) {
            if (std::string_view(name) == "FileNameEB") s.prepare();  // the file name shows after Prepare
            QLineEdit* box = s.edit(name);
            box->setFocus();
            box->setText("Club Night");
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(box->selectedText(), QString("Club Night"));
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), QString("Club Night"));
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(box->text(), QString());
            QCOMPARE(QApplication::clipboard()->text(), QString("Club Night"));
            QApplication::clipboard()->setText("Pairs/2026: \"A\"_b");
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), QString("Pairs2026 Ab"));
        }
    }

    void enterInTheIdentityBoxMovesToPrepareWithoutPressingIt() {
        MainWindowSession s(programFolder());
        ModalWatcher watcher;
        s.edit("IDEdit")->setFocus();
        QTest::keyClick(s.edit("IDEdit"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.button("InitBtn"));
        QCOMPARE(watcher.dialogsSeen(), 0);
        QCOMPARE(s.edit("IDEdit")->text(), QString("YourID"));
    }

    void enterInTheFileNameBoxMovesToTheFolderBoxShiftEnterBack() {
        MainWindowSession s(programFolder());
        s.prepare();
        int browsed = 0;
        countBrowsing(s, browsed);
        QLineEdit* name = s.edit("FileNameEB");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), s.edit("FilepathEB"));
        QCOMPARE(browsed, 0);
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), s.check("AnalysisCB"));  // View and Print are hidden
    }

    void aClickSelectsTheWholeTextOfACountOrTheFileName() {
        MainWindowSession s(programFolder());
        s.prepare();
        QLineEdit* boardsText = s.spin("NoBoardsSE")->findChild<QLineEdit*>();
        QTest::mouseClick(boardsText, Qt::LeftButton, {}, QPoint(2, boardsText->height() / 2));
        QTRY_COMPARE(boardsText->selectedText(), QString("32"));

        QLineEdit* name = s.edit("FileNameEB");
        name->setFocus();
        name->deselect();
        QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(2, name->height() / 2));
        QTRY_COMPARE(name->selectedText(), QString("QVW-"));
    }

    void theFileNameBecomesTheBaseNameWhenLeft() {
        MainWindowSession s(programFolder());
        s.prepare();
        QLineEdit* name = s.edit("FileNameEB");
        name->setFocus();
        QTest::qWait(0);
        QCOMPARE(name->selectedText(), QString("QVW-"));  // entry selects the whole text
        QTest::keyClicks(name, "Club_night-");
        QCOMPARE(s.window.baseFileName(), QString("QVW-"));
        s.edit("FilepathEB")->setFocus();
        QCOMPARE(s.window.baseFileName(), QString("Clubnight-"));
    }

    // ---- Output folder ----

    void theFolderBrowserSetsTheOutputFolderCancelKeepsIt() {
        QTemporaryDir stored, chosen;
        writeSettingsFile("OutputFolder=" + stored.path().toUtf8() + "\n");
        MainWindowSession s(programFolder());
        s.prepare();
        QString askedTitle, askedStart;
        QString answer = chosen.path();
        s.window.setFolderChooser([&](QWidget*, const QString& title, const QString& start) {
            askedTitle = title;
            askedStart = start;
            return answer;
        });
        QTest::mouseClick(s.edit("FilepathEB"), Qt::LeftButton);
        QCOMPARE(askedTitle, QString("Select path (folder) for files."));
        QCOMPARE(askedStart, QDir::toNativeSeparators(stored.path()));
        QCOMPARE(s.edit("FilepathEB")->text(), QDir::toNativeSeparators(chosen.path()));
        QCOMPARE(s.window.outputFolder(), QDir::toNativeSeparators(chosen.path()));

        answer.clear();
        QTest::mouseClick(s.control("Label5"), Qt::LeftButton);
        QCOMPARE(askedStart, QDir::toNativeSeparators(chosen.path()));
        QCOMPARE(s.window.outputFolder(), QDir::toNativeSeparators(chosen.path()));
    }

    // The folder is chosen from the keyboard too: Browse... (Alt+B), or Enter or F4 on the
    // folder box.
    void theKeyboardChoosesTheOutputFolder() {
        MainWindowSession s(programFolder());
        s.prepare();
        int browsed = 0;
        countBrowsing(s, browsed);
        QLineEdit* folder = s.edit("FilepathEB");
        folder->setFocus();
        QTest::keyClick(folder, Qt::Key_F4);
        QCOMPARE(browsed, 1);
        QTest::keyClick(folder, Qt::Key_Return);
        QCOMPARE(browsed, 2);
        QTest::keyClick(folder, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s.button("BrowseBtn"));
        QTest::keyClick(s.button("BrowseBtn"), Qt::Key_Space);
        QCOMPARE(browsed, 3);
        s.edit("FileNameEB")->setFocus();
        QTest::keyClick(s.window.windowHandle(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(browsed, 4);            // the access key presses the button a moment later
        QTest::keyClick(folder, Qt::Key_A);  // other keys do nothing: the box only shows the folder
        QCOMPARE(browsed, 4);
    }

    void aStoredFolderThatIsGoneIsNotPreselectedAndCancelKeepsIt() {
        writeSettingsFile("OutputFolder=/no/such/folder/anywhere\n");
        MainWindowSession s(programFolder());
        s.prepare();
        QString askedStart = "unset";
        s.window.setFolderChooser([&](QWidget*, const QString&, const QString& start) {
            askedStart = start;
            return QString();
        });
        QTest::mouseClick(s.edit("FilepathEB"), Qt::LeftButton);
        QCOMPARE(askedStart, QString());
        QCOMPARE(s.edit("FilepathEB")->text(), QDir::toNativeSeparators("/no/such/folder/anywhere"));
    }

    // ---- Menu ----

    void theMenuOpensPrinterSetupAndTheAboutBox() {
#ifdef _WIN32
        QSKIP("Windows' print dialog is its own, not a Qt widget this test can answer");
#endif
        MainWindowSession s(programFolder());
        QStringList opened;
        ModalWatcher watcher([&](QWidget* modal) {
            if (modal->inherits("QPrintDialog"))
                opened << modal->windowTitle() + " / " +
                              modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            else
                opened << modal->objectName();
            qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        s.window.findChild<QAction*>("SetupPrinter")->trigger();
        s.window.findChild<QAction*>("About")->trigger();
        QCOMPARE(opened, (QStringList{"Printer Setup / OK", s.about.objectName()}));
        QVERIFY(!s.about.isVisible());
        s.window.findChild<QAction*>("Quit1")->trigger();
        QVERIFY(!s.window.isVisible());
    }

private:
    QString programFolder() const { return folders_.programFolder(); }

    // The folder browser counts its openings and is cancelled each time.
    static void countBrowsing(MainWindowSession& s, int& browsed) {
        s.window.setFolderChooser([&browsed](QWidget*, const QString&, const QString&) {
            ++browsed;
            return QString();
        });
    }

    SessionFolders folders_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
