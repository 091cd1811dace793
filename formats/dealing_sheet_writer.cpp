#include "formats/dealing_sheet_writer.h"

#include "formats/html_document.h"

namespace quorvex {

namespace {

// Inline CSS after the boxes' own. The type is large enough to read at arm's length, yet
// at least three rows of boards fit on A4 and on Letter. Partners' seats share a shade, so
// the eye keeps its column across a line.
constexpr std::string_view Style = R"(.head { margin: 0 0 1mm; }
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
                       std::to_string(boardNumber) + "</span> " + dealerAndVulnerability(boardNumber) +
                       "</div>";
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

}  // namespace

void writeDealingSheetFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeHtmlSetFiles(settings, DealingSheetExtension, "Duplication sheet &ndash; ", "12mm 10mm 14mm",
                      twoAbreastStyle("11pt") + std::string(Style), boardBlock, files);
}

}  // namespace quorvex
