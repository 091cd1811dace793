#include "entropy_dialog/entropy_form.h"

#include <QLabel>
#include <QMessageBox>
#include <QMetaObject>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <stdexcept>

#include "common/error_texts.h"
#include "common/io_error.h"
#include "common/product.h"
#include "entropy/checked_arithmetic.h"
#include "entropy/entropy_log.h"
#include "entropy_dialog/entropy_grid.h"
#include "widgets/error_display.h"

namespace quorvex {

namespace {

constexpr QSize DialogSize{379, 251};
constexpr QRect GridGeometry{53, 3, 266, 158};
constexpr int DialogBelowMainWindowTop = 30;
constexpr int CursorDropBelowGrid = 30;
constexpr std::int32_t CursorScatter = 100;  // the cursor lands 0..99 pixels right of and below its base spot
constexpr std::int32_t SquareCount = EntropyGrid::Rows * EntropyGrid::Columns;

const char* const InstructionText = "Click Start, click each red square until the window closes.";

}  // namespace

// A fixed dialog owned by the main window, so window managers keep it above the window and
// offer neither minimise nor maximise: minimising it would hide the whole program behind
// a modal dialog. Windows (and Wine) give it the thin frame of a fixed-size dialog; window
// managers that offer minimise anyway find it undone (changeEvent).
TEntropyForm::TEntropyForm(PlatformServices& platform, std::string programFolder, QWidget* mainWindow)
    : QDialog(mainWindow,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform),
      programFolder_(std::move(programFolder)),
      mainWindow_(mainWindow) {
    if (!mainWindow_) throw std::invalid_argument("The entropy dialog needs the main window");
    buildControls();
    FormCreate();
}

bool TEntropyForm::counterUsable() const { return CounterFrequency > 0; }

const std::string& TEntropyForm::EntropyText() const { return text_.text(); }

void TEntropyForm::buildControls() {
    setWindowTitle("Entropy Generation");
    setFixedSize(DialogSize);

    SG = new EntropyGrid(this);
    SG->setGeometry(GridGeometry);
    SG->setCellPainter([this](QPainter& painter, int col, int row, const QRect& rect) {
        SGDrawCell(painter, col, row, rect);
    });
    // Handlers run through the error display: no error may unwind through a signal.
    connect(SG, &EntropyGrid::cellSelected, this,
            [this](int col, int row) { runShowingErrors([&] { SGSelectCell(col, row); }); });
    connect(SG, &EntropyGrid::clicked, this, [this] { runShowingErrors([this] { SGClick(); }); });

    StaticText1 = new QLabel(InstructionText, this);
    QFont bold = StaticText1->font();
    bold.setBold(true);
    StaticText1->setFont(bold);
    StaticText1->setAlignment(Qt::AlignCenter);
    // Room for a second line where the system font is too wide for one.
    StaticText1->setWordWrap(true);
    StaticText1->setGeometry(8, 164, DialogSize.width() - 16, 40);

    StartBtn = new QPushButton(style()->standardIcon(QStyle::SP_MediaPlay), "Start", this);
    StartBtn->setGeometry((DialogSize.width() - 90) / 2, 210, 90, 32);
    connect(StartBtn, &QPushButton::clicked, this, [this] { runShowingErrors([this] { StartBtnClick(); }); });
}

void TEntropyForm::FormCreate() {
    CounterFrequency = platform_.counterFrequency();
    if (!counterUsable())
        QMessageBox::critical(mainWindow_, ApplicationTitle, error_text::UnsuitableComputer, QMessageBox::Ok);
    platform_.seedRandom(static_cast<std::uint64_t>(platform_.counter()));
    CreatedTicks = platform_.counter();
}

void TEntropyForm::reject() {}

void TEntropyForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A spontaneous show is the window system restoring the dialog, not a new showing.
    if (!event->spontaneous()) runShowingErrors([this] { FormActivate(); });
}

void TEntropyForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMinimized)) return;
    // Some window managers minimise the main window with the modal dialog, leaving nothing
    // on screen to click. Both come back once the window system has finished minimising.
    QMetaObject::invokeMethod(
        this,
        [this] {
            mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
            setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
        },
        Qt::QueuedConnection);
}

void TEntropyForm::FormActivate() {
    placeOnScreen();
    ActivatedTicks = platform_.counter();
    StartBtn->setEnabled(true);
    SG->setEnabled(false);
    Cells = {};
    LastHitOffset = 0;
    HitCount = 0;
    TargetRow = -1;
    TargetCol = -1;
    TargetRed = false;
    MissFlag = false;
    text_.begin(checkedSubtract(ActivatedTicks, CreatedTicks));
    SG->update();
    StartBtn->setFocus();
}

void TEntropyForm::placeOnScreen() {
    const QRect screen = mainWindow_->screen()->geometry();
    move(screen.x() + (screen.width() - frameGeometry().width()) / 2,
         mainWindow_->frameGeometry().top() + DialogBelowMainWindowTop);
}

void TEntropyForm::StartBtnClick() {
    const std::int64_t startReading = platform_.counter();
    text_.addStart(checkedSubtract(startReading, CreatedTicks));
    SG->setEnabled(true);
    ReferencePoint = platform_.cursorPos();
    CollectEntropy();
}

void TEntropyForm::CollectEntropy() {
    StartBtn->setEnabled(false);
    // Squares are numbered row by row; the new target may be the square just hit.
    const std::int32_t square = platform_.randomInt(SquareCount);
    TargetRow = square / EntropyGrid::Columns;
    TargetCol = square % EntropyGrid::Columns;
    TargetRed = true;
    Cells.at(TargetRow).at(TargetCol) = true;
    SG->update();
}

void TEntropyForm::SGSelectCell(int col, int row) {
    if (!Cells.at(row).at(col)) {
        MissFlag = true;
        return;
    }
    const std::int64_t hitReading = platform_.counter();
    MissFlag = false;
    TargetRed = false;
    Cells[row][col] = false;

    // The first interval runs from the activation, every later one from the previous hit.
    const std::int64_t sinceActivation = checkedSubtract(hitReading, ActivatedTicks);
    const std::int64_t hitInterval = checkedSubtract(sinceActivation, LastHitOffset);
    LastHitOffset = sinceActivation;
    const std::int32_t vertical = DistanceMouseMovedH();
    const std::int32_t horizontal = DistanceMouseMovedv();
    text_.addHit(hitInterval, vertical, horizontal);
    SG->update();

    throwCursor();
    ReferencePoint = platform_.cursorPos();
    ++HitCount;
    if (HitCount == EntropyHitsNeeded) finishCollection(hitReading);
}

void TEntropyForm::SGClick() {
    // A hit is followed by a new red square, a miss by nothing.
    if (!MissFlag) CollectEntropy();
}

void TEntropyForm::SGDrawCell(QPainter& painter, int col, int row, const QRect& rect) const {
    const bool redTarget = TargetRed && row == TargetRow && col == TargetCol;
    painter.fillRect(rect, redTarget ? Qt::red : Qt::blue);
}

std::int32_t TEntropyForm::DistanceMouseMovedH() {
    return checkedDistance(ReferencePoint.y, platform_.cursorPos().y);
}

std::int32_t TEntropyForm::DistanceMouseMovedv() {
    return checkedDistance(ReferencePoint.x, platform_.cursorPos().x);
}

void TEntropyForm::throwCursor() {
    // The cursor lands a little below the grid near the middle of the screen, so the way
    // to the next target differs every time. The vertical offset is drawn first.
    const std::int32_t belowGrid =
        checkedAdd(frameGeometry().top(), SG->y() + SG->height() + CursorDropBelowGrid);
    const std::int32_t y = checkedAdd(belowGrid, platform_.randomInt(CursorScatter));
    const std::int32_t x = checkedAdd(platform_.screenWidth() / 2, platform_.randomInt(CursorScatter));
    platform_.setCursorPos({x, y});
}

void TEntropyForm::finishCollection(std::int64_t hitReading) {
    const std::int64_t endReading = platform_.counter();
    text_.finish(checkedSubtract(endReading, hitReading));
    writeLog();
    SG->setEnabled(false);
    emit collectionComplete();
    accept();
}

void TEntropyForm::writeLog() {
    // A log that cannot be written must not cost the director the collection: the error is
    // shown and the dialog still closes with its text complete.
    try {
        appendEntropyLog(programFolder_, text_.text());
    } catch (const EInOutError& error) {
        showError(error);
    }
}

}  // namespace quorvex
