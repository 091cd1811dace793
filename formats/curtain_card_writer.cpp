#include "formats/curtain_card_writer.h"

#include "engine/split_hand.h"
#include "formats/html_document.h"

namespace quorvex {

namespace {

// Inline CSS. A board is a box of a fixed height: two fit on an A4 page and on a Letter
// page under the title, so a box never splits and every page after the first is cut the
// same way. Its four slips stand two by two, framed by dashed cut lines.
constexpr std::string_view Style =
    R"(body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 12pt; margin: 0; color: #000; }
h1 { font-size: 11pt; margin: 0 0 2mm; }
.board { display: grid; grid-template-columns: 1fr 1fr; grid-template-rows: 1fr 1fr; height: 116mm;
  margin: 0 0 3mm; break-inside: avoid; page-break-inside: avoid; }
.slip { border: 0.3mm dashed #000; padding: 3mm 5mm; }
.number { font-weight: bold; font-size: 16pt; }
.seat { font-weight: bold; font-size: 16pt; margin-left: 4mm; }
.rotation { font-size: 11pt; margin: 1mm 0 2mm; }
.suit { font-size: 15pt; line-height: 1.35; }
.s { display: inline-block; width: 1.3em; }
.red { color: #c00000; }
)";

std::string slip(unsigned boardNumber, const ValidBoardLine& board, int hand) {
    Holdings holdings;
    splitHand(board.text(), hand, holdings);
    std::string html =
        "<div class=\"slip\"><div><span class=\"number\">Board " + std::to_string(boardNumber) +
        "</span><span class=\"seat\">" + std::string(HandNames[static_cast<std::size_t>(hand)]) +
        "</span></div><div class=\"rotation\">" + dealerAndVulnerability(boardNumber) + "</div>";
    for (std::size_t suit = 0; suit < SuitCount; ++suit)
        html += "<div class=\"suit\">" + std::string(HtmlSuitSymbols[suit]) +
                holdingHtml(holdings[suit], "-") + "</div>";
    return html + "</div>";
}

// A board's four slips, North, East, South, West, two by two.
std::string boardSlips(unsigned boardNumber, const ValidBoardLine& board) {
    std::string html = "<div class=\"board\">";
    for (int hand = 0; hand < HandCount; ++hand) html += slip(boardNumber, board, hand);
    return html + "</div>";
}

}  // namespace

void writeCurtainCardFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeHtmlSetFiles(settings, CurtainCardExtension, "Curtain cards &ndash; ", "10mm 10mm 12mm",
                      std::string(Style), boardSlips, files);
}

}  // namespace quorvex
