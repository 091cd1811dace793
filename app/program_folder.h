#pragma once
// Where the program keeps its files.
//
// The program folder holds the main deal file and the entropy log. On Windows it is the
// folder of the executable, as the director expects, or the per-user application data
// folder when the executable's folder cannot be written (an installation under Program
// Files). Elsewhere it is always the per-user data folder: a program run from its build
// tree would otherwise keep the boards in a folder that a clean build deletes.
//
// The output folder, until the director chooses one, is a "Quorvex" folder in the user's
// documents folder, created when the first run writes into it.
#include <QString>

namespace quorvex {

// The program folder for an executable in `executableFolder` by the rule above; the per-user
// data folder is created when missing. Native separators, no trailing separator except on
// a root.
QString chooseProgramFolder(const QString& executableFolder);

// The folder for this program run: chooseProgramFolder of the executable's folder.
QString defaultProgramFolder();

// The output folder while none is stored, native separators; not created here.
QString defaultOutputFolder();

}  // namespace quorvex
