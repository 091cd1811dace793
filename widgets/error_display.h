#pragma once
// The application-wide error display: an error that a handler does not handle itself
// ends that handler and is shown to the director in a message box; the program carries on.
#include <QApplication>
#include <QString>
#include <exception>
#include <utility>

namespace quorvex {

// Shows the error's text in a modal message box: application title, error icon, one OK
// button; a full stop is added after a final letter or digit, as on the command line.
// A file error adds the path of its file on the next line.
void showError(const std::exception& error);

// Runs a handler body; an error escaping it is shown by the display above. Slots are
// wrapped in this because an exception must not unwind through the signal machinery.
template <typename Handler>
void runShowingErrors(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        showError(error);
    }
}

// The application object: errors escaping any event handler end up in the display too, and
// every message box is wide enough for its caption (message_box_width.h).
class QuorvexApplication : public QApplication {
public:
    QuorvexApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace quorvex
