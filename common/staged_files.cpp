#include "common/staged_files.h"

#include <filesystem>

#include "common/error_texts.h"
#include "common/file_calls.h"
#include "common/interrupt_cleanup.h"
#include "common/io_error.h"
#include "common/publishing.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace quorvex {

namespace {

constexpr std::string_view TemporarySuffix = ".qvtmp";
constexpr std::string_view AsideSuffix =
    ".qvold";  // as long as TemporarySuffix: one length check serves both

long processId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

// <name>.<digits><suffix>
bool isRunName(const std::string& name, std::string_view suffix) {
    if (name.size() <= suffix.size() || !name.ends_with(suffix)) return false;
    const std::string stem = name.substr(0, name.size() - suffix.size());
    const std::size_t dot = stem.rfind('.');
    return dot != std::string::npos && dot + 1 < stem.size() &&
           stem.find_first_not_of("0123456789", dot + 1) == std::string::npos;
}

bool isTemporaryName(const std::string& name) { return isRunName(name, TemporarySuffix); }

// ".<process id><suffix>", put after a final path.
std::string runSuffix(std::string_view suffix) {
    return '.' + std::to_string(processId()) + std::string(suffix);
}

std::string runPathOf(const std::string& finalPath, std::string_view suffix) {
    return finalPath + runSuffix(suffix);
}

}  // namespace

std::string temporaryPathOf(const std::string& finalPath) { return runPathOf(finalPath, TemporarySuffix); }

std::string asidePathOf(const std::string& finalPath) { return runPathOf(finalPath, AsideSuffix); }

std::string finalPathOf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    for (std::string_view suffix : {TemporarySuffix, AsideSuffix})
        if (isRunName(name, suffix)) {
            const std::string stem = path.substr(0, path.size() - suffix.size());
            return stem.substr(0, stem.rfind('.'));
        }
    return path;
}

bool renameTargetExists(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (!std::filesystem::exists(status)) return false;
    if (std::filesystem::is_regular_file(status)) return true;
    if (std::filesystem::is_symlink(status))
        throw EInOutError(io_code::AccessDenied, error_text::LinkNotFollowed, path);
    throw EInOutError(
        io_code::AccessDenied,
        std::filesystem::is_directory(status) ? error_text::IsAFolder : error_text::NotARegularFile, path);
}

void removeLeftoverTemporaries(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (isTemporaryName(name) && entry.is_regular_file(error)) fileCalls().remove(entry.path().string());
    }
}

// The temporary paths of the staged files, the last staged first.
std::vector<std::string> StagedFiles::temporaryPathsLastFirst() const {
    std::vector<std::string> paths;
    paths.reserve(staged_.size());
    for (auto file = staged_.rbegin(); file != staged_.rend(); ++file) paths.push_back(file->temporaryPath);
    return paths;
}

StagedFiles::~StagedFiles() {
    if (published_) return;
    const std::vector<std::string> paths = temporaryPathsLastFirst();
    for (const std::string& path : paths) fileCalls().remove(path);
    keepOnInterrupt(paths);
}

std::string StagedFiles::stage(const std::string& finalPath) {
    return stage(std::span(&finalPath, 1)).front();
}

std::vector<std::string> StagedFiles::stage(std::span<const std::string> finalPaths) {
    std::vector<std::string> temporaryPaths;
    temporaryPaths.reserve(finalPaths.size());
    const std::string suffix = runSuffix(TemporarySuffix);  // as temporaryPathOf, asked once
    for (const std::string& finalPath : finalPaths) temporaryPaths.push_back(finalPath + suffix);
    removeOnInterrupt(temporaryPaths);
    for (std::size_t index = 0; index < finalPaths.size(); ++index)
        staged_.push_back({finalPaths[index], temporaryPaths[index]});
    return temporaryPaths;
}

void StagedFiles::publish() {
    const InterruptsDeferred deferred;
    // From here on the temporary files are publishing's to rename, remove or keep.
    published_ = true;
    keepOnInterrupt(temporaryPathsLastFirst());
    publishAllOrNothing(staged_);
}

void StagedFiles::adopt(StagedFiles& other) {
    staged_.insert(staged_.end(), other.staged_.begin(), other.staged_.end());
    other.staged_.clear();
}

std::vector<std::string> StagedFiles::finalPaths() const {
    std::vector<std::string> paths;
    paths.reserve(staged_.size());
    for (const StagedFile& file : staged_) paths.push_back(file.finalPath);
    return paths;
}

}  // namespace quorvex
