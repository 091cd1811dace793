#include "app/hint_style.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

namespace quorvex {
namespace {

constexpr int HintShowDelayMs = 200;
constexpr int HintDisplayMs = 4000;

class HintDelayStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return HintShowDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Swallows the hint request a widget would otherwise pass on to its parent.
class ParentHintBlocker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

}  // namespace

void applyHintStyle() {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(255, 254, 206));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
    if (!dynamic_cast<HintDelayStyle*>(QApplication::style()))
        QApplication::setStyle(new HintDelayStyle(QStyleFactory::create(QApplication::style()->name())));
}

void setHint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setToolTipDuration(HintDisplayMs);
}

void suppressParentHint(QWidget* widget) { widget->installEventFilter(new ParentHintBlocker(widget)); }

}  // namespace quorvex
