#pragma once
// One start of the desktop program for a test: the four windows created in their order
// with scripted platform services, a temp program folder and a temp settings store, and
// helpers that reach the main window's controls by their names.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "app/about_box.h"
#include "app/analysis_dialog.h"
#include "app/count_spin_box.h"
#include "app/main_window.h"
#include "entropy_dialog/entropy_form.h"
#include "entropy_dialog_driver.h"
#include "modal_watcher.h"
#include "scripted_platform_services.h"

namespace quorvex::testing {

// Keeps every test's settings in a temp folder, never in the user's own store.
inline void useTempSettingsStore(const QTemporaryDir& folder) {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

inline QString settingsFileName() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvex")).fileName();
}

// Starts the next session with these raw lines in the store (or none at all).
inline void writeSettingsFile(const QByteArray& lines) {
    QFile::remove(settingsFileName());
    if (lines.isEmpty()) return;
    QDir().mkpath(QFileInfo(settingsFileName()).absolutePath());
    QFile file(settingsFileName());
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write the settings file");
    file.write("[General]\n" + lines);
}

// The temp folders of a test class: settings store, program folder and output folder, all
// fresh (and the store empty) after every reset.
class SessionFolders {
public:
    void reset() {
        if (!settings_) {
            settings_ = std::make_unique<QTemporaryDir>();
            useTempSettingsStore(*settings_);
        }
        writeSettingsFile({});
        program_ = std::make_unique<QTemporaryDir>();
        output_ = std::make_unique<QTemporaryDir>();
    }
    QString programFolder() const { return QDir::toNativeSeparators(program_->path()); }
    QString outputFolder() const { return QDir::toNativeSeparators(output_->path()); }

private:
    std::unique_ptr<QTemporaryDir> settings_;
    std::unique_ptr<QTemporaryDir> program_;
    std::unique_ptr<QTemporaryDir> output_;
};

// Focuses a box and types `text` over its whole text (an empty text clears it).
template <typename Box>
void retype(Box* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

class MainWindowSession {
public:
    explicit MainWindowSession(const QString& programFolder,
                               QStringList arguments = {QStringLiteral("quorvex")})
        : window(arguments, programFolder),
          entropy(platform, QDir::toNativeSeparators(programFolder).toStdString(), &window),
          about(&window),
          analysis(&window) {
        window.attachDialogs(entropy, about, analysis);
        window.show();
        activate();
    }

    // What the window system does when a modal dialog closes; the offscreen platform
    // leaves no window active.
    void activate() {
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            throw std::runtime_error("the main window did not become active");
    }

    template <typename Widget = QWidget>
    Widget* control(const char* name) {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) throw std::logic_error(std::string("no control ") + name);
        return widget;
    }
    CountSpinBox* spin(const char* name) { return control<CountSpinBox>(name); }
    QCheckBox* check(const char* name) { return control<QCheckBox>(name); }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    QString label(const char* name) { return control<QLabel>(name)->text(); }

    // Prepare with the twelve hits made on the entropy dialog; message boxes are answered.
    void prepare() {
        ModalWatcher watcher([this](QWidget* modal) {
            if (modal != &entropy) return false;
            collectEntropy(entropy);
            return true;
        });
        button("InitBtn")->click();
        activate();
    }

    ScriptedPlatformServices platform;  // outlives the dialogs that read it
    TMainWin window;
    TEntropyForm entropy;
    TAboutBox about;
    TAnalysisDlg analysis;
};

}  // namespace quorvex::testing
