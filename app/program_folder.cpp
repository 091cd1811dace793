#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quorvex {
namespace {

QString nativeFolder(const QString& folder) { return QDir::toNativeSeparators(QDir::cleanPath(folder)); }

#ifdef _WIN32
// Asking the file system is the only reliable test: permission bits and access lists
// (and an administrator who ignores them) make the folder's attributes misleading.
bool canCreateFileIn(const QString& folder) {
    if (!QDir(folder).exists()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("quorvex-probe-XXXXXX")));
    return probe.open();
}
#endif

}  // namespace

QString chooseProgramFolder([[maybe_unused]] const QString& executableFolder) {
#ifdef _WIN32
    if (canCreateFileIn(executableFolder)) return nativeFolder(executableFolder);
#endif
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return nativeFolder(dataFolder);
}

QString defaultProgramFolder() { return chooseProgramFolder(QCoreApplication::applicationDirPath()); }

QString defaultOutputFolder() {
    return nativeFolder(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                            .filePath(QStringLiteral("Quorvex")));
}

}  // namespace quorvex
