#pragma once
// "Check Deal Files": a read-only view of the check's report, like the analysis view.
#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace quorvex {

class TDealFileView : public QDialog {
    Q_OBJECT
public:
    explicit TDealFileView(QWidget* owner);

    void setLines(const std::vector<std::string>& lines);
    QStringList lines() const;

private:
    QPlainTextEdit* CheckMemo;
    QPushButton* CloseBtn;
};

}  // namespace quorvex
