#include "formats/deep_finesse_writer.h"

#include "common/pad_to_width.h"
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
        out.write(deepFinesseBoardLines(boardNumber, board));
    }
};

}  // namespace

std::string deepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board) {
    // Hands stand at fixed columns: North and West from column 39, East from 22, South from 56.
    std::string text = PadToWidth("Deal: " + std::to_string(boardNumber), 38);
    appendDeepFinesseHandText(board, North, text);
    text += "\r\n";

    std::string contract = PadToWidth("Contract: 3NT", 21);
    appendDeepFinesseHandText(board, East, contract);
    text += PadToWidth(contract, 55);
    appendDeepFinesseHandText(board, South, text);
    text += "\r\n";

    text += PadToWidth("OnLead: East", 38);
    appendDeepFinesseHandText(board, West, text);
    text += "\r\nLead: Any\r\n\r\n";
    return text;
}

std::unique_ptr<SetFileFormat> deepFinesseSetFileFormat(const ConversionSettings&) {
    return std::make_unique<DeepFinesseFormat>();
}

void WriteDeepFinesseFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *deepFinesseSetFileFormat(settings), files);
}

}  // namespace quorvex
