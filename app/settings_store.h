#pragma once
// The values the main window keeps from one start of the program to the next.
// On Windows they live in the registry under HKEY_CURRENT_USER\Quorvex; elsewhere in a
// per-user INI file of the organisation "Quorvex".
#include <QString>
#include <memory>

#include "common/product.h"
#include "formats/output_formats.h"

class QSettings;

namespace quorvex {

struct StoredSettings {
    int boardsPerSet = DefaultBoardsPerSet;
    int numberSets = DefaultNumberOfSets;
    FormatSelection formatsSelected = allFormats();  // one value per output format, under its key
    QString outputFolder;
    bool analysisSelected = true;
    bool doubleDummySelected = false;
    bool handRecordsSelected = false;
    bool dealingSheetsSelected = false;
    bool curtainCardsSelected = false;
};

// Opens the store, creating it when missing. With QStandardPaths' test mode on, every
// platform uses the INI file, so tests never touch the registry.
std::unique_ptr<QSettings> openSettingsStore();

// Reads the values in their fixed order onto `defaults`. A value is read only when it
// exists and has the expected kind: a whole number for the counts and flags (any non-zero
// flag is checked), a non-empty text for OutputFolder. Anything else keeps the default.
// Counts are not clamped here; the boxes they go into do that.
StoredSettings readSettings(QSettings& store, StoredSettings defaults);

// Writes all values in their fixed order: counts and flags (0 or 1) as numbers,
// OutputFolder as text.
void writeSettings(QSettings& store, const StoredSettings& settings);

}  // namespace quorvex
