#include "app/error_display.h"

#include <QMessageBox>

#include "common/product.h"
#include "app/native_text.h"
#include "common/error_text.h"

namespace quorvex {

void showError(const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle),
                    fromNative8Bit(displayedErrorText(error.what())), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

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
