#include "app/analysis_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "app/report_font.h"

namespace quorvex {

TAnalysisDlg::TAnalysisDlg(QWidget* owner)
    : QDialog(owner), AnalysisMemo(new QPlainTextEdit(this)), CloseBtn(new QPushButton(tr("&Close"), this)) {
    setWindowTitle(QStringLiteral("Deal Analysis"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(798, 518);

    AnalysisMemo->setObjectName(QStringLiteral("AnalysisMemo"));
    AnalysisMemo->setGeometry(5, 8, 780, 448);
    AnalysisMemo->setReadOnly(true);
    AnalysisMemo->setFont(reportFont(9, false));
    // The report's columns are laid out with tabs of eight characters, as on paper.
    AnalysisMemo->setTabStopDistance(reportTabStop(AnalysisMemo->font(), AnalysisMemo->viewport()));
    AnalysisMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    AnalysisMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setGeometry(8, 463, 75, 25);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAnalysisDlg::clearReport() { AnalysisMemo->clear(); }

void TAnalysisDlg::setReport(const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) text.append(QString::fromStdString(line));
    AnalysisMemo->setPlainText(text.join(u'\n'));
}

QStringList TAnalysisDlg::reportLines() const {
    const QString text = AnalysisMemo->toPlainText();
    if (text.isEmpty()) return {};
    return text.split(u'\n');
}

}  // namespace quorvex
