#pragma once
// The 3 x 3 grid of the entropy dialog. It draws its blue background, the frame and the
// grid lines; the cells themselves are painted by its owner. A mouse press on a cell
// selects it, the release that follows is the click. The keyboard selects nothing, and the
// second press of a double click neither selects nor clicks.
#include <QFrame>
#include <functional>
#include <optional>

namespace quorvex {

class EntropyGrid : public QFrame {
    Q_OBJECT
public:
    static constexpr int Columns = 3;
    static constexpr int Rows = 3;
    static constexpr int CellWidth = 86;
    static constexpr int CellHeight = 50;
    static constexpr int GridLineWidth = 1;

    // Paints one cell: column, row, the cell's rectangle in grid coordinates.
    using CellPainter = std::function<void(QPainter&, int, int, const QRect&)>;

    explicit EntropyGrid(QWidget* parent);

    void setCellPainter(CellPainter painter);
    QRect cellRect(int col, int row) const;

signals:
    void cellSelected(int col, int row);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Cell {
        int col;
        int row;
    };
    std::optional<Cell> cellAt(QPoint pos) const;

    CellPainter cellPainter_;
    bool pressedOnCell_ = false;
};

}  // namespace quorvex
