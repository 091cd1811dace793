#include "widgets/error_display.h"

#include <QMessageBox>
#include <new>

#include "common/error_texts.h"
#include "common/io_error.h"
#include "common/product.h"
#include "widgets/message_box_width.h"
#include "widgets/native_text.h"

namespace quorvex {

void showError(const std::exception& error) {
    // The library's own text for a failed allocation means nothing to a director.
    const bool outOfMemory = dynamic_cast<const std::bad_alloc*>(&error) != nullptr;
    QString text = fromNative8Bit(displayedErrorText(outOfMemory ? error_text::OutOfMemory : error.what()));
    // A file error names its file on a line of its own, below the error's own text.
    if (const auto* fileError = dynamic_cast<const EInOutError*>(&error);
        fileError && !fileError->path().empty())
        text += QLatin1Char('\n') + fromNative8Bit(fileError->path());
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QuorvexApplication::QuorvexApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(new MessageBoxWidener(this));
}

bool QuorvexApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(error);
        return true;
    }
}

}  // namespace quorvex
