#include "formats/hand_record_writer.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "engine/board_rotation.h"
#include "engine/high_card_points.h"
#include "engine/split_hand.h"
#include "formats/double_dummy_cursor.h"
#include "formats/html_document.h"
#include "formats/par_contract.h"

namespace quorvex {

namespace {

// Declarers in the order hand records list them.
constexpr Hand TableDeclarers[] = {North, South, East, West};

// Inline CSS after the boxes' own. A suit never wraps: its ranks stand close (narrowed
// blanks) and a hand's column is wide enough for a thirteen-card suit in the widest of the
// fonts named, on A4 and Letter alike. North and South stand in the middle column of the top
// and bottom rows, beside the par and the tricks table; West and East share the middle row,
// East as far right as a long suit allows.
constexpr std::string_view Style = R"(.board { line-height: 1.25; }
.top, .bottom { display: grid; grid-template-columns: 29% 42% 29%; }
.middle { display: grid; grid-template-columns: 58% 42%; }
.suit { white-space: nowrap; word-spacing: -0.2em; }
.number { font-weight: bold; font-size: 11pt; }
.seat { font-size: 7.5pt; color: #444; }
.hcp { font-weight: bold; color: #000; }
.s { display: inline-block; width: 1.1em; word-spacing: normal; }
.red { color: #c00000; }
table.dd { border-collapse: collapse; font-size: 7pt; line-height: 1.15; }
.dd th, .dd td { padding: 0 0.5mm; text-align: center; }
.dd th { font-weight: normal; color: #444; }
.par, .makes { font-size: 7.5pt; }
.makes { margin-top: 0.8mm; }
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
        html += "<div class=\"suit\">" + std::string(HtmlSuitSymbols[suit]) +
                holdingHtml(holdings[suit], "&ndash;") + "</div>";
    return html;
}

std::string denominationText(Denomination denomination) {
    return denomination == NoTrump ? std::string("NT") : std::string(HtmlSuitSymbols[denomination - 1]);
}

// The declaring seat or side as players say it: "N-S", "E-W", or the seat's name.
std::string declarerText(std::string_view declarer) {
    if (declarer.size() == 2) return std::string(1, declarer[0]) + "-" + declarer[1];
    return std::string(HandNames[HandLetters.find(declarer[0])]);
}

// A score with its sign, the minus as a real minus sign.
std::string signedScore(int score) {
    return (score < 0 ? "&minus;" : "+") + std::to_string(score < 0 ? -score : score);
}

// A par contract in players' words, scored for the declaring side: "4♥× by N-S, down 3
// (−500)", "2♥ by N-S (+110)" for the library's "1H-NS+1"; "pass" when nobody should bid. A
// text the library might write otherwise is shown as it stands.
std::string parContractText(std::string_view text, int parScore) {
    if (text == "pass") return "Passed out";
    const std::optional<ParContract> contract = readParContract(text);
    if (!contract) return htmlEscaped(text);
    std::string html = std::to_string(contract->levelMade()) + denominationText(contract->denomination);
    if (contract->doubled) html += "&times;";
    html += " by " + declarerText(contract->declarer);
    if (contract->result < 0) html += ", down " + std::to_string(-contract->result);
    return html + " (" + signedScore(contract->eastWest() ? -parScore : parScore) + ")";
}

std::string parBlock(const DoubleDummyTable& table) {
    std::string html = "<div class=\"par\">Par";
    if (table.parContracts.empty()) html += " N-S " + signedScore(table.parScore);
    html += "</div>";
    for (const std::string& contract : table.parContracts)
        html += "<div class=\"par\">" + parContractText(contract, table.parScore) + "</div>";
    return html;
}

// The highest contract each side makes in each denomination, highest first ("N-S: 4♥,
// 3NT; E-W: 2♠"), for players who do not read the tricks table.
std::string makeableContracts(const DoubleDummyTable& table) {
    constexpr std::array<std::pair<Hand, Hand>, 2> Sides = {{{North, South}, {East, West}}};
    constexpr std::array<std::string_view, 2> SideNames = {"N-S", "E-W"};
    std::string html = "<div class=\"makes\">";
    for (std::size_t side = 0; side < Sides.size(); ++side) {
        // Level and denomination, ordered by level, then no trump before the suits from spades.
        std::vector<std::pair<int, Denomination>> makes;
        for (std::size_t d = 0; d < DenominationCount; ++d) {
            const auto denomination = static_cast<Denomination>(d);
            const int tricks = std::max(table.tricks[Sides[side].first][denomination],
                                        table.tricks[Sides[side].second][denomination]);
            if (tricks >= 7) makes.emplace_back(tricks - 6, denomination);
        }
        std::stable_sort(makes.begin(), makes.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        if (side > 0) html += "; ";
        html += std::string(SideNames[side]) + ": ";
        if (makes.empty()) html += "&ndash;";
        for (std::size_t i = 0; i < makes.size(); ++i)
            html += (i > 0 ? ", " : "") + std::to_string(makes[i].first) + denominationText(makes[i].second);
    }
    return html + "</div>";
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
                          twoAbreastStyle("9pt") + std::string(Style)),
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
    const auto cell = [](const std::string& content) { return "<div>" + content + "</div>"; };
    std::string html = "<div class=\"board\"><div class=\"top\">";
    html += cell("<div class=\"number\">Board " + std::to_string(boardNumber) + "</div><div>Dealer " +
                 std::string(HandNames[dealerOfBoard(boardNumber)]) + "</div><div>Vul " +
                 std::string(VulnerabilityNames[vulnerabilityOfBoard(boardNumber)]) + "</div>");
    html += cell(handBlock(board, North)) + cell(doubleDummy ? parBlock(*doubleDummy) : "") + "</div>";
    html += "<div class=\"middle\">" + cell(handBlock(board, West)) + cell(handBlock(board, East)) + "</div>";
    html += "<div class=\"bottom\"><div></div>" + cell(handBlock(board, South)) +
            cell(doubleDummy ? tricksTable(*doubleDummy) : "") + "</div>";
    if (doubleDummy) html += makeableContracts(*doubleDummy);
    return html + "</div>";
}

void writeHandRecordFiles(const ConversionSettings& settings, StagedFiles& files) {
    HandRecordFormat format(settings);
    writeSetFiles(settings, format, files);
}

}  // namespace quorvex
