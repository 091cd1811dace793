#include "entropy_dialog/entropy_grid.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvex {

namespace {
const QColor GridBackground = Qt::blue;
const QColor GridLineColour{192, 192, 192};
constexpr int ColumnPitch = EntropyGrid::CellWidth + EntropyGrid::GridLineWidth;
constexpr int RowPitch = EntropyGrid::CellHeight + EntropyGrid::GridLineWidth;
}  // namespace

EntropyGrid::EntropyGrid(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // Clicking gives the grid the focus, but no key ever selects a cell.
    setFocusPolicy(Qt::ClickFocus);
}

void EntropyGrid::setCellPainter(CellPainter painter) {
    cellPainter_ = std::move(painter);
    update();
}

QRect EntropyGrid::cellRect(int col, int row) const {
    const QPoint origin = contentsRect().topLeft();
    return {origin.x() + col * ColumnPitch, origin.y() + row * RowPitch, CellWidth, CellHeight};
}

std::optional<EntropyGrid::Cell> EntropyGrid::cellAt(QPoint pos) const {
    // A grid line belongs to the cell before it, so every point of the grid area is a cell.
    const QPoint offset = pos - contentsRect().topLeft();
    if (offset.x() < 0 || offset.y() < 0) return std::nullopt;
    const int col = offset.x() / ColumnPitch;
    const int row = offset.y() / RowPitch;
    if (col >= Columns || row >= Rows) return std::nullopt;
    return Cell{col, row};
}

void EntropyGrid::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), GridBackground);
    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Columns; ++col) {
            const QRect cell = cellRect(col, row);
            painter.fillRect(cell.right() + 1, cell.top(), GridLineWidth, RowPitch, GridLineColour);
            painter.fillRect(cell.left(), cell.bottom() + 1, ColumnPitch, GridLineWidth, GridLineColour);
            if (cellPainter_) cellPainter_(painter, col, row, cell);
        }
    }
}

void EntropyGrid::mousePressEvent(QMouseEvent* event) {
    const auto cell = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : std::nullopt;
    if (!cell) return QFrame::mousePressEvent(event);
    pressedOnCell_ = true;
    emit cellSelected(cell->col, cell->row);
}

void EntropyGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedOnCell_) return QFrame::mouseReleaseEvent(event);
    pressedOnCell_ = false;
    emit clicked();
}

void EntropyGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    // Deliberately not a press: the release after it then finds no press to complete.
    event->accept();
}

void EntropyGrid::changeEvent(QEvent* event) {
    // A press whose release never arrived (the grid was disabled in between) is forgotten.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) pressedOnCell_ = false;
    QFrame::changeEvent(event);
}

}  // namespace quorvex
