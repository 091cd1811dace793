#pragma once
// The formats whose files hold nothing but each board's record in turn: the fixed-length
// records of .dup, .bri and .dge (no line ends) and the five lines of the Deep Finesse file.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/staged_files.h"
#include "engine/cards.h"
#include "engine/main_deal_file.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

// The .dup and .bri records open with North's, East's and South's card numbers, two digits
// each, as the board line holds them; West holds the rest.
inline constexpr std::size_t ThreeHandsDigitsLength = 3 * CardsPerHand * 2;

// The format of files with the extension holding the record of each board in turn, one
// file per set. `record` is called as
//   char* record(const ValidBoardLine& board, const MainDealHeader& header,
//                unsigned boardNumber, char* at)
// and writes the record of `board`, board `boardNumber` (from 1) of its set, from `at`,
// returning where it ends; it may use `longestRecord` bytes whatever its length. Records
// are written straight into blocks of at least a file's buffer, which go to the file as they
// are (no copy into the file's own buffer); closing the file reports any failure.
template <class Record>
std::unique_ptr<SetFileFormat> recordSetFileFormat(std::string_view extension, std::size_t longestRecord,
                                                   Record record);

namespace detail {

// The blocks that every file of a record format fills in turn: one serves every file, with
// no allocation per board and no byte set before its record writes it. Below BufferSize
// there is always room for one more record.
class RecordBlock {
public:
    explicit RecordBlock(std::size_t longestRecord)
        : bytes_(new char[FileWriter::BufferSize + longestRecord]) {}
    char* end() { return bytes_.get() + used_; }
    // Takes the bytes up to `end` and writes the block once it is full.
    void advanceTo(char* end, FileWriter& out) {
        used_ = static_cast<std::size_t>(end - bytes_.get());
        if (used_ >= FileWriter::BufferSize) write(out);
    }
    void write(FileWriter& out) {
        const std::size_t size = used_;
        used_ = 0;
        out.write({bytes_.get(), size});
    }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t used_ = 0;
};

// The record called directly, so that the compiler can put it in line: four formats of a
// million boards each.
template <class Record>
class RecordFormat final : public SetFileFormat {
public:
    RecordFormat(std::string_view extension, std::size_t longestRecord, Record record)
        : extension_(extension), record_(record), block_(longestRecord) {}

    std::string_view extension() const override { return extension_; }

    void writeBoard(FileWriter& out, const MainDealHeader& header, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        block_.advanceTo(record_(board, header, boardNumber, block_.end()), out);
    }

    void finishFile(FileWriter& out, const MainDealHeader&) override { block_.write(out); }

private:
    std::string_view extension_;
    Record record_;
    RecordBlock block_;
};

}  // namespace detail

template <class Record>
std::unique_ptr<SetFileFormat> recordSetFileFormat(std::string_view extension, std::size_t longestRecord,
                                                   Record record) {
    return std::make_unique<detail::RecordFormat<Record>>(extension, longestRecord, record);
}

}  // namespace quorvex
