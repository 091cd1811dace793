#include "app/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <limits>
#include <optional>

namespace quorvex {
namespace {

// An INI file keeps no types, so a number comes back as its text; the registry hands back
// a DWORD as a number. Both are accepted, as long as the whole value is a number.
std::optional<int> wholeNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            bool ok = false;
            const qlonglong number = value.toLongLong(&ok);
            if (ok && number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
                return static_cast<int>(number);
            return std::nullopt;
        }
        case QMetaType::QString: {
            bool ok = false;
            const int number = value.toString().trimmed().toInt(&ok);
            return ok ? std::optional<int>(number) : std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

void readCount(QSettings& store, const QString& name, int& target) {
    if (const auto number = wholeNumber(store.value(name))) target = *number;
}

void readFlag(QSettings& store, const QString& name, bool& target) {
    if (const auto number = wholeNumber(store.value(name))) target = *number != 0;
}

QString keyOf(const OutputFormat& format) {
    return QString::fromLatin1(format.settingsKey.data(), static_cast<qsizetype>(format.settingsKey.size()));
}

void readFolder(QSettings& store, const QString& name, QString& target) {
    const QVariant value = store.value(name);
    if (value.typeId() == QMetaType::QString && !value.toString().isEmpty()) target = value.toString();
}

// Like the registry key, the file exists from the first start on, even before anything
// has been written to it.
void createIfMissing(const QString& fileName) {
    if (QFileInfo::exists(fileName)) return;
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile(fileName).open(QIODevice::WriteOnly);
}

}  // namespace

std::unique_ptr<QSettings> openSettingsStore() {
#ifdef _WIN32
    if (!QStandardPaths::isTestModeEnabled())
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Quorvex"),
                                           QSettings::NativeFormat);
#endif
    auto store =
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvex"));
    createIfMissing(store->fileName());
    return store;
}

StoredSettings readSettings(QSettings& store, StoredSettings defaults) {
    StoredSettings s = std::move(defaults);
    readCount(store, QStringLiteral("BoardsPerSet"), s.boardsPerSet);
    readCount(store, QStringLiteral("NumberSets"), s.numberSets);
    for (std::size_t i = 0; i < OutputFormats.size(); ++i) {
        bool selected = s.formatsSelected.test(i);
        readFlag(store, keyOf(OutputFormats[i]), selected);
        s.formatsSelected.set(i, selected);
    }
    readFolder(store, QStringLiteral("OutputFolder"), s.outputFolder);
    readFlag(store, QStringLiteral("AnalysisSelected"), s.analysisSelected);
    readFlag(store, QStringLiteral("DoubleDummySelected"), s.doubleDummySelected);
    readFlag(store, QStringLiteral("HandRecordsSelected"), s.handRecordsSelected);
    readFlag(store, QStringLiteral("DealingSheetsSelected"), s.dealingSheetsSelected);
    readFlag(store, QStringLiteral("CurtainCardsSelected"), s.curtainCardsSelected);
    return s;
}

void writeSettings(QSettings& store, const StoredSettings& s) {
    const auto flag = [](bool checked) { return checked ? 1 : 0; };
    store.setValue(QStringLiteral("BoardsPerSet"), s.boardsPerSet);
    store.setValue(QStringLiteral("NumberSets"), s.numberSets);
    for (std::size_t i = 0; i < OutputFormats.size(); ++i)
        store.setValue(keyOf(OutputFormats[i]), flag(s.formatsSelected.test(i)));
    store.setValue(QStringLiteral("OutputFolder"), s.outputFolder);
    store.setValue(QStringLiteral("AnalysisSelected"), flag(s.analysisSelected));
    store.setValue(QStringLiteral("DoubleDummySelected"), flag(s.doubleDummySelected));
    store.setValue(QStringLiteral("HandRecordsSelected"), flag(s.handRecordsSelected));
    store.setValue(QStringLiteral("DealingSheetsSelected"), flag(s.dealingSheetsSelected));
    store.setValue(QStringLiteral("CurtainCardsSelected"), flag(s.curtainCardsSelected));
    store.sync();
}

}  // namespace quorvex
