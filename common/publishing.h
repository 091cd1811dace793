#pragma once
// Publishing a run's files all or nothing. Every existing file under a final name is first
// moved aside ("<name>.<process id>.qvold"), then every new file is renamed in from its
// temporary name; the old files are deleted only when all new ones are in place. When a
// rename fails, everything moves back and the folders hold the old files again.
//
// Before the first rename a journal (".quorvex.publish") listing every move is written and
// synced in each folder involved. A run killed while publishing (kill -9, power loss)
// leaves it behind; the next run in any of those folders reads it and finishes the work:
// when every new file had reached its final name it deletes the old ones, otherwise it
// moves the new files back to their temporary names and the old ones back into place.
// Either way no folder is left with files of two runs.
#include <string>
#include <vector>

namespace quorvex {

inline constexpr char PublishJournalFileName[] = ".quorvex.publish";

struct StagedFile {
    std::string finalPath;
    std::string temporaryPath;  // a closed, synced file
};

// Renames every staged file onto its final name, in the order given, all or nothing as
// above; a final name held by a folder, a link or a device is refused before the first
// rename. Raises the first failure's EInOutError naming the final file it concerns. The
// temporary files are its own from the start: renamed on success, removed after a
// failure once the old files are back, and left to the next run with the journal when
// even that fails (the next run needs them to tell how far the publishing came).
void publishAllOrNothing(const std::vector<StagedFile>& files);

// Completes or rolls back the publishing a killed run left in `folder`, if any. The caller
// holds the locks of `lockedFolders`; other folders of that publishing are locked for the
// time it takes. Raises EInOutError when the old files cannot be put back.
void finishInterruptedPublishing(const std::string& folder, const std::vector<std::string>& lockedFolders);

}  // namespace quorvex
