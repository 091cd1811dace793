#pragma once
// The program folder holds the main deal file and the entropy log. It is the folder of the
// executable, as the director expects; when that folder cannot be written (an installation
// under a protected system folder) the per-user data folder takes its place.
#include <QString>

namespace quorvex {

// `executableFolder` when a file can be created in it, else the per-user application data
// folder, created when missing. Native separators, no trailing separator except on a root.
QString chooseProgramFolder(const QString& executableFolder);

// The folder for this program run: chooseProgramFolder of the executable's folder.
QString defaultProgramFolder();

}  // namespace quorvex
