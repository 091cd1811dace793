#pragma once
// The about box: program icon, name, description, version and a picture.
#include <QDialog>

class QLabel;

namespace quorvex {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* mainWindow);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Version;
};

}  // namespace quorvex
