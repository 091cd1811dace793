// The program entry: fills the hash registry, names the application, creates the four
// windows in their fixed order and runs until the main window closes.
#include "app/about_box.h"
#include "app/analysis_dialog.h"
#include "app/main_window.h"
#include "common/product.h"
#include "entropy_dialog/entropy_form.h"
#include "entropy_dialog/qt_platform_services.h"
#include "hash/hash_registry.h"
#include "widgets/error_display.h"
#include "widgets/native_text.h"

int main(int argc, char** argv) {
    quorvex::registerHashClasses();
    quorvex::QuorvexApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationName(QString::fromLatin1(quorvex::ApplicationTitle));

    quorvex::TMainWin mainWin(QApplication::arguments());
    // The entropy dialog takes the counter reading its first number is measured from now,
    // at start-up. Without a usable counter the program ends, however the message went.
    quorvex::QtPlatformServices platform;
    quorvex::TEntropyForm entropyForm(platform, quorvex::toNative8Bit(mainWin.programFolder()), &mainWin);
    if (!entropyForm.counterUsable()) return 1;
    quorvex::TAboutBox aboutBox(&mainWin);
    quorvex::TAnalysisDlg analysisDlg(&mainWin);
    mainWin.attachDialogs(entropyForm, aboutBox, analysisDlg);

    mainWin.show();
    return QApplication::exec();
}
