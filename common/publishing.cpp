#include "common/publishing.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>

#include "common/error_texts.h"
#include "common/file_calls.h"
#include "common/folder_lock.h"
#include "common/io_error.h"
#include "common/paths.h"
#include "common/private_file.h"
#include "common/resolved_paths.h"
#include "common/staged_files.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view JournalHeader = "Quorvex publishing journal 1";

struct Move {
    std::string finalPath;
    std::string temporaryPath;
    std::string asidePath;  // empty: no file had the final name
};

struct Journal {
    std::vector<std::string> journals;  // one per folder, all alike
    std::vector<Move> moves;
};

// Each field as "<length>:<bytes>\n", so any byte a path may hold reads back unchanged.
void appendField(std::string& text, std::string_view field) {
    text += std::to_string(field.size());
    text += ':';
    text += field;
    text += '\n';
}

std::optional<std::string> readField(std::string_view text, std::size_t& position) {
    std::size_t length = 0;
    const char* begin = text.data() + position;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), length);
    if (error != std::errc() || end == text.data() + text.size() || *end != ':') return std::nullopt;
    const std::size_t start = static_cast<std::size_t>(end - text.data()) + 1;
    if (length > text.size() || start + length >= text.size() || text[start + length] != '\n')
        return std::nullopt;
    position = start + length + 1;
    return std::string(text.substr(start, length));
}

std::string journalText(const Journal& journal) {
    std::string text;
    appendField(text, JournalHeader);
    for (const std::string& path : journal.journals) {
        appendField(text, "J");
        appendField(text, path);
    }
    for (const Move& move : journal.moves) {
        appendField(text, "M");
        appendField(text, move.finalPath);
        appendField(text, move.temporaryPath);
        appendField(text, move.asidePath);
    }
    appendField(text, "end");
    return text;
}

// Nothing when the journal is torn: it was being written, so no file had been moved yet.
std::optional<Journal> parseJournal(std::string_view text) {
    std::size_t position = 0;
    if (readField(text, position) != JournalHeader) return std::nullopt;
    Journal journal;
    for (;;) {
        const std::optional<std::string> kind = readField(text, position);
        if (kind == "end") return position == text.size() ? std::optional(journal) : std::nullopt;
        if (kind == "J") {
            const auto path = readField(text, position);
            if (!path) return std::nullopt;
            journal.journals.push_back(*path);
        } else if (kind == "M") {
            const auto finalPath = readField(text, position);
            const auto temporaryPath = readField(text, position);
            const auto asidePath = readField(text, position);
            if (!finalPath || !temporaryPath || !asidePath) return std::nullopt;
            journal.moves.push_back({*finalPath, *temporaryPath, *asidePath});
        } else {
            return std::nullopt;
        }
    }
}

// The bytes of the journal at `path`; empty when there is none.
std::string journalTextIn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> foldersOf(const Journal& journal) {
    std::set<std::string> folders;
    for (const std::string& path : journal.journals) folders.insert(folderOf(path));
    return folders;
}

void syncFolders(const Journal& journal) {
    for (const std::string& folder : foldersOf(journal)) fileCalls().syncFolder(folder);
}

// The journal holds paths with their folders' links resolved, which any later run, from any
// working folder, finds. A final name held by a folder, a link or a device is refused here,
// before the first rename, named as the caller gave it.
Journal planOf(const std::vector<StagedFile>& files) {
    Journal journal;
    std::set<std::string> folders;
    ResolvedPaths resolved;
    for (const StagedFile& file : files) {
        const std::string finalPath = resolved.path(file.finalPath);
        folders.insert(folderOf(finalPath));
        bool exists = false;
        try {
            exists = renameTargetExists(finalPath);
        } catch (const EInOutError& error) {
            throw EInOutError(error.code(), error.what(), file.finalPath);
        }
        journal.moves.push_back(
            {finalPath, resolved.path(file.temporaryPath), exists ? asidePathOf(finalPath) : std::string()});
    }
    for (const std::string& folder : folders)
        journal.journals.push_back(joinPath(folder, PublishJournalFileName));
    return journal;
}

void removeJournals(const Journal& journal) {
    for (const std::string& path : journal.journals) fileCalls().remove(path);
    syncFolders(journal);
}

void writeJournals(const Journal& journal) {
    const std::string text = journalText(journal);
    for (const std::string& path : journal.journals) {
        PrivateFile file(path, PrivateFile::Open::Truncate);
        file.append(text);
        file.sync();
        file.close();
    }
    syncFolders(journal);
}

// While every journal is in place, a temporary file exists until its rename in, the only
// move that takes it away (leftover temporaries are removed only once the journals are
// gone): when none is left, every new file is in place.
bool everyFileMovedIn(const Journal& journal) {
    for (const Move& move : journal.moves)
        if (existsAsAnything(move.temporaryPath)) return false;
    return true;
}

// Undoes the moves from what the folders show, so it can itself be interrupted and run
// again: each new file that reached its final name goes back to its temporary name, then
// each old file comes back from aside.
void rollBack(const Journal& journal) {
    for (auto move = journal.moves.rbegin(); move != journal.moves.rend(); ++move)
        if (!existsAsAnything(move->temporaryPath) && existsAsAnything(move->finalPath))
            fileCalls().rename(move->finalPath, move->temporaryPath);
    for (auto move = journal.moves.rbegin(); move != journal.moves.rend(); ++move)
        if (!move->asidePath.empty() && existsAsAnything(move->asidePath))
            fileCalls().rename(move->asidePath, move->finalPath);
    syncFolders(journal);
}

// Deletes the old files once every new one is in place. What cannot be deleted keeps the
// journal, so a later run tries again.
void completeMoves(const Journal& journal) {
    bool allRemoved = true;
    for (const Move& move : journal.moves)
        if (!move.asidePath.empty()) allRemoved = fileCalls().remove(move.asidePath) && allRemoved;
    syncFolders(journal);
    if (allRemoved) removeJournals(journal);
}

EInOutError namingTheFinalFile(const EInOutError& error) {
    return EInOutError(error.code(), error.what(), finalPathOf(error.path()));
}

}  // namespace

void publishAllOrNothing(const std::vector<StagedFile>& files) {
    Journal journal;
    try {
        journal = planOf(files);
    } catch (const EInOutError&) {
        for (const StagedFile& file : files) fileCalls().remove(file.temporaryPath);
        throw;
    }
    try {
        writeJournals(journal);
        for (const Move& move : journal.moves)
            if (!move.asidePath.empty()) fileCalls().rename(move.finalPath, move.asidePath);
        for (const Move& move : journal.moves) fileCalls().rename(move.temporaryPath, move.finalPath);
        syncFolders(journal);
    } catch (const EInOutError& error) {
        try {
            rollBack(journal);
            for (const Move& move : journal.moves) fileCalls().remove(move.temporaryPath);
            removeJournals(journal);
        } catch (...) {  // the journal and the files stay: the next run in the folder finishes the roll-back
        }
        // Named as the caller gave the file, not by the journal's absolute path.
        const std::string failed = finalPathOf(error.path());
        for (std::size_t index = 0; index < files.size(); ++index)
            if (journal.moves[index].finalPath == failed)
                throw EInOutError(error.code(), error.what(), files[index].finalPath);
        throw;
    }
    try {
        completeMoves(journal);
    } catch (...) {  // every new file is in place: the run has succeeded; the next run tidies up
    }
}

void finishInterruptedPublishing(const std::string& folder, const std::vector<std::string>& lockedFolders) {
    const std::string path = joinPath(folder, PublishJournalFileName);
    std::error_code error;
    const auto status = fs::symlink_status(path, error);
    if (!fs::exists(status)) return;
    if (!fs::is_regular_file(status))
        throw EInOutError(io_code::AccessDenied, error_text::NotARegularFile, path);
    const std::string text = journalTextIn(path);
    const std::optional<Journal> journal = parseJournal(text);
    if (!journal) {
        fileCalls().remove(path);
        return;
    }
    std::set<std::string> held;
    ResolvedPaths resolved;
    for (const std::string& locked : lockedFolders) held.insert(resolved.folder(locked));
    std::vector<std::unique_ptr<FolderLock>> locks;
    for (const std::string& other : foldersOf(*journal))
        if (!held.contains(other) && fs::is_directory(other, error))
            locks.push_back(std::make_unique<FolderLock>(other));
    // The journals are written before the first rename and removed after the last move;
    // when one of them is missing or torn, the run died while writing them or while
    // removing them, and either way there is no move left to finish or undo.
    for (const std::string& other : journal->journals)
        if (journalTextIn(other) != text) {
            for (const std::string& each : journal->journals) fileCalls().remove(each);
            return;
        }
    try {
        if (everyFileMovedIn(*journal)) {
            completeMoves(*journal);
        } else {
            rollBack(*journal);
            removeJournals(*journal);
        }
    } catch (const EInOutError& failure) {
        throw namingTheFinalFile(failure);
    }
}

}  // namespace quorvex
