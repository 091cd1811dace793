#include "formats/pbn_writer.h"

#include <cstdio>

#include "common/date_text.h"
#include "common/product.h"
#include "engine/board_rotation.h"
#include "engine/split_hand.h"
#include "formats/double_dummy_cursor.h"
#include "formats/set_file_writer.h"

namespace quorvex {

namespace {

// A tag value in double quotes, with quote and backslash escaped.
std::string quoted(std::string_view value) {
    std::string text = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') text += '\\';
        text += c;
    }
    return text + '"';
}

void addTag(std::string& game, std::string_view name, std::string_view value) {
    game += '[';
    game += name;
    game += ' ';
    game += quoted(value);
    game += "]\r\n";
}

// "<dealer>:" and the four hands clockwise from the dealer, each as its spade, heart,
// diamond and club ranks joined by ".".
std::string pbnDeal(const ValidBoardLine& board, Hand dealer) {
    std::string deal(1, HandLetters[dealer]);
    deal += ':';
    for (std::size_t step = 0; step < HandCount; ++step) {
        if (step > 0) deal += ' ';
        Holdings holdings;
        splitHand(board, static_cast<int>((dealer + step) % HandCount), holdings);
        for (std::size_t suit = 0; suit < SuitCount; ++suit) {
            if (suit > 0) deal += '.';
            deal += holdings[suit];
        }
    }
    return deal;
}

std::string doubleDummyTricks(const DoubleDummyTable& table) {
    constexpr std::string_view HexDigits = "0123456789abcdef";
    std::string digits;
    for (const Hand declarer : PbnTableDeclarers)
        for (const std::uint8_t tricks : table.tricks[declarer]) digits += HexDigits.at(tricks);
    return digits;
}

// The tag's column header is written as the standard's examples write it, with single
// backslashes, so it does not go through the escaping of `quoted`.
void addOptimumResultTable(std::string& game, const DoubleDummyTable& table) {
    game += "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\r\n";
    for (const Hand declarer : PbnTableDeclarers)
        for (std::size_t denomination = 0; denomination < DenominationCount; ++denomination) {
            char row[16];
            std::snprintf(row, sizeof row, "%c %2s %2u\r\n", HandLetters[declarer],
                          DenominationNames[denomination].data(), table.tricks[declarer][denomination]);
            game += row;
        }
}

std::string parContracts(const DoubleDummyTable& table) {
    std::string text;
    for (const std::string& contract : table.parContracts) {
        if (!text.empty()) text += ", ";
        text += contract;
    }
    return text;
}

class PbnFormat final : public SetFileFormat {
public:
    explicit PbnFormat(const ConversionSettings& settings)
        : settings_(settings), doubleDummy_(settings.doubleDummy) {}

    std::string_view extension() const override { return PbnExtension; }

    void startFile(FileWriter& out, const MainDealHeader&, unsigned) override { out.write(PbnFileStart); }

    void writeBoard(FileWriter& out, const MainDealHeader&, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        if (boardNumber > 1) out.write("\r\n");
        out.write(
            pbnGame(settings_.identityText, settings_.runDate, boardNumber, board, doubleDummy_.next()));
    }

private:
    const ConversionSettings& settings_;
    DoubleDummyCursor doubleDummy_;
};

}  // namespace

std::string pbnGame(std::string_view event, std::chrono::year_month_day date, unsigned boardNumber,
                    const ValidBoardLine& board, const DoubleDummyTable* doubleDummy) {
    const Hand dealer = dealerOfBoard(boardNumber);
    std::string game;
    addTag(game, "Event", event);
    addTag(game, "Site", "");
    addTag(game, "Date", dateText(date, '.'));
    addTag(game, "Board", std::to_string(boardNumber));
    for (const std::string_view player : {"West", "North", "East", "South"}) addTag(game, player, "");
    addTag(game, "Dealer", std::string(1, HandLetters[dealer]));
    addTag(game, "Vulnerable", VulnerabilityNames[vulnerabilityOfBoard(boardNumber)]);
    addTag(game, "Deal", pbnDeal(board, dealer));
    for (const std::string_view unplayed : {"Scoring", "Declarer", "Contract", "Result"})
        addTag(game, unplayed, "");
    // Supplemental tags, in alphabetical order of their names.
    if (doubleDummy) addTag(game, "DoubleDummyTricks", doubleDummyTricks(*doubleDummy));
    addTag(game, "Generator", std::string("Quorvex ") + ProductVersion);
    if (doubleDummy) {
        addOptimumResultTable(game, *doubleDummy);
        addTag(game, "OptimumScore", "NS " + std::to_string(doubleDummy->parScore));
        addTag(game, "ParContract", parContracts(*doubleDummy));
    }
    return game;
}

std::unique_ptr<SetFileFormat> pbnSetFileFormat(const ConversionSettings& settings) {
    return std::make_unique<PbnFormat>(settings);
}

void writePbnFiles(const ConversionSettings& settings, StagedFiles& files) {
    writeSetFiles(settings, *pbnSetFileFormat(settings), files);
}

}  // namespace quorvex
