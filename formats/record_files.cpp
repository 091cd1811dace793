#include "formats/record_files.h"

namespace quorvex {

namespace {

class RecordFormat final : public SetFileFormat {
public:
    RecordFormat(std::string_view extension, RecordOfBoard record) : extension_(extension), record_(record) {}

    std::string_view extension() const override { return extension_; }

    void writeBoard(FileWriter& out, const MainDealHeader& header, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        record_(board, header, boardNumber, block_);
        if (block_.size() >= FileWriter::BufferSize) writeBlock(out);
    }

    void finishFile(FileWriter& out, const MainDealHeader&) override { writeBlock(out); }

private:
    // One buffer serves every block of every file: no allocation per board.
    void writeBlock(FileWriter& out) {
        out.write(block_);
        block_.clear();
    }

    std::string_view extension_;
    RecordOfBoard record_;
    std::string block_;
};

}  // namespace

std::unique_ptr<SetFileFormat> recordSetFileFormat(std::string_view extension, RecordOfBoard record) {
    return std::make_unique<RecordFormat>(extension, record);
}

}  // namespace quorvex
