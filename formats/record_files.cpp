#include "formats/record_files.h"

#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

class RecordFormat final : public SetFileFormat {
public:
    RecordFormat(std::string_view extension, RecordOfBoard record) : extension_(extension), record_(record) {}

    std::string_view extension() const override { return extension_; }

    void writeBoard(FileWriter& out, const MainDealHeader& header, unsigned,
                    const ValidBoardLine& board) override {
        out.write(record_(board, header));
    }

private:
    std::string_view extension_;
    RecordOfBoard record_;
};

}  // namespace

void writeRecordFiles(const ConversionSettings& settings, std::string_view extension, RecordOfBoard record,
                      StagedFiles& files) {
    RecordFormat format(extension, record);
    writeSetFiles(settings, format, files);
}

}  // namespace quorvex
