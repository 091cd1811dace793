#include "app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <iterator>
#include <limits>

#include "analysis/double_dummy.h"
#include "app/about_box.h"
#include "app/analysis_dialog.h"
#include "app/busy_cursor.h"
#include "app/check_parameter_string.h"
#include "app/count_spin_box.h"
#include "app/deal_file_view.h"
#include "app/duration_text.h"
#include "app/filtered_line_edit.h"
#include "app/hint_style.h"
#include "app/program_folder.h"
#include "app/progress_panel.h"
#include "app/report_printer.h"
#include "app/scope_exit.h"
#include "app/settings_store.h"
#include "common/date_text.h"
#include "common/error_texts.h"
#include "common/io_error.h"
#include "common/name_text.h"
#include "common/product.h"
#include "entropy_dialog/entropy_form.h"
#include "formats/check/board_problems.h"
#include "formats/check/deal_file_check.h"
#include "formats/readers/deal_file_reader.h"
#include "run/deal_file_conversion.h"
#include "widgets/error_display.h"
#include "widgets/native_text.h"

namespace quorvex {
namespace {

constexpr QSize WindowSize{935, 574};

const char* const FolderBrowserTitle = "Select path (folder) for files.";
const char* const DoneText = "  Done. You may deal more boards by clicking Generate again.";
const char* const EntropyDoneText = "Thank you. Sufficient entopy has been generated.";
const char* const StartTotalCaption = "Total Boards to generate: ";
const char* const TotalCaption = "Total boards to generate: ";

QString defaultFolderChooser(QWidget* parent, const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parent, title, startFolder, QFileDialog::ShowDirsOnly);
}

QStringList defaultFileChooser(QWidget* parent, const QString& title, const QString& startFolder,
                               bool several) {
    const QString filter =
        QStringLiteral("Deal files (*.pbn *.dlm *.dup *.bri *.dge *.txt *.qvw);;All files (*)");
    if (several) return QFileDialog::getOpenFileNames(parent, title, startFolder, filter);
    const QString file = QFileDialog::getOpenFileName(parent, title, startFolder, filter);
    return file.isEmpty() ? QStringList() : QStringList{file};
}

// A message the handler shows itself: application title, no icon, OK.
void showPlainMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

// A question with Yes and No; true for Yes. `defaultButton` is what Enter answers.
bool askYesNo(QWidget* parent, const QString& question, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ApplicationTitle), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultButton);
    return box.exec() == QMessageBox::Yes;
}

// Double dummy longer than this is started only when the director agrees.
constexpr std::chrono::minutes LongDoubleDummy{3};

// Gives a control the name of its role.
template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A button with a picture, as the window's action buttons are.
QPushButton* pictureButton(QStyle::StandardPixmap picture, const char* caption, QWidget* parent) {
    return new QPushButton(parent->style()->standardIcon(picture), QString::fromLatin1(caption), parent);
}

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Counts are typed within 0..1000 each, so the product fits easily; it is still bounded to
// a count a run can deal, whatever the boxes hold.
std::uint32_t boardCount(long long boards, long long sets) {
    return static_cast<std::uint32_t>(
        std::clamp<long long>(boards * sets, 0, std::numeric_limits<std::uint32_t>::max()));
}

// The report's percentages use the user's decimal separator when it is a single 8-bit
// character (the report is 8-bit text); otherwise a full stop.
char reportDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.front().unicode() < 0x80)
        return static_cast<char>(point.front().unicode());
    return '.';
}

}  // namespace

TMainWin::TMainWin(const QStringList& arguments, const QString& programFolder)
    : folderChooser_(defaultFolderChooser),
      fileChooser_(defaultFileChooser),
      documentOpener_(QDesktopServices::openUrl) {
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    buildMenu();
    buildControls();
    setTabOrderOfControls();
    connectHandlers();
    FormCreate(arguments, programFolder);
    resize(WindowSize);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

TMainWin::~TMainWin() = default;

void TMainWin::attachDialogs(TEntropyForm& entropy, TAboutBox& about, TAnalysisDlg& analysis) {
    entropyForm_ = &entropy;
    aboutBox_ = &about;
    analysisDlg_ = &analysis;
    connect(entropyForm_, &TEntropyForm::collectionComplete, this, [this] { entropyCollected(); });
}

void TMainWin::setFolderChooser(FolderChooser chooser) { folderChooser_ = std::move(chooser); }

void TMainWin::setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

TDealFileView& TMainWin::dealFileView() {
    if (!dealFileView_) {
        dealFileView_ = new TDealFileView(this);
        dealFileView_->setObjectName(QStringLiteral("DealFileView"));
    }
    return *dealFileView_;
}

// ---- Building the window ----

void TMainWin::buildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* setupPrinter = file->addAction(QStringLiteral("&Printer Setup"));
    setupPrinter->setObjectName(QStringLiteral("SetupPrinter"));
    connect(setupPrinter, &QAction::triggered, this,
            [this] { runShowingErrors([this] { SetupPrinterClick(); }); });

    CheckDealFiles = file->addAction(QStringLiteral("&Check Deal Files..."));
    CheckDealFiles->setObjectName(QStringLiteral("CheckDealFiles"));
    connect(CheckDealFiles, &QAction::triggered, this,
            [this] { runShowingErrors([this] { CheckDealFilesClick(); }); });
    ConvertDealFile = file->addAction(QStringLiteral("Con&vert Deal File..."));
    ConvertDealFile->setObjectName(QStringLiteral("ConvertDealFile"));
    connect(ConvertDealFile, &QAction::triggered, this,
            [this] { runShowingErrors([this] { ConvertDealFileClick(); }); });

    QAction* about = menuBar()->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, [this] { runShowingErrors([this] { AboutClick(); }); });

    Quit1 = menuBar()->addAction(QStringLiteral("&Quit"));
    Quit1->setObjectName(QStringLiteral("Quit1"));
    connect(Quit1, &QAction::triggered, this, &QWidget::close);
}

void TMainWin::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    layout->addWidget(buildSetupGroup());

    EntropyGeneratedST = named(boldLabel(QString(), central), "EntropyGeneratedST");
    QPalette blue = EntropyGeneratedST->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    EntropyGeneratedST->setPalette(blue);
    EntropyGeneratedST->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(EntropyGeneratedST);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildBoardsPanel(), 1);
    middle->addWidget(buildFormatGroup(), 1);
    layout->addLayout(middle);
    layout->addWidget(buildFileGroup());
    layout->addStretch(1);

    CloseBtn = named(pictureButton(QStyle::SP_DialogCloseButton, "&Close", central), "CloseBtn");
    RunProgress = new ProgressPanel(central);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(RunProgress, 1);
    bottom->addStretch(1);
    bottom->addWidget(CloseBtn);
    layout->addLayout(bottom);

    setCentralWidget(central);
}

QWidget* TMainWin::buildSetupGroup() {
    SetupGB = named(new QGroupBox(QStringLiteral(" Setup and entropy generation ")), "SetupGB");
    auto* grid = new QGridLayout(SetupGB);

    grid->addWidget(new QLabel(QStringLiteral("Your Identity:"), SetupGB), 0, 0);
    IDEdit = named(new FilteredLineEdit(QString::fromLatin1(DefaultIdentityText), SetupGB), "IDEdit");
    grid->addWidget(IDEdit, 0, 1);
    InitBtn = named(pictureButton(QStyle::SP_BrowserReload, "&Prepare", SetupGB), "InitBtn");
    grid->addWidget(InitBtn, 0, 2);
    // A label shows its text as it is: the stored caption's "&&" is a single "&" here.
    StaticText1 =
        named(boldLabel(QStringLiteral("Enter Your User ID & click Prepare to generate a random No. seed."),
                        SetupGB),
              "StaticText1");
    grid->addWidget(StaticText1, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return SetupGB;
}

QWidget* TMainWin::buildBoardsPanel() {
    BoardsPanel = named(new QGroupBox(QStringLiteral(" Boards ")), "BoardsPanel");
    auto* grid = new QGridLayout(BoardsPanel);

    NumberSetsSE =
        named(new CountSpinBox(1, TestModeCountLimit, DefaultNumberOfSets, BoardsPanel), "NumberSetsSE");
    // The hints name the normal limit, also under the test switch.
    const QString maximumHint = QStringLiteral("Maximum %1").arg(NormalCountLimit);
    setHint(NumberSetsSE, maximumHint);
    grid->addWidget(new QLabel(QStringLiteral("Number of Sets to prepare:"), BoardsPanel), 0, 0);
    grid->addWidget(NumberSetsSE, 0, 1);

    NoBoardsSE =
        named(new CountSpinBox(1, TestModeCountLimit, DefaultBoardsPerSet, BoardsPanel), "NoBoardsSE");
    setHint(NoBoardsSE, maximumHint);
    grid->addWidget(new QLabel(QStringLiteral("Number of Boards per set:"), BoardsPanel), 1, 0);
    grid->addWidget(NoBoardsSE, 1, 1);

    const QString firstSetHint =
        QStringLiteral("Typically 1 - most users will not need to change this value.");
    FirstSetNoSE =
        named(new CountSpinBox(1, FirstSetNumberLimit, DefaultFirstSetNumber, BoardsPanel), "FirstSetNoSE");
    setHint(FirstSetNoSE, firstSetHint);
    auto* firstSetLabel = new QLabel(QStringLiteral("First Set Number:"), BoardsPanel);
    setHint(firstSetLabel, firstSetHint);
    grid->addWidget(firstSetLabel, 2, 0);
    grid->addWidget(FirstSetNoSE, 2, 1);

    TotalBoardsLbl =
        named(new QLabel(QStringLiteral("Total boards to generate:"), BoardsPanel), "TotalBoardsLbl");
    grid->addWidget(TotalBoardsLbl, 3, 0, 1, 2);

    SelectLbl = named(
        boldLabel(
            QStringLiteral("Select sets, boards, output formats, filenames & paths. Then click Generate."),
            BoardsPanel),
        "SelectLbl");
    SelectLbl->setWordWrap(true);
    grid->addWidget(SelectLbl, 4, 0, 1, 2);

    GenerateBtn = named(pictureButton(QStyle::SP_MediaPlay, "&Generate", BoardsPanel), "GenerateBtn");
    grid->addWidget(GenerateBtn, 5, 1);
    grid->setColumnStretch(2, 1);
    return BoardsPanel;
}

QWidget* TMainWin::buildFormatGroup() {
    FormatGB = named(new QGroupBox(QStringLiteral(" Output Formats ")), "FormatGB");
    setHint(FormatGB, QStringLiteral("Other formats may be added by request."));
    auto* grid = new QGridLayout(FormatGB);

    const int firstFormatRow = grid->rowCount();
    for (std::size_t i = 0; i < OutputFormats.size(); ++i) {
        const OutputFormat& format = OutputFormats[i];
        auto* box = new QCheckBox(latin1(format.caption), FormatGB);
        box->setObjectName(latin1(format.checkBoxName));
        box->setChecked(true);
        suppressParentHint(box);
        grid->addWidget(box, grid->rowCount(), 0, 1, 2);
        formatBoxes_[i] = box;
    }

    // The two extras of the evening's results stand beside the formats, keeping the group's height.
    DoubleDummyCB = named(new QCheckBox(QStringLiteral("Double-dummy analysis"), FormatGB), "DoubleDummyCB");
    setHint(DoubleDummyCB,
            QStringLiteral("Tricks and par of every board in the PBN files and hand records."));
    grid->addWidget(DoubleDummyCB, firstFormatRow, 2);
    HandRecordsCB = named(new QCheckBox(QStringLiteral("Hand records (.html)"), FormatGB), "HandRecordsCB");
    setHint(HandRecordsCB,
            QStringLiteral("A printable sheet of every set's boards, opened in your browser."));
    grid->addWidget(HandRecordsCB, firstFormatRow + 1, 2);
    DealingSheetsCB =
        named(new QCheckBox(QStringLiteral("Duplication sheets (.html)"), FormatGB), "DealingSheetsCB");
    setHint(DealingSheetsCB, QStringLiteral("Every board's cards in sorted-deck order, to deal it by hand."));
    grid->addWidget(DealingSheetsCB, firstFormatRow + 2, 2);
    CurtainCardsCB =
        named(new QCheckBox(QStringLiteral("Curtain cards (.html)"), FormatGB), "CurtainCardsCB");
    setHint(CurtainCardsCB, QStringLiteral("A slip with each seat's hand for every board's pockets."));
    grid->addWidget(CurtainCardsCB, firstFormatRow + 3, 2);

    AnalysisCB = named(new QCheckBox(QStringLiteral("Basic Analysis of all boards just dealt."), FormatGB),
                       "AnalysisCB");
    AnalysisCB->setChecked(true);
    setHint(AnalysisCB, QStringLiteral("May increase run time slightly."));
    const int analysisRow = grid->rowCount();
    grid->addWidget(AnalysisCB, analysisRow, 0, 1, 2);

    ViewAnalysisBtn =
        named(pictureButton(QStyle::SP_FileDialogContentsView, "&View", FormatGB), "ViewAnalysisBtn");
    setHint(ViewAnalysisBtn, QStringLiteral("View analysis of last deal"));
    PrintAnalysisBtn =
        named(pictureButton(QStyle::SP_DialogSaveButton, "&Print", FormatGB), "PrintAnalysisBtn");
    setHint(PrintAnalysisBtn, QStringLiteral("Print Analysis of last deal"));
    // Hidden until the first run with analysis (or hand records), but their place is kept
    // from the start so nothing in the window moves when they appear.
    HandRecordsBtn =
        named(pictureButton(QStyle::SP_FileDialogDetailedView, "Hand &Records", FormatGB), "HandRecordsBtn");
    setHint(HandRecordsBtn, QStringLiteral("Open the hand records of the last deal"));
    for (QPushButton* button : {ViewAnalysisBtn, PrintAnalysisBtn, HandRecordsBtn}) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }
    grid->addWidget(ViewAnalysisBtn, analysisRow + 1, 0);
    grid->addWidget(PrintAnalysisBtn, analysisRow + 1, 1);
    grid->addWidget(HandRecordsBtn, analysisRow + 1, 2);
    grid->setColumnStretch(3, 1);
    return FormatGB;
}

QWidget* TMainWin::buildFileGroup() {
    FileGB = named(new QGroupBox(QStringLiteral("File && Folder Information ")), "FileGB");
    auto* grid = new QGridLayout(FileGB);

    Label4 =
        named(boldLabel(QStringLiteral("Filename for saved hands. (Extentions will be added automatically)."),
                        FileGB),
              "Label4");
    grid->addWidget(Label4, 0, 0);
    FileNameEB = named(new FilteredLineEdit(baseFileName_, FileGB), "FileNameEB");
    grid->addWidget(FileNameEB, 1, 0);

    Label5 =
        named(boldLabel(QStringLiteral("File (folder) path for saved hands. Click here to change."), FileGB),
              "Label5");
    Label5->setCursor(Qt::PointingHandCursor);
    grid->addWidget(Label5, 2, 0);
    // Only the folder browser sets the output folder; the box just shows it.
    FilepathEB = named(new QLineEdit(FileGB), "FilepathEB");
    FilepathEB->setReadOnly(true);
    setHint(FilepathEB, QStringLiteral("Enter or F4 chooses another folder."));
    grid->addWidget(FilepathEB, 3, 0);
    BrowseBtn = named(new QPushButton(QStringLiteral("&Browse..."), FileGB), "BrowseBtn");
    grid->addWidget(BrowseBtn, 3, 1);
    return FileGB;
}

void TMainWin::setTabOrderOfControls() {
    std::vector<QWidget*> order = {IDEdit, InitBtn, NumberSetsSE, NoBoardsSE, FirstSetNoSE, GenerateBtn};
    order.insert(order.end(), formatBoxes_.begin(), formatBoxes_.end());
    order.insert(order.end(),
                 {DoubleDummyCB, HandRecordsCB, DealingSheetsCB, CurtainCardsCB, AnalysisCB, ViewAnalysisBtn,
                  PrintAnalysisBtn, HandRecordsBtn, FileNameEB, FilepathEB, BrowseBtn, CloseBtn});
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TMainWin::connectHandlers() {
    const auto handle = [this](auto* sender, auto signal, void (TMainWin::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { runShowingErrors([this, handler] { (this->*handler)(); }); });
    };
    handle(InitBtn, &QPushButton::clicked, &TMainWin::InitBtnClick);
    handle(GenerateBtn, &QPushButton::clicked, &TMainWin::GenerateBtnClick);
    handle(HandRecordsBtn, &QPushButton::clicked, &TMainWin::HandRecordsBtnClick);
    handle(ViewAnalysisBtn, &QPushButton::clicked, &TMainWin::ViewAnalysisBtnClick);
    handle(PrintAnalysisBtn, &QPushButton::clicked, &TMainWin::PrintAnalysisBtnClick);
    handle(BrowseBtn, &QPushButton::clicked, &TMainWin::FilepathEBClick);
    for (CountSpinBox* box : {NumberSetsSE, NoBoardsSE, FirstSetNoSE})
        handle(box, &CountSpinBox::countTextChanged, &TMainWin::NumberSetsSEChange);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    FileNameEB->installEventFilter(this);
    FilepathEB->installEventFilter(this);
    Label5->installEventFilter(this);
}

// ---- Life cycle ----

void TMainWin::FormCreate(const QStringList& arguments, const QString& programFolder) {
    applyHintStyle();
    programFolder_ =
        programFolder.isEmpty() ? defaultProgramFolder() : QDir::toNativeSeparators(programFolder);
    testMode_ = CheckParameterString(arguments);
    // The limits of the mode hold from the start, so counts saved in a test-mode session
    // cannot reach a normal one.
    const int countMaximum = countLimit(testMode_);
    NumberSetsSE->setLimitMaximum(countMaximum);
    NoBoardsSE->setLimitMaximum(countMaximum);

    const std::unique_ptr<QSettings> store = openSettingsStore();
    StoredSettings defaults;
    defaults.boardsPerSet = NoBoardsSE->value();
    defaults.numberSets = NumberSetsSE->value();
    defaults.outputFolder = defaultOutputFolder();
    const StoredSettings stored = readSettings(*store, defaults);
    NoBoardsSE->setClampedValue(stored.boardsPerSet);
    NumberSetsSE->setClampedValue(stored.numberSets);
    for (std::size_t i = 0; i < formatBoxes_.size(); ++i)
        formatBoxes_[i]->setChecked(stored.formatsSelected.test(i));
    // What the box shows is where the files go, also while no folder is stored.
    outputFolder_ = QDir::toNativeSeparators(stored.outputFolder);
    FilepathEB->setText(outputFolder_);
    AnalysisCB->setChecked(stored.analysisSelected);
    DoubleDummyCB->setChecked(stored.doubleDummySelected);
    HandRecordsCB->setChecked(stored.handRecordsSelected);
    DealingSheetsCB->setChecked(stored.dealingSheetsSelected);
    CurtainCardsCB->setChecked(stored.curtainCardsSelected);
}

void TMainWin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        runShowingErrors([this] { FormActivate(); });
    }
}

void TMainWin::FormActivate() {
    BoardsPanel->hide();
    FormatGB->hide();
    FileGB->hide();
    EntropyGeneratedST->clear();
    TotalBoards = boardCount(NoBoardsSE->value(), NumberSetsSE->value());
    setTotalLabel(StartTotalCaption, TotalBoards);
    FileNameEB->setText(baseFileName_);
    ViewAnalysisBtn->hide();
    PrintAnalysisBtn->hide();
    HandRecordsBtn->hide();
}

void TMainWin::closeEvent(QCloseEvent* event) {
    // A run uses the window's stream and settings until it ends; the window stays till then.
    // When the director wants to close, the run is cancelled and the window closes as soon
    // as the run has stopped.
    if (RunProgress->busy()) {
        event->ignore();
        if (!closeAfterRun_ &&
            askYesNo(this, QStringLiteral("A run is in progress. Cancel it and close?"), QMessageBox::No)) {
            closeAfterRun_ = true;
            RunProgress->cancel();
        }
        return;
    }
    runShowingErrors([this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TMainWin::FormClose() {
    StoredSettings settings;
    settings.boardsPerSet = NoBoardsSE->value();
    settings.numberSets = NumberSetsSE->value();
    settings.formatsSelected = selectedFormats();
    settings.outputFolder = outputFolder_;
    settings.analysisSelected = AnalysisCB->isChecked();
    settings.doubleDummySelected = DoubleDummyCB->isChecked();
    settings.handRecordsSelected = HandRecordsCB->isChecked();
    settings.dealingSheetsSelected = DealingSheetsCB->isChecked();
    settings.curtainCardsSelected = CurtainCardsCB->isChecked();
    const std::unique_ptr<QSettings> store = openSettingsStore();
    writeSettings(*store, settings);
    // A settings file that cannot be written (read-only, a full disk) is reported, not lost.
    if (store->status() != QSettings::NoError)
        throw ioErrorOfCode(io_code::AccessDenied, toNative8Bit(store->fileName()));
}

// ---- Counts and the total ----

void TMainWin::NumberSetsSEChange() {
    const std::optional<int> boards = NoBoardsSE->textNumber();
    const std::optional<int> sets = NumberSetsSE->textNumber();
    if (!boards || !sets) return;
    TotalBoards = boardCount(*boards, *sets);
    setTotalLabel(TotalCaption, TotalBoards);
}

void TMainWin::setTotalLabel(const char* caption, std::uint32_t total) {
    TotalBoardsLbl->setText(QString::fromLatin1(caption) + QString::number(total));
}

// ---- The two text boxes and the folder ----

bool TMainWin::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == FileNameEB) {
        if (type == QEvent::FocusIn || type == QEvent::MouseButtonRelease)
            FileNameEBClick();
        else if (type == QEvent::FocusOut)
            runShowingErrors([this] { FileNameEBExit(); });
    } else if ((watched == FilepathEB || watched == Label5) && type == QEvent::MouseButtonRelease) {
        runShowingErrors([this] { FilepathEBClick(); });
        return true;
    } else if (watched == FilepathEB && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F4) {
            runShowingErrors([this] { FilepathEBClick(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainWin::FileNameEBClick() {
    // Queued: the box places its cursor while handling the same click or entry.
    QMetaObject::invokeMethod(FileNameEB, &QLineEdit::selectAll, Qt::QueuedConnection);
}

void TMainWin::FileNameEBExit() { baseFileName_ = FileNameEB->text(); }

void TMainWin::FilepathEBClick() {
    const QString current = QDir(outputFolder_).exists() ? outputFolder_ : QString();
    const QString chosen = folderChooser_(this, QString::fromLatin1(FolderBrowserTitle), current);
    if (chosen.isEmpty()) return;
    outputFolder_ = QDir::toNativeSeparators(chosen);
    FilepathEB->setText(outputFolder_);
}

// ---- Menu ----

void TMainWin::SetupPrinterClick() {
    // Qt's print dialog serves as the printer-setup dialog: it chooses the printer (or a PDF
    // file, also on a machine without printers) and its settings, and prints nothing. Where
    // the dialog is Qt's own it is named for that role; a native one keeps its own captions.
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(QStringLiteral("OK"));
    dialog.exec();
}

void TMainWin::AboutClick() { aboutBox_->exec(); }

// ---- Prepare ----

void TMainWin::InitBtnClick() {
    const HashClass cls = seedingHashClass();
    if (!cls) {
        showPlainMessage(this, QString::fromLatin1(error_text::FailedToCreate));
        return;
    }
    const std::string identity = toNative8Bit(IDEdit->text());
    if (!nameAccepted(identity, NameUse::Identity)) return;
    entropyForm_->exec();
    stream_.seed(cls, identity, entropyForm_->EntropyText());

    // The identity is fixed from now on and Prepare cannot run again.
    IDEdit->setEnabled(false);
    InitBtn->setEnabled(false);
    SetupGB->setEnabled(false);
    BoardsPanel->show();
    FormatGB->show();
    FileGB->show();
    NumberSetsSE->setFocus();
}

void TMainWin::entropyCollected() {
    EntropyGeneratedST->setText(QString::fromLatin1(EntropyDoneText));
    setTotalLabel(TotalCaption, boardCount(NoBoardsSE->value(), NumberSetsSE->value()));
}

// ---- Generate ----

void TMainWin::GenerateBtnClick() {
    BusyCursor busy;
    // A shortcut (Alt+G) starts a run without leaving the box being typed in; the run
    // takes what the boxes show, as a click on the button would.
    commitPendingEdits();
    // The analysis and hand records shown stay those of the files on disk: a run that
    // writes nothing (declined, cancelled, failed) leaves them as they were.
    if (!ViewAnalysisBtn->isHidden()) setAnalysisButtonsEnabled(false);
    const ScopeExit reenableButtons([this] {
        if (!ViewAnalysisBtn->isHidden()) setAnalysisButtonsEnabled(true);
    });

    makeDefaultOutputFolder();
    RunSettings settings = runSettings();
    if (!nameAccepted(settings.conversion.baseFileName, NameUse::BaseFileName)) return;
    // Replaces only what the director agreed to; files that appear meanwhile are refused.
    if (!existingFilesMayBeReplaced(settings)) return;
    if (!longDoubleDummyAccepted(settings)) return;
    RunResult result;
    try {
        result = runOffTheGuiThread(settings);
    } catch (const EHashUnitMissing& missing) {
        busy.restore();
        showPlainMessage(this, QString::fromLatin1(missing.what()));
        return;
    } catch (const EWorkCancelled& cancelled) {  // ends as a failed run ends, but says so plainly
        busy.restore();
        if (!closeAfterRun_) showPlainMessage(this, QString::fromLatin1(cancelled.what()));
        return;
    }
    offerHandRecords(result);
    analysisDlg_->setReport(result.report);
    ViewAnalysisBtn->setVisible(settings.analysis);
    PrintAnalysisBtn->setVisible(settings.analysis);
    busy.restore();
    QMessageBox done(QMessageBox::Information, QStringLiteral("Information"), QString::fromLatin1(DoneText),
                     QMessageBox::Ok, this);
    done.setInformativeText(
        QStringLiteral(
            "%1 files written in the output folder %2.\nThe main deal file %3 is in the program folder %4.")
            .arg(result.filesWritten.size())
            .arg(outputFolder_, QFileInfo(fromNative8Bit(result.mainDealFile)).fileName(), programFolder_));
    QPushButton* openFolder = done.addButton(QStringLiteral("Open &Folder"), QMessageBox::ActionRole);
    done.setDefaultButton(QMessageBox::Ok);
    done.exec();
    if (done.clickedButton() == openFolder) openFolderOf(outputFolder_);
}

// The Hand Records button opens the document the last run that wrote files wrote, if
// that run wrote one.
void TMainWin::offerHandRecords(const RunResult& result) {
    handRecordDocument_ = fromNative8Bit(result.firstDocument);
    HandRecordsBtn->setVisible(!handRecordDocument_.isEmpty());
}

bool TMainWin::longDoubleDummyAccepted(const RunSettings& settings) {
    if (!settings.doubleDummy) return true;
    const std::chrono::seconds estimate = estimatedDoubleDummyTime(settings.totalBoards());
    if (estimate <= LongDoubleDummy) return true;
    return askYesNo(
        this,
        QStringLiteral("Double-dummy analysis of %1 boards will take %2 on this computer. Start the run?")
            .arg(settings.totalBoards())
            .arg(durationText(estimate)),
        QMessageBox::No);
}

void TMainWin::openFolderOf(const QString& folder) {
    if (!documentOpener_(QUrl::fromLocalFile(folder)))
        showPlainMessage(
            this, QStringLiteral("No program could open the folder ") + QDir::toNativeSeparators(folder));
}

// The default output folder is made when it is first used.
void TMainWin::makeDefaultOutputFolder() {
    if (outputFolder_ == defaultOutputFolder()) QDir().mkpath(outputFolder_);
}

bool TMainWin::nameAccepted(const std::string& name, NameUse use) {
    const auto breach = nameRuleBreach(name, use);
    if (!breach) return true;
    const char* what = use == NameUse::Identity ? "The identity " : "The file name ";
    showPlainMessage(this, QString::fromLatin1(what) + fromNative8Bit(*breach) + QLatin1Char('.'));
    return false;
}

bool TMainWin::existingFilesMayBeReplaced(RunSettings& settings) {
    const std::vector<std::string> existing = existingRunFiles(settings);
    settings.replaceExisting = !existing.empty();
    if (existing.empty()) return true;
    return askYesNo(
        this,
        QStringLiteral("%1 files already exist in %2. Replace them?").arg(existing.size()).arg(outputFolder_),
        QMessageBox::No);
}

void TMainWin::commitPendingEdits() {
    for (CountSpinBox* box : {NumberSetsSE, NoBoardsSE, FirstSetNoSE}) box->commitText();
    FileNameEBExit();
}

RunSettings TMainWin::runSettings() const {
    RunSettings settings;
    settings.counts.setCount = static_cast<std::uint16_t>(NumberSetsSE->value());
    settings.counts.boardsPerSet = static_cast<std::uint16_t>(NoBoardsSE->value());
    settings.counts.firstSetNumber = static_cast<std::uint16_t>(FirstSetNoSE->value());
    settings.conversion.formats = selectedFormats();
    settings.conversion.identityText = toNative8Bit(IDEdit->text());
    settings.conversion.programFolder = toNative8Bit(programFolder_);
    settings.conversion.outputFolder = toNative8Bit(outputFolder_);
    settings.conversion.baseFileName = toNative8Bit(baseFileName_);
    settings.conversion.runDate = localToday();
    settings.analysis = AnalysisCB->isChecked();
    settings.doubleDummy = DoubleDummyCB->isChecked();
    settings.handRecords = HandRecordsCB->isChecked();
    settings.dealingSheets = DealingSheetsCB->isChecked();
    settings.curtainCards = CurtainCardsCB->isChecked();
    settings.decimalSeparator = reportDecimalSeparator();
    return settings;
}

FormatSelection TMainWin::selectedFormats() const {
    FormatSelection selection;
    for (std::size_t i = 0; i < formatBoxes_.size(); ++i) selection.set(i, formatBoxes_[i]->isChecked());
    return selection;
}

// Work runs on a worker thread while the window repaints and shows the progress;
// everything that could start or change a run waits, and so does closing.
template <typename Work>
auto TMainWin::offTheGuiThread(bool cancellable, Work&& work) {
    setRunControlsEnabled(false);
    const ScopeExit enableControls([this] {
        setRunControlsEnabled(true);
        // Closing waited for the run to stop.
        if (closeAfterRun_) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    RunProgress->setCancellable(cancellable);
    return RunProgress->run(std::forward<Work>(work));
}

// Deals, converts and analyses. Double dummy takes seconds per batch of boards: the
// director may stop it.
RunResult TMainWin::runOffTheGuiThread(const RunSettings& settings) {
    return offTheGuiThread(settings.doubleDummy, [this, &settings](WorkProgress& progress) {
        return runGeneration(stream_, settings, &progress);
    });
}

void TMainWin::setRunControlsEnabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(BoardsPanel), static_cast<QWidget*>(FormatGB),
                             static_cast<QWidget*>(FileGB), static_cast<QWidget*>(CloseBtn)})
        control->setEnabled(enabled);
    for (QAction* action : {Quit1, CheckDealFiles, ConvertDealFile}) action->setEnabled(enabled);
}

void TMainWin::setAnalysisButtonsEnabled(bool enabled) {
    ViewAnalysisBtn->setEnabled(enabled);
    PrintAnalysisBtn->setEnabled(enabled);
}

// ---- Deal files ----

void TMainWin::CheckDealFilesClick() {
    const QStringList files = fileChooser_(this, QStringLiteral("Check Deal Files"), outputFolder_, true);
    if (files.isEmpty()) return;
    std::vector<std::string> paths;
    for (const QString& file : files) paths.push_back(toNative8Bit(QDir::toNativeSeparators(file)));
    const DealFileCheck check =
        offTheGuiThread(false, [&paths](WorkProgress&) { return checkDealFiles(paths); });
    dealFileView().setLines(checkReportLines(check, false));
    dealFileView().exec();
}

// Writes the chosen file's boards as one set with the window's formats, output folder,
// base name, first set number, double dummy and printed documents, through the same run as a
// Generate: set files already there are replaced only when the director agrees.
void TMainWin::ConvertDealFileClick() {
    const QStringList files = fileChooser_(this, QStringLiteral("Convert Deal File"), outputFolder_, false);
    if (files.isEmpty()) return;
    commitPendingEdits();
    if (selectedFormats().none() && !HandRecordsCB->isChecked() && !DealingSheetsCB->isChecked() &&
        !CurtainCardsCB->isChecked())
        return showPlainMessage(this, QStringLiteral("Select at least one output format."));
    makeDefaultOutputFolder();
    const std::string path = toNative8Bit(QDir::toNativeSeparators(files.front()));
    const DealFile file = offTheGuiThread(false, [&path](WorkProgress&) { return readDealFile(path); });
    RunSettings settings = conversionSettingsOf(file, runSettings());
    if (!nameAccepted(settings.conversion.baseFileName, NameUse::BaseFileName)) return;
    if (!existingFilesMayBeReplaced(settings)) return;
    if (!longDoubleDummyAccepted(settings)) return;
    RunResult result;
    try {
        result = offTheGuiThread(settings.doubleDummy, [&](WorkProgress& progress) {
            return convertDealFile(file, settings, &progress);
        });
    } catch (const EWorkCancelled& cancelled) {
        if (!closeAfterRun_) showPlainMessage(this, QString::fromLatin1(cancelled.what()));
        return;
    }
    offerHandRecords(result);
    QString text = QStringLiteral("Wrote %1 files:").arg(result.filesWritten.size());
    for (const std::string& written : result.filesWritten) text += u'\n' + fromNative8Bit(written);
    for (const std::string& warning : conversionWarnings(file))
        text += u'\n' + fromNative8Bit("Warning: " + warning);
    showPlainMessage(this, text);
}

// ---- View and Print ----

void TMainWin::ViewAnalysisBtnClick() { analysisDlg_->exec(); }

void TMainWin::PrintAnalysisBtnClick() {
    if (!printerSelected(printer_)) {
        showPlainMessage(
            this, QString::fromLatin1(error_text::NoDefaultPrinter) +
                      QStringLiteral(".\n\nTo print to a PDF file instead, choose File > Printer Setup, "
                                     "select Print to File (PDF) with a file name, then click Print."));
        return;
    }
    printReport(analysisDlg_->reportLines(), printer_);
    showPlainMessage(
        this, QStringLiteral("The analysis was printed to ") + printDestination(printer_) + QLatin1Char('.'));
}

// ---- Hand records ----

void TMainWin::setDocumentOpener(DocumentOpener opener) { documentOpener_ = std::move(opener); }

void TMainWin::HandRecordsBtnClick() {
    if (documentOpener_(QUrl::fromLocalFile(handRecordDocument_))) return;
    const QString document = QDir::toNativeSeparators(handRecordDocument_);
    if (askYesNo(
            this,
            QStringLiteral("No program could open the hand records %1.\n\nOpen the folder that holds them?")
                .arg(document),
            QMessageBox::Yes))
        openFolderOf(QFileInfo(handRecordDocument_).absolutePath());
}

}  // namespace quorvex
