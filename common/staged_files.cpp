#include "common/staged_files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <set>

#include "common/error_texts.h"
#include "common/interrupt_cleanup.h"
#include "common/io_error.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>

#include "common/windows_path.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quorvex {

namespace {

constexpr std::string_view TemporarySuffix = ".qvtmp";

long processId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

bool isTemporaryName(const std::string& name) {
    // <name>.<digits>.qvtmp
    if (name.size() <= TemporarySuffix.size() || !name.ends_with(TemporarySuffix)) return false;
    const std::string stem = name.substr(0, name.size() - TemporarySuffix.size());
    const std::size_t dot = stem.rfind('.');
    return dot != std::string::npos && dot + 1 < stem.size() &&
           stem.find_first_not_of("0123456789", dot + 1) == std::string::npos;
}

void removeFile(const std::string& path) { std::remove(path.c_str()); }

void renameOnto(const std::string& from, const std::string& to) {
#ifdef _WIN32
    if (!MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw lastIoError(to);
#else
    if (::rename(from.c_str(), to.c_str()) != 0) throw ioErrorFromErrno(errno, to);
#endif
}

// Makes the renames in `folder` durable. Windows: MOVEFILE_WRITE_THROUGH already did.
void syncFolder(const std::string& folder) {
#ifndef _WIN32
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) throw ioErrorFromErrno(errno, folder);
    const bool synced = ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    if (!synced) throw ioErrorFromErrno(error, folder);
#else
    (void)folder;
#endif
}

std::string folderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

}  // namespace

std::string temporaryPathOf(const std::string& finalPath) {
    return finalPath + '.' + std::to_string(processId()) + std::string(TemporarySuffix);
}

std::string finalPathOf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    if (!isTemporaryName(name)) return path;
    const std::string stem = path.substr(0, path.size() - TemporarySuffix.size());
    return stem.substr(0, stem.rfind('.'));
}

void checkRenameTarget(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw EInOutError(io_code::AccessDenied, error_text::NotARegularFile, path);
}

void removeLeftoverTemporaries(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (isTemporaryName(name) && entry.is_regular_file(error)) removeFile(entry.path().string());
    }
}

StagedFiles::~StagedFiles() {
    if (published_) return;
    for (auto file = staged_.rbegin(); file != staged_.rend(); ++file) {
        removeFile(file->temporaryPath);
        keepOnInterrupt(file->temporaryPath);
    }
}

std::string StagedFiles::stage(const std::string& finalPath) {
    Staged file{finalPath, temporaryPathOf(finalPath)};
    removeOnInterrupt(file.temporaryPath);
    staged_.push_back(std::move(file));
    return staged_.back().temporaryPath;
}

void StagedFiles::publish() {
    // A final name held by a folder or a device would fail its rename half-way through
    // publishing; refuse before the first rename.
    for (const Staged& file : staged_) checkRenameTarget(file.finalPath);
    const InterruptsDeferred deferred;
    std::set<std::string> folders;
    for (const Staged& file : staged_) {
        renameOnto(file.temporaryPath, file.finalPath);
        folders.insert(folderOf(file.finalPath));
    }
    published_ = true;
    for (auto file = staged_.rbegin(); file != staged_.rend(); ++file) keepOnInterrupt(file->temporaryPath);
    for (const std::string& folder : folders) syncFolder(folder);
}

void StagedFiles::adopt(StagedFiles& other) {
    staged_.insert(staged_.end(), other.staged_.begin(), other.staged_.end());
    other.staged_.clear();
}

std::vector<std::string> StagedFiles::finalPaths() const {
    std::vector<std::string> paths;
    paths.reserve(staged_.size());
    for (const Staged& file : staged_) paths.push_back(file.finalPath);
    return paths;
}

}  // namespace quorvex
