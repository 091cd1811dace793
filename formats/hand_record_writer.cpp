#include "formats/hand_record_writer.h"

#include <array>

#include "engine/board_rotation.h"
#include "engine/high_card_points.h"
#include "engine/split_hand.h"
#include "formats/double_dummy_cursor.h"
#include "formats/html_document.h"

namespace quorvex {

namespace {

// Declarers in the order hand records list them.
constexpr Hand TableDeclarers[] = {North, South, East, West};

// Inline CSS after the boxes' own.
constexpr std::string_view Style = R"(.board table.diagram { width: 100%; border-collapse: collapse; }
.diagram td { width: 33%; vertical-align: top; padding: 0.3mm 0.5mm; line-height: 1.25; }
.number { font-weight: bold; font-size: 11pt; }
.seat { font-size: 7.5pt; color: #444; }
.hcp { font-weight: bold; color: #000; }
.s { display: inline-block; width: 1.1em; }
.red { color: #c00000; }
table.dd { border-collapse: collapse; font-size: 7.5pt; line-height: 1.15; }
.dd th, .dd td { padding: 0 0.8mm; text-align: center; }
.dd th { font-weight: normal; color: #444; }
.par { font-size: 8pt; }
)";

std::string handBlock(const ValidBoardLine& board, Hand hand) {
    Holdings holdings;
    splitHand(board.text(), hand, holdings);
    unsigned points = 0;
    for (const std::string& holding : holdings)
        for (const char letter : holding) points += highCardPoints(letter);
    std::string html = "<div class=\"seat\">" + std::string(HandNames[hand]) + " <span class=\"hcp\">" +
                       std::to_string(points) + "</span></div>";
    for (std::size_t suit = 0; suit < SuitCount; ++suit)
        html +=
            "<div>" + std::string(HtmlSuitSymbols[suit]) + holdingHtml(holdings[suit], "&ndash;") + "</div>";
    return html;
}

// A par contract as the library writes it ("4S-NS+1", "5H*-EW-2", "3N-EW") with the
// suit symbol or "NT" in place of the denomination letter.
std::string parContractText(std::string_view contract) {
    const std::size_t letter = contract.find_first_of("SHDCN");
    if (letter == std::string_view::npos) return htmlEscaped(contract);
    const std::size_t suit = std::string_view("SHDC").find(contract[letter]);
    const std::string denomination =
        suit == std::string_view::npos ? "NT" : std::string(HtmlSuitSymbols[suit]);
    return htmlEscaped(contract.substr(0, letter)) + denomination + htmlEscaped(contract.substr(letter + 1));
}

std::string parBlock(const DoubleDummyTable& table) {
    std::string html = "<div class=\"par\">Par NS " + std::to_string(table.parScore) + "</div>";
    for (const std::string& contract : table.parContracts)
        html += "<div class=\"par\">" + parContractText(contract) + "</div>";
    return html;
}

std::string tricksTable(const DoubleDummyTable& table) {
    std::string html = "<table class=\"dd\"><tr><th></th><th>NT</th>";
    for (const std::string_view symbol : HtmlSuitSymbols) html += "<th>" + std::string(symbol) + "</th>";
    html += "</tr>";
    for (const Hand declarer : TableDeclarers) {
        html += "<tr><th>" + std::string(1, HandLetters[declarer]) + "</th>";
        for (const std::uint8_t tricks : table.tricks[declarer])
            html += "<td>" + std::to_string(tricks) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

class HandRecordFormat final : public HtmlSetDocument {
public:
    explicit HandRecordFormat(const ConversionSettings& settings)
        : HtmlSetDocument(settings, HandRecordExtension, "", "12mm 10mm 14mm",
                          twoAbreastStyle("9.5pt") + std::string(Style)),
          doubleDummy_(settings.doubleDummy) {}

    void writeBoard(FileWriter& out, const MainDealHeader&, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        out.writeLine(handRecordBoard(boardNumber, board, doubleDummy_.next()));
    }

private:
    DoubleDummyCursor doubleDummy_;
};

}  // namespace

std::string handRecordBoard(unsigned boardNumber, const ValidBoardLine& board,
                            const DoubleDummyTable* doubleDummy) {
    const std::string cell = "<td>";
    std::string html = "<div class=\"board\"><table class=\"diagram\">";
    html += "<tr><td><div class=\"number\">Board " + std::to_string(boardNumber) + "</div><div>Dealer " +
            std::string(HandNames[dealerOfBoard(boardNumber)]) + "</div><div>Vul " +
            std::string(VulnerabilityNames[vulnerabilityOfBoard(boardNumber)]) + "</div></td>";
    html += cell + handBlock(board, North) + "</td>";
    html += cell + (doubleDummy ? parBlock(*doubleDummy) : "") + "</td></tr>";
    html += "<tr>" + cell + handBlock(board, West) + "</td><td></td>" + cell + handBlock(board, East) +
            "</td></tr>";
    html += "<tr><td></td>" + cell + handBlock(board, South) + "</td>";
    html += cell + (doubleDummy ? tricksTable(*doubleDummy) : "") + "</td></tr>";
    return html + "</table></div>";
}

void writeHandRecordFiles(const ConversionSettings& settings, StagedFiles& files) {
    HandRecordFormat format(settings);
    writeSetFiles(settings, format, files);
}

}  // namespace quorvex
