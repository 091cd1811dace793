#include "formats/dealing_sheet_writer.h"

#include "engine/board_rotation.h"
#include "formats/html_document.h"

namespace quorvex {

namespace {

// Inline CSS. Boards are atomic boxes, two abreast, in type large enough to read at arm's
// length: at least three rows of boards fit on A4 and on Letter, and a box that does not
// fit on the rest of a page moves whole to the next. Partners' seats share a shade, so the
// eye keeps its column across a line.
constexpr std::string_view Style =
    R"(body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 11pt; margin: 0; color: #000;
  orphans: 1; widows: 1; }
h1 { font-size: 13pt; margin: 0 0 3mm; }
.board { display: inline-block; vertical-align: top; width: 49%; box-sizing: border-box; margin: 0 0 3mm;
  padding: 1.5mm 2mm; border: 0.4mm solid #555; border-radius: 1.5mm;
  break-inside: avoid; page-break-inside: avoid; }
.head { margin: 0 0 1mm; }
.number { font-weight: bold; font-size: 15pt; margin-right: 3mm; }
table.deck { width: 100%; border-collapse: collapse; table-layout: fixed; }
.deck th { font-weight: normal; font-size: 9pt; color: #444; padding: 0; }
.deck td { text-align: center; font-weight: bold; font-size: 15pt; padding: 0.4mm 0; border: 0.2mm solid #bbb; }
.deck td.ns { background: #e4e4e4; }
.deck th.suit { width: 7%; font-size: 15pt; color: #000; }
.s { display: inline-block; }
.red { color: #c00000; }
)";

// The seat letter (N, E, S, W) of every card in sorted-deck order: the ace of spades
// first, the two of clubs last.
std::string seatsInDeckOrder(const ValidBoardLine& board) {
    std::string seats(CardsPerDeal, '?');
    for (int field = 0; field < CardsPerDeal; ++field)
        seats[static_cast<std::size_t>(board.card(static_cast<std::size_t>(field)) - 1)] =
            HandLetters[static_cast<std::size_t>(handOfField(field))];
    return seats;
}

std::string boardBlock(unsigned boardNumber, const ValidBoardLine& board) {
    const std::string seats = seatsInDeckOrder(board);
    std::string html = "<div class=\"board\"><div class=\"head\"><span class=\"number\">Board " +
                       std::to_string(boardNumber) + "</span> Dealer " +
                       std::string(HandNames[dealerOfBoard(boardNumber)]) + " &middot; Vul " +
                       std::string(VulnerabilityNames[vulnerabilityOfBoard(boardNumber)]) + "</div>";
    html += "<table class=\"deck\"><tr><th class=\"suit\"></th>";
    for (const char letter : RankLetters) html += "<th>" + rankText(letter) + "</th>";
    html += "</tr>";
    for (int suit = 0; suit < SuitCount; ++suit) {
        html += "<tr><th class=\"suit\">" + std::string(HtmlSuitSymbols[suit]) + "</th>";
        for (int rank = 0; rank < RanksPerSuit; ++rank) {
            const char seat = seats[static_cast<std::size_t>(suit * RanksPerSuit + rank)];
            html +=
                (seat == 'N' || seat == 'S' ? "<td class=\"ns\">" : "<td>") + std::string(1, seat) + "</td>";
        }
        html += "</tr>";
    }
    return html + "</table></div>";
}

class DealingSheetFormat final : public HtmlSetDocument {
public:
    explicit DealingSheetFormat(const ConversionSettings& settings)
        : HtmlSetDocument(settings, DealingSheetExtension, "Duplication sheet &ndash; ", "12mm 10mm 14mm",
                          Style) {}

    void writeBoard(FileWriter& out, const MainDealHeader&, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        out.writeLine(boardBlock(boardNumber, board));
    }
};

}  // namespace

void writeDealingSheetFiles(const ConversionSettings& settings, StagedFiles& files) {
    DealingSheetFormat format(settings);
    writeSetFiles(settings, format, files);
}

}  // namespace quorvex
