#pragma once
// Keeps modal windows from blocking a test: while it lives, every modal window that comes
// up is recorded and handed to a handler. Message boxes are answered with their default
// button unless the handler takes care of them; other dialogs must be handled.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace quorvex::testing {

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

class ModalWatcher {
public:
    // Returns true when it has dealt with the window (closed it or started closing it).
    using Handler = std::function<bool(QWidget*)>;

    explicit ModalWatcher(Handler handler = {}) : handler_(std::move(handler)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }

    const QList<SeenMessage>& messages() const { return messages_; }
    int dialogsSeen() const { return dialogsSeen_; }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == current_) return;
        current_ = modal;
        ++dialogsSeen_;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            messages_.append({box->windowTitle(), box->text(), box->icon()});
        if (!(handler_ && handler_(modal))) answer(modal);
        // A dialog that lives on (hidden) may be shown again and must then count anew.
        if (!modal->isVisible()) current_ = nullptr;
    }

    static void answer(QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        QAbstractButton* button = box->defaultButton();
        if (!button) button = box->buttons().value(0);
        if (button)
            button->click();
        else
            box->close();
    }

    Handler handler_;
    QTimer timer_;
    QPointer<QWidget> current_;
    QList<SeenMessage> messages_;
    int dialogsSeen_ = 0;
};

}  // namespace quorvex::testing
