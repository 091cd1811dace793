#include "formats/deep_finesse_writer.h"

#include <algorithm>
#include <string>

#include "engine/cards.h"
#include "formats/hand_text.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

class DeepFinesseFormat final : public SetFileFormat {
public:
    std::string_view extension() const override { return DeepFinesseExtension; }

    void writeBoard(FileWriter& out, const MainDealHeader&, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        // One buffer serves every board: no allocation per board.
        scratch_.clear();
        appendDeepFinesseBoardLines(boardNumber, board, scratch_);
        out.write(scratch_);
    }

private:
    std::string scratch_;
};

// Blanks up to `column` (counted from 1) of the line that starts at `lineStart`.
void padToColumn(std::string& out, std::size_t lineStart, std::size_t column) {
    out.resize(std::max(out.size(), lineStart + column - 1), ' ');
}

}  // namespace

void appendDeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board, std::string& out) {
    // Hands stand at fixed columns: North and West from column 39, East from 22, South from 56.
    std::size_t line = out.size();
    out += "Deal: ";
    out += std::to_string(boardNumber);
    padToColumn(out, line, 39);
    appendDeepFinesseHandText(board, North, out);
    out += "\r\n";

    line = out.size();
    out += "Contract: 3NT";
    padToColumn(out, line, 22);
    appendDeepFinesseHandText(board, East, out);
    padToColumn(out, line, 56);
    appendDeepFinesseHandText(board, South, out);
    out += "\r\n";

    line = out.size();
    out += "OnLead: East";
    padToColumn(out, line, 39);
    appendDeepFinesseHandText(board, West, out);
    out += "\r\nLead: Any\r\n\r\n";
}

std::unique_ptr<SetFileFormat> deepFinesseSetFileFormat(const ConversionSettings&) {
    return std::make_unique<DeepFinesseFormat>();
}

void WriteDeepFinesseFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *deepFinesseSetFileFormat(settings), files);
}

}  // namespace quorvex
