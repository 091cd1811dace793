#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quorvex {
namespace {

// Asking the file system is the only reliable test: permission bits and access lists
// (and a root user who ignores them) make the folder's attributes misleading.
bool canCreateFileIn(const QString& folder) {
    if (!QDir(folder).exists()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("quorvex-probe-XXXXXX")));
    return probe.open();
}

QString nativeFolder(const QString& folder) { return QDir::toNativeSeparators(QDir::cleanPath(folder)); }

}  // namespace

QString chooseProgramFolder(const QString& executableFolder) {
    if (canCreateFileIn(executableFolder)) return nativeFolder(executableFolder);
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return nativeFolder(dataFolder);
}

QString defaultProgramFolder() { return chooseProgramFolder(QCoreApplication::applicationDirPath()); }

}  // namespace quorvex
