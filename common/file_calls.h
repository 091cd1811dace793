#pragma once
// The file-system calls that make the run's files durable and put them in place: writing,
// flushing and syncing a file, renaming, syncing a folder and removing. Staged files,
// private files and whole-line appends make these calls only through fileCalls(), so a
// test can put calls of its own in place to see their order or to fail any one of them.
// The program itself always uses the real calls.
#include <cstdio>
#include <string>
#include <string_view>

namespace quorvex {

class FileCalls {
public:
    virtual ~FileCalls() = default;

    // Each raises EInOutError naming `path` (for rename: `to`) on failure.
    virtual void write(int descriptor, std::string_view bytes, const std::string& path);  // all or fails
    virtual void flush(std::FILE* file, const std::string& path);
    virtual void sync(int descriptor, const std::string& path);
    virtual void rename(const std::string& from, const std::string& to);  // replaces `to`
    virtual void syncFolder(const std::string& folder);
    // Removes the file `path`; false when it could not be removed (a missing file counts as removed).
    virtual bool remove(const std::string& path);
};

FileCalls& fileCalls();

// Puts `calls` in place of the current calls for its lifetime.
class FileCallsReplaced {
public:
    explicit FileCallsReplaced(FileCalls& calls);
    ~FileCallsReplaced();
    FileCallsReplaced(const FileCallsReplaced&) = delete;
    FileCallsReplaced& operator=(const FileCallsReplaced&) = delete;

private:
    FileCalls* previous_;
};

}  // namespace quorvex
