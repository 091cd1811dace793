#include "formats/record_files.h"

namespace quorvex {

namespace {

class RecordFormat final : public SetFileFormat {
public:
    RecordFormat(std::string_view extension, RecordOfBoard record) : extension_(extension), record_(record) {}

    std::string_view extension() const override { return extension_; }

    void writeBoard(FileWriter& out, const MainDealHeader& header, unsigned,
                    const ValidBoardLine& board) override {
        // One buffer serves every record: no allocation per board.
        scratch_.clear();
        record_(board, header, scratch_);
        out.write(scratch_);
    }

private:
    std::string_view extension_;
    RecordOfBoard record_;
    std::string scratch_;
};

}  // namespace

std::unique_ptr<SetFileFormat> recordSetFileFormat(std::string_view extension, RecordOfBoard record) {
    return std::make_unique<RecordFormat>(extension, record);
}

}  // namespace quorvex
