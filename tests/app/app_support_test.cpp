// The main window's supporting rules: the test switch, the character rule of the identity
// and file-name boxes, the settings store, the program folder and the error display.
#include <QDir>
#include <QKeyEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <new>
#include <stdexcept>

#include "app/check_parameter_string.h"
#include "app/duration_text.h"
#include "app/identity_text_filter.h"
#include "app/program_folder.h"
#include "app/settings_store.h"
#include "modal_watcher.h"
#include "widgets/error_display.h"
#include "widgets/message_box_width.h"

using namespace quorvex;

namespace {

QKeyEvent keyPress(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   const QString& text = QString()) {
    return QKeyEvent(QEvent::KeyPress, key, modifiers, text);
}

// A widget whose every key press fails, as a handler with an error would.
class FailingWidget : public QWidget {
public:
    int keysSeen = 0;

protected:
    void keyPressEvent(QKeyEvent*) override {
        ++keysSeen;
        throw std::runtime_error("Boom");
    }
};

}  // namespace

class AppSupportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(settingsDir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    }

    void init() {
        QFile::remove(QSettings(QSettings::IniFormat, QSettings::UserScope, "Quorvex").fileName());
    }

    // ---- The test switch ----

    void testSwitchIsTheWholeArgumentInAnyCase() {
        QVERIFY(CheckParameterString({"quorvex", "qvxtest"}));
        QVERIFY(CheckParameterString({"quorvex", "other", "QvXtEsT"}));
        QVERIFY(CheckParameterString({"QVXTEST"}));  // the program path itself counts
        QVERIFY(!CheckParameterString({"quorvex", "/QVXTEST"}));
        QVERIFY(!CheckParameterString({"quorvex", "-qvxtest"}));
        QVERIFY(!CheckParameterString({"quorvex", "QVXTEST "}));
        QVERIFY(!CheckParameterString({"quorvex", "QVXTESTS"}));
        QVERIFY(!CheckParameterString({}));
    }

    void testSwitchFoldsOnlyLettersAToZ() {
        // U+017F (long s) upper-cases to "S" under full Unicode rules.
        QVERIFY(!CheckParameterString({"quorvex", QString::fromUtf8("qvxte\u017Ft")}));
    }

    // ---- Character rule of the two text boxes ----

    void identityCharactersAreLettersDigitsSpaceAndHyphen() {
        for (QChar c : QStringLiteral("azAZ09 -")) QVERIFY2(isIdentityCharacter(c), qPrintable(QString(c)));
        for (QChar c : QStringLiteral("_./\\:*?\"<>|@`[{~\t\x7f\u00e9\u0663"))
            QVERIFY2(!isIdentityCharacter(c), qPrintable(QString::number(c.unicode())));
    }

    void enterMovesTheFocusShiftEnterBackwards() {
        QCOMPARE(classifyKey(keyPress(Qt::Key_Return, Qt::NoModifier, "\r")), KeyAction::FocusNext);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Enter, Qt::KeypadModifier, "\r")), KeyAction::FocusNext);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Return, Qt::ShiftModifier, "\r")), KeyAction::FocusPrevious);
    }

    void allowedCharactersAndEditingKeysPass() {
        QCOMPARE(classifyKey(keyPress(Qt::Key_A, Qt::NoModifier, "a")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_A, Qt::ShiftModifier, "A")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_7, Qt::KeypadModifier, "7")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Space, Qt::NoModifier, " ")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Minus, Qt::NoModifier, "-")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Backspace, Qt::NoModifier, "\b")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Left)), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_End, Qt::ShiftModifier)), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Delete, Qt::NoModifier, "\x7f")), KeyAction::Pass);
    }

    void durationsReadAsPeopleSayThem() {
        using std::chrono::seconds;
        const std::pair<seconds, const char*> rows[] = {
            {seconds(0), "about 1 second"},
            {seconds(1), "about 1 second"},
            {seconds(40), "about 40 seconds"},
            {seconds(89), "about 89 seconds"},
            {seconds(90), "about 2 minutes"},
            {seconds(240), "about 4 minutes"},
            {seconds(89 * 60), "about 89 minutes"},
            {seconds(90 * 60), "about 2 hours"},
            {seconds(3 * 3600 + 1000), "about 3 hours"},
        };
        for (const auto& [duration, text] : rows) QCOMPARE(durationText(duration), QString(text));
    }

    // The time left follows the pace so far, once two seconds and a unit of work are seen.
    void remainingTimeFollowsThePaceSoFar() {
        using namespace std::chrono_literals;
        QCOMPARE(remainingTime(1999ms, 10, 10), std::nullopt);
        QCOMPARE(remainingTime(10s, 0, 10), std::nullopt);
        QCOMPARE(remainingTime(2s, 4, 28), std::optional(std::chrono::seconds(14)));
        QCOMPARE(remainingTime(8s, 32, 999968), std::optional(std::chrono::seconds(249992)));
        QCOMPARE(remainingTime(5s, 1, 0), std::optional(std::chrono::seconds(0)));
    }

    void selectAllAndTheClipboardShortcutsPass() {
        QCOMPARE(classifyKey(keyPress(Qt::Key_A, Qt::ControlModifier, "\x01")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_C, Qt::ControlModifier, "\x03")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_X, Qt::ControlModifier, "\x18")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_V, Qt::ControlModifier, "\x16")), KeyAction::Pass);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Insert, Qt::ShiftModifier)), KeyAction::Pass);  // paste
    }

    void everyOtherCharacterAndUndoAreDropped() {
        QCOMPARE(classifyKey(keyPress(Qt::Key_Underscore, Qt::ShiftModifier, "_")), KeyAction::Drop);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Period, Qt::NoModifier, ".")), KeyAction::Drop);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Slash, Qt::NoModifier, "/")), KeyAction::Drop);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\u00e9"))),
                 KeyAction::Drop);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Escape, Qt::NoModifier, "\x1b")), KeyAction::Drop);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Z, Qt::ControlModifier, "\x1a")), KeyAction::Drop);
        QCOMPARE(classifyKey(keyPress(Qt::Key_Backspace, Qt::ControlModifier, "\x7f")), KeyAction::Drop);
        QCOMPARE(classifyKey(keyPress(Qt::Key_A, Qt::AltModifier, "a")), KeyAction::Drop);
    }

    void validatorStripsForbiddenCharactersAndKeepsTheCursorPlace() {
        IdentityTextValidator validator;
        QString text = "../a_b";
        int pos = 6;
        QCOMPARE(validator.validate(text, pos), QValidator::Acceptable);
        QCOMPARE(text, QString("ab"));
        QCOMPARE(pos, 2);

        text = "Ab_c.d";
        pos = 3;  // behind the underscore
        validator.validate(text, pos);
        QCOMPARE(text, QString("Abcd"));
        QCOMPARE(pos, 2);

        text = "___";
        pos = 1;
        validator.validate(text, pos);
        QCOMPARE(text, QString());
        QCOMPARE(pos, 0);
    }

    // ---- Settings store ----

    void missingValuesKeepTheDefaults() {
        auto store = openSettingsStore();
        StoredSettings defaults;
        defaults.outputFolder = "/program";
        const StoredSettings read = readSettings(*store, defaults);
        QCOMPARE(read.boardsPerSet, 32);
        QCOMPARE(read.numberSets, 1);
        QVERIFY(read.formatsSelected.all());
        QVERIFY(read.analysisSelected);
        QVERIFY(!read.doubleDummySelected);
        QVERIFY(!read.handRecordsSelected);
        QCOMPARE(read.outputFolder, QString("/program"));
    }

    void openingCreatesTheStore() {
        const QString fileName = openSettingsStore()->fileName();
        QVERIFY(fileName.startsWith(settingsDir_.path()));
        QVERIFY(QFile::exists(fileName));
    }

    void everyValueRoundTripsThroughTheFile() {
        StoredSettings written;
        written.boardsPerSet = 24;
        written.numberSets = 7;
        written.formatsSelected = FormatSelection("101010");  // dup, dge and pbn; bit 0 is .dlm
        written.outputFolder = "/tmp/out folder";
        written.analysisSelected = false;
        written.doubleDummySelected = true;
        written.handRecordsSelected = true;
        written.dealingSheetsSelected = true;  // the two documents apart, so a mix-up shows
        written.curtainCardsSelected = false;
        writeSettings(*openSettingsStore(), written);

        auto store = openSettingsStore();
        QCOMPARE(store->value("dlmSelected").toString(), QString("0"));  // flags are stored as 0 and 1
        QCOMPARE(store->value("dupSelected").toString(), QString("1"));
        const StoredSettings read = readSettings(*store, StoredSettings{});
        QCOMPARE(read.boardsPerSet, 24);
        QCOMPARE(read.numberSets, 7);
        QCOMPARE(read.formatsSelected, FormatSelection("101010"));
        QCOMPARE(read.outputFolder, QString("/tmp/out folder"));
        QCOMPARE(read.analysisSelected, false);
        QCOMPARE(read.doubleDummySelected, true);
        QCOMPARE(read.handRecordsSelected, true);
        QCOMPARE(read.dealingSheetsSelected, true);
        QCOMPARE(read.curtainCardsSelected, false);
        QCOMPARE(store->value("pbnSelected").toString(), QString("1"));
        QCOMPARE(store->value("DealingSheetsSelected").toString(), QString("1"));
        QCOMPARE(store->value("CurtainCardsSelected").toString(), QString("0"));
        QCOMPARE(store->allKeys().size(), 14);
    }

    void anyNonZeroFlagReadsAsChecked() {
        auto store = openSettingsStore();
        store->setValue("dlmSelected", 7);
        store->setValue("dupSelected", "-1");
        store->setValue("briSelected", 0);
        const StoredSettings read = readSettings(*store, StoredSettings{});
        QCOMPARE(read.formatsSelected, FormatSelection("111011"));  // only .bri (bit 2) is off
    }

    void valuesOfAnUnexpectedKindAreIgnored() {
        auto store = openSettingsStore();
        store->setValue("BoardsPerSet", "many");
        store->setValue("NumberSets", QStringList{"1", "2"});
        store->setValue("dlmSelected", "yes");
        store->setValue("dgeSelected", 2.5);
        store->setValue("OutputFolder", 12);
        store->setValue("AnalysisSelected", QByteArray("\x01", 1));
        StoredSettings defaults;
        defaults.formatsSelected.reset(0);  // .dlm
        defaults.outputFolder = "/program";
        const StoredSettings read = readSettings(*store, defaults);
        QCOMPARE(read.boardsPerSet, 32);
        QCOMPARE(read.numberSets, 1);
        QCOMPARE(read.formatsSelected, FormatSelection("111110"));  // the kept defaults
        QCOMPARE(read.outputFolder, QString("/program"));
        QCOMPARE(read.analysisSelected, true);
    }

    void numbersAreReadAsTheRegistryHandsThemBack() {
        auto store = openSettingsStore();
        store->setValue("BoardsPerSet", 500);
        store->setValue("NumberSets", 5000u);
        const StoredSettings read = readSettings(*store, StoredSettings{});
        QCOMPARE(read.boardsPerSet, 500);  // clamping is the boxes' business
        QCOMPARE(read.numberSets, 5000);
    }

    void anEmptyOutputFolderKeepsTheDefault() {
        auto store = openSettingsStore();
        store->setValue("OutputFolder", QString());
        StoredSettings defaults;
        defaults.outputFolder = "/program";
        QCOMPARE(readSettings(*store, defaults).outputFolder, QString("/program"));
    }

    // ---- Program folder ----

    // Windows keeps a writable executable's folder; elsewhere the per-user data folder is
    // the program folder wherever the program runs from.
    void theProgramFolderFollowsThePlatformRule() {
        const QString dataFolder =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QTemporaryDir writable;
#ifdef Q_OS_WIN
        QCOMPARE(chooseProgramFolder(writable.path()), QDir::toNativeSeparators(writable.path()));
        QCOMPARE(QDir(writable.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);  // the probe is gone
#else
        QCOMPARE(chooseProgramFolder(writable.path()), dataFolder);
#endif
        QCOMPARE(chooseProgramFolder(writable.filePath("missing")), dataFolder);
        QVERIFY(QDir(dataFolder).exists());
    }

    // ---- Error display ----

    void errorsAreShownWithTitleIconAndOk() {
        int buttons = 0;
        int width = 0;
        testing::ModalWatcher watcher([&](QWidget* modal) {
            buttons = int(qobject_cast<QMessageBox*>(modal)->buttons().size());
            width = modal->width();
            return false;
        });
        showError(std::runtime_error("Access denied"));
        // Wide enough for the caption beside the title bar's icon and buttons.
        QVERIFY2(width >= captionWidth("Quorvex for Windows"), qPrintable(QString::number(width)));
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages()[0].title, QString("Quorvex for Windows"));
        QCOMPARE(watcher.messages()[0].text, QString("Access denied."));
        QCOMPARE(watcher.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }

    void outOfMemoryIsSaidInWords() {
        testing::ModalWatcher watcher;
        showError(std::bad_alloc());
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages()[0].text, QString("Out of memory."));
    }

    void anErrorInAnEventHandlerIsShownAndTheProgramCarriesOn() {
        FailingWidget widget;
        testing::ModalWatcher watcher;
        QTest::keyClick(&widget, Qt::Key_A);
        QTest::keyClick(&widget, Qt::Key_B);
        QCOMPARE(widget.keysSeen, 2);
        QCOMPARE(watcher.messages().size(), 2);
        QCOMPARE(watcher.messages()[1].text, QString("Boom."));
    }

private:
    QTemporaryDir settingsDir_;
};

int main(int argc, char** argv) {
    QuorvexApplication app(argc, argv);
    AppSupportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_support_test.moc"
