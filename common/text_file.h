#pragma once
// Buffered files for the main deal file, the entropy log and the output formats.
// Text lines always end in CR LF, on every platform; record files are raw bytes.
// Every failure raises EInOutError; nothing is held in memory beyond one buffer.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace quorvex {

// Writes a file of the run. A file it creates is private to the current user (see
// PrivateFile); close() writes out the buffer and syncs the file to disk, so a file that
// closed without an error is complete on disk.
class FileWriter {
public:
    enum class Mode {
        Create,  // creates the file or empties an existing one
        New,     // the file must not exist yet (a temporary name of the run)
    };

    // Writes of at least this many bytes go to the file as they are; smaller ones are
    // gathered into a buffer of this size first.
    static constexpr std::size_t BufferSize = std::size_t{1} << 16;

    explicit FileWriter(const std::string& path, Mode mode = Mode::Create);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    void write(std::string_view bytes);
    void writeLine(std::string_view text);  // text + CR LF
    void flush();
    void close();  // reports a failure to write out the last buffer or to sync; once closed, does nothing

    const std::string& path() const { return path_; }

private:
    [[noreturn]] void fail() const;
    void writeBuffer();
    void writeOut(std::string_view bytes);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;  // the writes not yet handed to stdio
    std::size_t buffered_ = 0;
};

class TextFileReader {
public:
    explicit TextFileReader(const std::string& path);
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // True once every line has been read.
    bool atEnd();
    // The next line without its CR LF (a lone LF ends a line too); an empty text past the end.
    std::string readLine();
    // The same line without a copy, valid until the next call on this reader.
    std::string_view nextLine();

private:
    bool fillBuffer();

    std::string path_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::size_t pos_ = 0;  // the unread bytes are [pos_, end_)
    std::size_t end_ = 0;
};

}  // namespace quorvex
