#include "formats/deep_finesse_writer.h"

#include "common/pad_to_width.h"
#include "formats/hand_text.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

class DeepFinesseFormat final : public SetFileFormat {
public:
    std::string_view extension() const override { return ".txt"; }

    void writeBoard(FileWriter& out, const MainDealHeader&, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        for (const std::string& line : DeepFinesseBoardLines(boardNumber, board)) out.writeLine(line);
    }
};

} // namespace

std::array<std::string, 5> DeepFinesseBoardLines(unsigned boardNumber, const ValidBoardLine& board) {
    const std::array<std::string, 4> hands = DeepFinesseHandTexts(board);
    // East's text ends by column 40, so padding to 55 never cuts it.
    return {"Deal: " + PadToWidth(std::to_string(boardNumber), 32) + hands[0],
            PadToWidth(PadToWidth("Contract: 3NT", 21) + hands[1], 55) + hands[2],
            PadToWidth("OnLead: East", 38) + hands[3],
            "Lead: Any",
            ""};
}

void WriteDeepFinesseFiles(const ConversionSettings& settings, std::vector<std::string>& written) {
    DeepFinesseFormat format;
    WriteSetFiles(settings, format, written);
}

} // namespace quorvex
