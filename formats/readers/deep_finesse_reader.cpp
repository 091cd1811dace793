#include "formats/readers/deep_finesse_reader.h"

#include <vector>

#include "common/decimal_number.h"
#include "formats/readers/deal_builder.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/excerpt.h"
#include "formats/readers/file_bytes.h"

namespace quorvex {

namespace {

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

// The words of a line that must start with `label` and hold `extra` words after it, then
// `hands` hands of four holdings each.
std::vector<std::string_view> expectLine(std::string_view line, std::string_view label, std::size_t extra,
                                         std::size_t hands) {
    std::vector<std::string_view> words = wordsOf(line);
    if (words.empty() || words.front() != label)
        throw BoardDefect("a line starting \"" + std::string(label) + "\" is expected, not " +
                          excerpt(line, '"'));
    if (words.size() != 1 + extra + SuitCount * hands)
        throw BoardDefect("the line " + excerpt(line, '"') + " should hold " +
                          std::to_string(SuitCount * hands) + " holdings");
    return words;
}

void giveHand(const std::vector<std::string_view>& words, std::size_t first, std::size_t hand,
              DealBuilder& builder) {
    for (std::size_t suit = 0; suit < SuitCount; ++suit) {
        const std::string_view holding = words[first + suit];
        if (holding == "-") continue;
        for (char letter : holding) {
            const int card = cardOfRankLetter(letter, suit);
            if (card == 0)
                throw BoardDefect(excerpt(std::string_view(&letter, 1)) + " in " +
                                  std::string(HandNames[hand]) + "'s hand is no rank letter");
            builder.give(card, hand);
        }
    }
}

}  // namespace

DealFile readDeepFinesseFile(const std::string& path, std::string_view bytes) {
    DealFile file;
    file.path = path;
    TextLines lines(bytes);
    std::string_view line;
    while (lines.next(line)) {
        ReadBoard board;
        std::string where = "the board at line " + std::to_string(lines.lineNumber());
        try {
            const std::vector<std::string_view> deal = expectLine(line, "Deal:", 1, 1);
            board.number = static_cast<unsigned>(decimalNumberOf(deal[1], 5).value_or(0));
            if (board.number == 0) throw BoardDefect(excerpt(deal[1]) + " is no board number");
            where = boardLabel(file, board);
            DealBuilder builder;
            giveHand(deal, 2, 0, builder);
            const auto next = [&](std::string_view label, std::size_t extra, std::size_t hands) {
                if (!lines.next(line)) throw BoardDefect("the file ends within the board");
                return expectLine(line, label, extra, hands);
            };
            const std::vector<std::string_view> contract = next("Contract:", 1, 2);
            giveHand(contract, 2, 1, builder);
            giveHand(contract, 6, 2, builder);
            giveHand(next("OnLead:", 1, 1), 2, 3, builder);
            next("Lead:", 1, 0);
            if (!lines.next(line)) throw BoardDefect("the file ends within the board");
            if (!line.empty())
                throw BoardDefect("an empty line is expected after \"Lead:\", not " + excerpt(line, '"'));
            board.deal = builder.deal();
        } catch (const BoardDefect& defect) {
            throw DealFileError(path, where, defect.what());
        }
        file.boards.push_back(board);
    }
    if (file.boards.empty()) throw DealFileError(path, "", "the file holds no board");
    return file;
}

}  // namespace quorvex
