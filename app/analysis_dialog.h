#pragma once
// "Deal Analysis": the dialog that shows the analysis report of the last run.
#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace quorvex {

class TAnalysisDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAnalysisDlg(QWidget* owner);

    void clearReport();
    // Replaces the shown report with the core's report lines (tabs kept).
    void setReport(const std::vector<std::string>& lines);
    // The report's lines as shown; empty when there is no report.
    QStringList reportLines() const;

private:
    void fitToText(const QStringList& lines);

    QPlainTextEdit* AnalysisMemo;
    QPushButton* CloseBtn;
};

}  // namespace quorvex
