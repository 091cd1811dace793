#pragma once
// The files of one run, written under temporary names in their own folders and published
// together by renaming once the whole run has succeeded, all or nothing (common/publishing.h).
// Until then the final names are untouched; a run that fails removes its temporary files,
// and the temporary files of a run that was killed carry a recognisable name that the next
// run in the folder removes. Any writer joins by staging its files here.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/publishing.h"

namespace quorvex {

// "<name>.<process id>.qvtmp": the temporary name of `finalPath`'s file in its own folder.
std::string temporaryPathOf(const std::string& finalPath);

// "<name>.<process id>.qvold": where publishing moves the old file of `finalPath` aside.
std::string asidePathOf(const std::string& finalPath);

// The final path of a path made by temporaryPathOf or asidePathOf; any other path unchanged.
// Errors name the file the director knows, not its temporary name.
std::string finalPathOf(const std::string& path);

// Whether anything holds the name a file would be renamed onto; raises EInOutError naming
// `path` when that is something other than a regular file (a folder, a symbolic link, a
// device). One look at the name answers both.
bool renameTargetExists(const std::string& path);
inline void checkRenameTarget(const std::string& path) { renameTargetExists(path); }

// Removes every temporary file of the name above in `folder`. Only a run that holds the
// folder's lock may call it: no other run can then be writing there.
void removeLeftoverTemporaries(const std::string& folder);

class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();  // removes the temporary files of a run that did not try to publish
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Registers `finalPath` and returns the temporary path to create it under (as a new file).
    std::string stage(const std::string& finalPath);
    // The same for many files, in order.
    std::vector<std::string> stage(std::span<const std::string> finalPaths);

    // Renames every temporary file onto its final name, in the order staged, all or nothing,
    // and syncs their folders. Every file must have been closed (and so synced) before.
    void publish();

    // The final paths, in the order staged.
    std::vector<std::string> finalPaths() const;
    std::size_t count() const { return staged_.size(); }

    // Takes over the files staged in `other`, to be published (or removed) with these.
    void adopt(StagedFiles& other);

private:
    std::vector<std::string> temporaryPathsLastFirst() const;

    std::vector<StagedFile> staged_;
    bool published_ = false;
};

}  // namespace quorvex
