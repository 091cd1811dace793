#include "app/error_display.h"

#include <QMessageBox>

#include "app/application_title.h"
#include "app/native_text.h"

namespace quorvex {

QString errorDisplayText(const QString& text) {
    if (!text.isEmpty() && text.back().unicode() > u'.') return text + u'.';
    return text;
}

void showErrorText(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), errorDisplayText(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void showError(const std::exception& error) { showErrorText(fromNative8Bit(error.what())); }

QuorvexApplication::QuorvexApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuorvexApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(error);
        return true;
    }
}

}  // namespace quorvex
