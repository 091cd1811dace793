#pragma once
// The entropy dialog: after Start the user clicks a red square that jumps at random over a
// 3 x 3 grid twelve times. The counter readings and mouse distances of those hits become
// the entropy text that Prepare hashes into the seed, and one line of the entropy log.
#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "entropy/entropy_text.h"
#include "entropy_dialog/platform_services.h"

class QLabel;
class QPainter;
class QPushButton;

namespace quorvex {

class EntropyGrid;

class TEntropyForm : public QDialog {
    Q_OBJECT
public:
    // Checks the counter (showing the "Sorry, ..." message when it has no frequency), seeds
    // the random integers and takes the reading all activation times are measured from.
    // `mainWindow` must not be null: the dialog is placed relative to it.
    TEntropyForm(PlatformServices& platform, std::string programFolder, QWidget* mainWindow);

    // False when the counter's frequency read zero; the program cannot collect entropy then.
    bool counterUsable() const;
    const std::string& EntropyText() const;

signals:
    // At the twelfth hit, before the dialog closes.
    void collectionComplete();

public slots:
    // Only twelve hits close the dialog: Escape and the window manager's close do nothing.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Undoes minimising: the dialog and the main window it blocks stay on screen.
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void FormActivate();
    void placeOnScreen();
    void StartBtnClick();
    void CollectEntropy();
    void SGSelectCell(int col, int row);
    void SGClick();
    void SGDrawCell(QPainter& painter, int col, int row, const QRect& rect) const;
    std::int32_t DistanceMouseMovedH();
    std::int32_t DistanceMouseMovedv();
    void throwCursor();
    void finishCollection(std::int64_t hitReading);
    void writeLog();

    PlatformServices& platform_;
    const std::string programFolder_;
    QWidget* const mainWindow_;

    EntropyGrid* SG = nullptr;
    QPushButton* StartBtn = nullptr;
    QLabel* StaticText1 = nullptr;

    std::int64_t CounterFrequency = 0;
    std::int64_t CreatedTicks = 0;
    std::int64_t ActivatedTicks = 0;
    std::int64_t LastHitOffset = 0;
    std::uint16_t HitCount = 0;
    std::int32_t TargetRow = -1;
    std::int32_t TargetCol = -1;
    bool TargetRed = false;
    std::array<std::array<bool, 3>, 3> Cells{};
    bool MissFlag = false;
    ScreenPoint ReferencePoint;
    ::quorvex::EntropyTextBuilder text_;
};

}  // namespace quorvex
