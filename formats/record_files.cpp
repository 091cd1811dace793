#include "formats/record_files.h"

namespace quorvex {

namespace {

class RecordFormat final : public SetFileFormat {
public:
    RecordFormat(std::string_view extension, std::size_t longestRecord, RecordOfBoard record)
        : extension_(extension), record_(record), block_(new char[FileWriter::BufferSize + longestRecord]) {}

    std::string_view extension() const override { return extension_; }

    void writeBoard(FileWriter& out, const MainDealHeader& header, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        used_ = static_cast<std::size_t>(record_(board, header, boardNumber, block_.get() + used_) -
                                         block_.get());
        if (used_ >= FileWriter::BufferSize) writeBlock(out);
    }

    void finishFile(FileWriter& out, const MainDealHeader&) override { writeBlock(out); }

private:
    void writeBlock(FileWriter& out) {
        const std::size_t size = used_;
        used_ = 0;
        out.write({block_.get(), size});
    }

    std::string_view extension_;
    RecordOfBoard record_;
    // One block serves every file: no allocation per board, and no byte set before its
    // record writes it. Below BufferSize there is always room for one more record.
    std::unique_ptr<char[]> block_;
    std::size_t used_ = 0;
};

}  // namespace

std::unique_ptr<SetFileFormat> recordSetFileFormat(std::string_view extension, std::size_t longestRecord,
                                                   RecordOfBoard record) {
    return std::make_unique<RecordFormat>(extension, longestRecord, record);
}

}  // namespace quorvex
