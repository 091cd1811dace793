#pragma once
// Drives a showing entropy dialog the way a director does: mouse clicks through the window
// system on Start and on the grid's cells. The red square is found on screen, so these
// helpers work whatever the random integers are.
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <stdexcept>
#include <vector>

#include "entropy/entropy_text.h"
#include "entropy_dialog/entropy_form.h"
#include "entropy_dialog/entropy_grid.h"

namespace quorvex::testing {

struct GridCell {
    int col;
    int row;
    bool operator==(const GridCell&) const = default;
};

inline EntropyGrid& entropyGrid(TEntropyForm& form) {
    auto* grid = form.findChild<EntropyGrid*>();
    if (!grid) throw std::logic_error("The entropy dialog has no grid");
    return *grid;
}

inline QPushButton& entropyStartButton(TEntropyForm& form) {
    auto* button = form.findChild<QPushButton*>();
    if (!button) throw std::logic_error("The entropy dialog has no Start button");
    return *button;
}

// Every cell whose centre is painted red.
inline std::vector<GridCell> redCells(EntropyGrid& grid) {
    const QImage image = grid.grab().toImage();
    std::vector<GridCell> red;
    for (int row = 0; row < EntropyGrid::Rows; ++row)
        for (int col = 0; col < EntropyGrid::Columns; ++col)
            if (image.pixelColor(grid.cellRect(col, row).center()) == QColor(Qt::red))
                red.push_back({col, row});
    return red;
}

// A point of `widget` in the coordinates of its window, for events sent through the window system.
inline QPoint windowPoint(QWidget& widget, QPoint point) { return widget.mapTo(widget.window(), point); }

inline QWindow& windowOf(QWidget& widget) {
    QWindow* window = widget.window()->windowHandle();
    if (!window) throw std::logic_error("The widget's window is not shown");
    return *window;
}

inline void pressCell(EntropyGrid& grid, GridCell cell) {
    QTest::mousePress(&windowOf(grid), Qt::LeftButton, {},
                      windowPoint(grid, grid.cellRect(cell.col, cell.row).center()));
}

inline void releaseCell(EntropyGrid& grid, GridCell cell) {
    QTest::mouseRelease(&windowOf(grid), Qt::LeftButton, {},
                        windowPoint(grid, grid.cellRect(cell.col, cell.row).center()));
}

inline void clickCell(EntropyGrid& grid, GridCell cell) {
    pressCell(grid, cell);
    releaseCell(grid, cell);
}

inline void clickStart(TEntropyForm& form) {
    QPushButton& start = entropyStartButton(form);
    QTest::mouseClick(&windowOf(start), Qt::LeftButton, {}, windowPoint(start, start.rect().center()));
}

// Clicks the red square `hits` times; throws when there is not exactly one red square.
inline void hitRedSquares(TEntropyForm& form, int hits) {
    EntropyGrid& grid = entropyGrid(form);
    for (int hit = 0; hit < hits; ++hit) {
        const std::vector<GridCell> red = redCells(grid);
        if (red.size() != 1)
            throw std::logic_error("The entropy dialog does not show exactly one red square");
        clickCell(grid, red.front());
    }
}

// The whole collection: Start, then the twelve hits that close the dialog.
inline void collectEntropy(TEntropyForm& form) {
    clickStart(form);
    hitRedSquares(form, EntropyHitsNeeded);
}

}  // namespace quorvex::testing
