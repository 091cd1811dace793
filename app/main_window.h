#pragma once
// The main window: the director types an identity, prepares the seed through the entropy
// dialog, chooses counts, formats, analysis, base file name and output folder, and deals
// any number of runs. Its settings live from one start of the program to the next.
//
// Controls carry the object names of their roles (IDEdit, InitBtn, NumberSetsSE, ...), so
// tests and accessibility tools find them by name.
#include <QMainWindow>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "common/name_text.h"
#include "common/product.h"
#include "engine/deal_stream.h"
#include "formats/output_formats.h"
#include "run/generation_run.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QUrl;

namespace quorvex {

class CountSpinBox;
class FilteredLineEdit;
class ProgressPanel;
class TAboutBox;
class TAnalysisDlg;
class TDealFileView;
class TEntropyForm;

class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    // Runs the creation steps: hint style, program folder, command line, stored settings.
    // `arguments` is the command line, program path first. `programFolder` replaces the
    // program's own folder rule when not empty (tests keep their files in a temp folder).
    explicit TMainWin(const QStringList& arguments, const QString& programFolder = QString());
    ~TMainWin() override;

    // The three dialogs are created after the window (the entropy dialog needs its program
    // folder) and handed over before it is shown.
    void attachDialogs(TEntropyForm& entropy, TAboutBox& about, TAnalysisDlg& analysis);

    const QString& programFolder() const { return programFolder_; }
    const QString& outputFolder() const { return outputFolder_; }
    const QString& baseFileName() const { return baseFileName_; }
    bool testMode() const { return testMode_; }
    std::uint32_t totalBoards() const { return TotalBoards; }
    QPrinter& printer() { return printer_; }

    // Asks the director for a folder: parent, title, folder to preselect (empty for none).
    // Returns the chosen folder, or an empty text when cancelled.
    using FolderChooser = std::function<QString(QWidget*, const QString&, const QString&)>;
    void setFolderChooser(FolderChooser chooser);

    // Asks the director for deal files to read: parent, title, folder to start in (the
    // output folder), whether several may be chosen. Returns the chosen files, none when cancelled.
    using FileChooser = std::function<QStringList(QWidget*, const QString&, const QString&, bool)>;
    void setFileChooser(FileChooser chooser);

    // The view of the last check of deal files.
    TDealFileView& dealFileView();

    // Shows a document in the user's own program for it (the browser for hand records).
    // Returns false when nothing could show it.
    using DocumentOpener = std::function<bool(const QUrl&)>;
    void setDocumentOpener(DocumentOpener opener);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildControls();
    QWidget* buildSetupGroup();
    QWidget* buildBoardsPanel();
    QWidget* buildFormatGroup();
    QWidget* buildFileGroup();
    void setTabOrderOfControls();
    void connectHandlers();

    void FormCreate(const QStringList& arguments, const QString& programFolder);
    void FormActivate();
    void FormClose();
    void NumberSetsSEChange();
    void FileNameEBClick();
    void FileNameEBExit();
    void FilepathEBClick();
    void SetupPrinterClick();
    void CheckDealFilesClick();
    void ConvertDealFileClick();
    void AboutClick();
    void InitBtnClick();
    void GenerateBtnClick();
    void ViewAnalysisBtnClick();
    void PrintAnalysisBtnClick();
    void HandRecordsBtnClick();
    void entropyCollected();

    void makeDefaultOutputFolder();
    void offerHandRecords(const RunResult& result);
    // Asks before double dummy that takes more than a few minutes; false when declined.
    bool longDoubleDummyAccepted(const RunSettings& settings);
    void openFolderOf(const QString& folder);
    // Shows why a name cannot be used, if it cannot.
    bool nameAccepted(const std::string& name, NameUse use);
    // Asks once whether existing set files may be replaced; false when the director says No.
    bool existingFilesMayBeReplaced(RunSettings& settings);
    void commitPendingEdits();
    RunSettings runSettings() const;
    FormatSelection selectedFormats() const;
    RunResult runOffTheGuiThread(const RunSettings& settings);
    template <typename Work>
    auto offTheGuiThread(bool cancellable, Work&& work);
    void setRunControlsEnabled(bool enabled);
    void setAnalysisButtonsEnabled(bool enabled);
    void setTotalLabel(const char* caption, std::uint32_t total);

    // Controls, named by role.
    QGroupBox* SetupGB = nullptr;
    FilteredLineEdit* IDEdit = nullptr;
    QLabel* StaticText1 = nullptr;
    QPushButton* InitBtn = nullptr;
    QLabel* EntropyGeneratedST = nullptr;
    QGroupBox* BoardsPanel = nullptr;
    CountSpinBox* NumberSetsSE = nullptr;
    CountSpinBox* NoBoardsSE = nullptr;
    CountSpinBox* FirstSetNoSE = nullptr;
    QLabel* TotalBoardsLbl = nullptr;
    QLabel* SelectLbl = nullptr;
    QPushButton* GenerateBtn = nullptr;
    QGroupBox* FormatGB = nullptr;
    // One per output format, in table order (dlmCB, dupCB, ...).
    std::array<QCheckBox*, OutputFormatCount> formatBoxes_{};
    QCheckBox* DoubleDummyCB = nullptr;
    QCheckBox* HandRecordsCB = nullptr;
    QCheckBox* DealingSheetsCB = nullptr;
    QCheckBox* CurtainCardsCB = nullptr;
    QCheckBox* AnalysisCB = nullptr;
    QPushButton* ViewAnalysisBtn = nullptr;
    QPushButton* PrintAnalysisBtn = nullptr;
    QPushButton* HandRecordsBtn = nullptr;
    QGroupBox* FileGB = nullptr;
    QLabel* Label4 = nullptr;
    FilteredLineEdit* FileNameEB = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* FilepathEB = nullptr;
    QPushButton* BrowseBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QAction* Quit1 = nullptr;
    QAction* CheckDealFiles = nullptr;
    QAction* ConvertDealFile = nullptr;
    ProgressPanel* RunProgress = nullptr;

    TEntropyForm* entropyForm_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TAnalysisDlg* analysisDlg_ = nullptr;

    QString programFolder_;
    QString outputFolder_;
    QString baseFileName_ = QString::fromLatin1(DefaultBaseFileName);
    bool testMode_ = false;
    bool activated_ = false;
    bool closeAfterRun_ = false;  // the director chose to cancel the run and close
    std::uint32_t TotalBoards = 0;
    DealStream stream_;
    QPrinter printer_;
    FolderChooser folderChooser_;
    FileChooser fileChooser_;
    TDealFileView* dealFileView_ = nullptr;
    DocumentOpener documentOpener_;
    QString handRecordDocument_;  // the first set's first printed document of the last run that wrote one
};

}  // namespace quorvex
