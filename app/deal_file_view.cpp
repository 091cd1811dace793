#include "app/deal_file_view.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/report_font.h"
#include "widgets/native_text.h"

namespace quorvex {

TDealFileView::TDealFileView(QWidget* owner)
    : QDialog(owner), CheckMemo(new QPlainTextEdit(this)), CloseBtn(new QPushButton(tr("&Close"), this)) {
    setWindowTitle(QStringLiteral("Check Deal Files"));
    resize(798, 518);

    CheckMemo->setObjectName(QStringLiteral("CheckMemo"));
    CheckMemo->setReadOnly(true);
    CheckMemo->setFont(reportFont(9, false));
    CheckMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckMemo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CloseBtn);
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

void TDealFileView::setLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) text.append(fromNative8Bit(line));
    CheckMemo->setPlainText(text.join(u'\n'));
}

QStringList TDealFileView::lines() const {
    const QString text = CheckMemo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

}  // namespace quorvex
