#include "app/analysis_dialog.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

#include "app/report_font.h"

namespace quorvex {

namespace {
constexpr int DialogWidth = 798, MemoWidth = 780;
}  // namespace

TAnalysisDlg::TAnalysisDlg(QWidget* owner)
    : QDialog(owner), AnalysisMemo(new QPlainTextEdit(this)), CloseBtn(new QPushButton(tr("&Close"), this)) {
    setWindowTitle(QStringLiteral("Deal Analysis"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(DialogWidth, 518);

    AnalysisMemo->setObjectName(QStringLiteral("AnalysisMemo"));
    AnalysisMemo->setGeometry(5, 8, MemoWidth, 448);
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
    fitToText(text);
}

// The view is as wide as the report's longest line, so no horizontal scroll bar appears,
// and never narrower than at first. Two characters of room take up the cursor and rounding.
void TAnalysisDlg::fitToText(const QStringList& lines) {
    const QFontMetrics metrics(AnalysisMemo->font());
    const int tabStop = static_cast<int>(AnalysisMemo->tabStopDistance());
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.size(Qt::TextExpandTabs, line, tabStop).width());
    const int margins =
        2 * (AnalysisMemo->frameWidth() + static_cast<int>(AnalysisMemo->document()->documentMargin())) +
        AnalysisMemo->verticalScrollBar()->sizeHint().width() + 2 * metrics.averageCharWidth();
    const int memoWidth = std::max(MemoWidth, widest + margins);
    AnalysisMemo->resize(memoWidth, AnalysisMemo->height());
    setFixedSize(memoWidth + DialogWidth - MemoWidth, height());
}

QStringList TAnalysisDlg::reportLines() const {
    const QString text = AnalysisMemo->toPlainText();
    if (text.isEmpty()) return {};
    return text.split(u'\n');
}

}  // namespace quorvex
