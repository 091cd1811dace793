#include "formats/deep_finesse_writer.h"

#include "formats/hand_text.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

enum Hand : std::size_t { North, East, South, West };

// Fills the line that starts at `lineStart` in `text` with blanks up to `column` (counted
// from 1), where the next field starts. No field before a padding ever reaches it: the
// board number has at most 5 digits and East's text ends by column 40.
void padToColumn(std::string& text, std::size_t lineStart, std::size_t column) {
    text.resize(lineStart + column - 1, ' ');
}

class DeepFinesseFormat final : public SetFileFormat {
public:
    std::string_view extension() const override { return ".txt"; }

    void writeBoard(FileWriter& out, const MainDealHeader&, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        out.write(DeepFinesseBoardLines(boardNumber, board));
    }
};

} // namespace

std::string DeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board) {
    std::string text;
    text.reserve(256);
    text += "Deal: ";
    text += std::to_string(boardNumber);
    padToColumn(text, 0, 39);
    AppendDeepFinesseHandText(board, North, text);
    text += "\r\n";

    std::size_t lineStart = text.size();
    text += "Contract: 3NT";
    padToColumn(text, lineStart, 22);
    AppendDeepFinesseHandText(board, East, text);
    padToColumn(text, lineStart, 56);
    AppendDeepFinesseHandText(board, South, text);
    text += "\r\n";

    lineStart = text.size();
    text += "OnLead: East";
    padToColumn(text, lineStart, 39);
    AppendDeepFinesseHandText(board, West, text);
    text += "\r\nLead: Any\r\n\r\n";
    return text;
}

void WriteDeepFinesseFiles(const ConversionSettings& settings, std::vector<std::string>& written) {
    DeepFinesseFormat format;
    WriteSetFiles(settings, format, written);
}

} // namespace quorvex
