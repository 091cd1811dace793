#include "formats/readers/pbn_reader.h"

#include <charconv>
#include <map>
#include <vector>

#include "common/ascii_case.h"
#include "common/decimal_number.h"
#include "formats/pbn_writer.h"
#include "formats/readers/deal_builder.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/excerpt.h"
#include "formats/readers/file_bytes.h"

namespace quorvex {

namespace {

struct Game {
    unsigned firstLine = 0;
    std::map<std::string, std::string, std::less<>> tags;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isTagNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Splits the file into games of tags; comments and section data are passed over.
class GameScanner {
public:
    GameScanner(const std::string& path, std::string_view text) : path_(path), lines_(text) {}

    std::vector<Game> games() {
        std::string_view line;
        while (lines_.next(line)) scanLine(line);
        if (inComment_) fail("a comment \"{\" is never closed");
        endGame();
        return std::move(games_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw DealFileError(path_, "line " + std::to_string(lines_.lineNumber()), what);
    }

    void endGame() {
        if (!current_.tags.empty()) games_.push_back(std::move(current_));
        current_ = Game{};
    }

    void scanLine(std::string_view line) {
        if (!inComment_) {
            if (!line.empty() && line.front() == '%') return;
            if (line.find_first_not_of(" \t") == std::string_view::npos) return endGame();
        }
        std::size_t at = 0;
        while (at < line.size()) {
            if (inComment_) {
                const std::size_t close = line.find('}', at);
                if (close == std::string_view::npos) return;
                inComment_ = false;
                at = close + 1;
            } else if (line[at] == '{') {
                inComment_ = true;
                ++at;
            } else if (line[at] == ';') {
                return;
            } else if (line[at] == '[') {
                at = tag(line, at + 1);
            } else {
                ++at;
            }
        }
    }

    // Reads `Name "value"]` from just after the "["; returns the position after the "]".
    std::size_t tag(std::string_view line, std::size_t at) {
        const auto skipBlanks = [&] {
            while (at < line.size() && isBlank(line[at])) ++at;
        };
        skipBlanks();
        const std::size_t nameStart = at;
        while (at < line.size() && isTagNameCharacter(line[at])) ++at;
        const std::string name(line.substr(nameStart, at - nameStart));
        if (name.empty()) fail("a tag \"[\" without a name");
        if (name.size() > ExcerptLength) fail("the tag name " + excerpt(name) + " is too long");
        skipBlanks();
        if (at >= line.size() || line[at] != '"') fail("the tag " + name + " has no value in double quotes");
        std::string value;
        for (++at;; ++at) {
            if (at >= line.size()) fail("the value of the tag " + name + " is not closed by a double quote");
            if (line[at] == '"') break;
            if (line[at] == '\\' && at + 1 < line.size() && (line[at + 1] == '"' || line[at + 1] == '\\'))
                ++at;
            value += line[at];
        }
        ++at;
        skipBlanks();
        if (at >= line.size() || line[at] != ']') fail("the tag " + name + " is not closed by \"]\"");
        if (current_.tags.empty()) current_.firstLine = lines_.lineNumber();
        if (!current_.tags.emplace(name, std::move(value)).second)
            fail("the tag " + name + " appears twice in one game");
        return at + 1;
    }

    const std::string& path_;
    TextLines lines_;
    bool inComment_ = false;
    Game current_;
    std::vector<Game> games_;
};

// "#" stands for the value of the same tag in the game before.
void resolveCopies(std::vector<Game>& games, const std::string& path) {
    for (std::size_t index = 0; index < games.size(); ++index)
        for (auto& [name, value] : games[index].tags) {
            if (value != "#") continue;
            const auto* before = index == 0 ? nullptr : &games[index - 1].tags;
            if (!before || before->find(name) == before->end())
                throw DealFileError(path, "line " + std::to_string(games[index].firstLine),
                                    "the tag " + name + " says \"#\" but the game before has no such tag");
            value = before->find(name)->second;
        }
}

const std::string* tagOf(const Game& game, std::string_view name) {
    const auto found = game.tags.find(name);
    return found == game.tags.end() ? nullptr : &found->second;
}

// "" and "?" state nothing.
bool states(const std::string* value) { return value && !value->empty() && *value != "?"; }

unsigned boardNumberOf(const std::string& value) {
    const auto number = static_cast<unsigned>(decimalNumberOf(value, 5).value_or(0));
    if (number == 0) throw BoardDefect("Board " + excerpt(value, '"') + " is no board number");
    return number;
}

std::size_t seatOf(const std::string& value, std::string_view tag) {
    const std::size_t seat = value.size() == 1 ? HandLetters.find(value.front()) : std::string_view::npos;
    if (seat == std::string_view::npos)
        throw BoardDefect(std::string(tag) + " " + excerpt(value, '"') + " is no seat (N, E, S or W)");
    return seat;
}

// Import format also writes "Love" or "-" for none and "Both" for all.
Vulnerability vulnerabilityOf(const std::string& value) {
    if (value == "None" || value == "Love" || value == "-") return NoneVulnerable;
    if (value == "NS") return NorthSouthVulnerable;
    if (value == "EW") return EastWestVulnerable;
    if (value == "All" || value == "Both") return BothVulnerable;
    throw BoardDefect("Vulnerable " + excerpt(value, '"') + " is none of None, NS, EW, All");
}

// "<first seat>:<hand> <hand> <hand> <hand>", hands clockwise, each "spades.hearts.diamonds.clubs".
ByHandDeal dealOf(const std::string& value) {
    if (value.size() < 2 || value[1] != ':')
        throw BoardDefect("Deal " + excerpt(value, '"') + " does not start with a seat and \":\"");
    const std::size_t first = seatOf(value.substr(0, 1), "The Deal's first seat");
    DealBuilder builder;
    std::size_t at = 2;
    for (std::size_t count = 0; count < HandCount; ++count) {
        const std::size_t hand = (first + count) % HandCount;
        const std::string_view handName = HandNames[hand];
        while (at < value.size() && isBlank(value[at])) ++at;
        if (at >= value.size()) throw BoardDefect("the Deal gives no hand for " + std::string(handName));
        if (value[at] == '-')
            throw BoardDefect(std::string(handName) +
                              "'s hand is missing (\"-\"); a deal to put on the table needs all four");
        std::size_t suit = 0;
        for (; at < value.size() && !isBlank(value[at]); ++at) {
            if (value[at] == '.') {
                if (++suit > 3) throw BoardDefect(std::string(handName) + "'s hand has more than four suits");
                continue;
            }
            // Other programs also write ranks in lower case and the ten as "10".
            const bool ten = value[at] == '1' && at + 1 < value.size() && value[at + 1] == '0';
            const int card = cardOfRankLetter(ten ? 'T' : asciiUpper(value[at]), suit);
            if (ten) ++at;
            if (card == 0)
                throw BoardDefect(excerpt(value.substr(at, 1)) + " in " + std::string(handName) +
                                  "'s hand is no rank letter (AKQJT98765432)");
            builder.give(card, hand);
        }
        if (suit != 3) throw BoardDefect(std::string(handName) + "'s hand does not have four suits");
    }
    while (at < value.size() && isBlank(value[at])) ++at;
    if (at != value.size()) throw BoardDefect("the Deal holds more than four hands");
    return builder.deal();
}

// Splits "4S-NS+1, 4H-NS+1" at its ", ".
std::vector<std::string> contractsOf(std::string_view value) {
    std::vector<std::string> contracts;
    while (!value.empty()) {
        const std::size_t comma = value.find(", ");
        contracts.emplace_back(value.substr(0, comma));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 2);
    }
    return contracts;
}

// "NS 450", "NS -140" or "EW 140" (EW's score, so NS -140).
std::optional<int> parScoreOf(std::string_view value) {
    const bool eastWest = value.starts_with("EW ");
    if (!eastWest && !value.starts_with("NS ")) return std::nullopt;
    value.remove_prefix(3);
    int score = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), score);
    if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
    return eastWest ? -score : score;
}

// DoubleDummyTricks, OptimumScore and ParContract as the program writes them. Only a
// complete, well-formed set is taken: the tags do not touch the deal, and a run that
// wants double dummy solves a board without them again.
std::optional<DoubleDummyTable> doubleDummyOf(const Game& game) {
    const std::string* tricks = tagOf(game, "DoubleDummyTricks");
    const std::string* score = tagOf(game, "OptimumScore");
    const std::string* contracts = tagOf(game, "ParContract");
    if (!tricks || !score || !contracts) return std::nullopt;
    if (tricks->size() != HandCount * DenominationCount) return std::nullopt;
    DoubleDummyTable table;
    std::size_t digit = 0;
    for (const Hand declarer : PbnTableDeclarers)
        for (std::uint8_t& count : table.tricks[declarer]) {
            const char c = (*tricks)[digit++];
            const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'd' ? c - 'a' + 10 : -1;
            if (value < 0) return std::nullopt;
            count = static_cast<std::uint8_t>(value);
        }
    const std::optional<int> par = parScoreOf(*score);
    if (!par) return std::nullopt;
    table.parScore = *par;
    table.parContracts = contractsOf(*contracts);
    return table;
}

}  // namespace

DealFile readPbnFile(const std::string& path, std::string_view bytes) {
    std::vector<Game> games = GameScanner(path, bytes).games();
    if (games.empty()) throw DealFileError(path, "", "the file holds no game");
    resolveCopies(games, path);
    DealFile file;
    file.path = path;
    // What the file says of its event is read from its first game.
    if (const std::string* event = tagOf(games.front(), "Event")) file.event = *event;
    if (const std::string* date = tagOf(games.front(), "Date")) file.date = *date;
    file.boards.reserve(games.size());
    for (const Game& game : games) {
        ReadBoard board;
        board.number = static_cast<unsigned>(file.boards.size() + 1);
        std::string where = "the game at line " + std::to_string(game.firstLine);
        try {
            if (const std::string* value = tagOf(game, "Board"); states(value))
                board.number = boardNumberOf(*value);
            where = boardLabel(file, board);
            const std::string* deal = tagOf(game, "Deal");
            if (!deal) throw BoardDefect("the game has no Deal tag");
            board.deal = dealOf(*deal);
            if (const std::string* value = tagOf(game, "Dealer"); states(value))
                board.dealer = static_cast<Hand>(seatOf(*value, "Dealer"));
            if (const std::string* value = tagOf(game, "Vulnerable"); states(value))
                board.vulnerable = vulnerabilityOf(*value);
            board.doubleDummy = doubleDummyOf(game);
        } catch (const BoardDefect& defect) {
            throw DealFileError(path, where, defect.what());
        }
        file.boards.push_back(board);
    }
    return file;
}

}  // namespace quorvex
