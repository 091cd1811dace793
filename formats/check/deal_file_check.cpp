#include "formats/check/deal_file_check.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>

#include "formats/readers/deal_builder.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"

namespace quorvex {

namespace {

struct DealHash {
    std::size_t operator()(const ByHandDeal& deal) const {
        return std::hash<std::string_view>()(
            std::string_view(reinterpret_cast<const char*>(deal.data()), deal.size()));
    }
};

// The boards of one set in one file.
struct SetOfFile {
    std::size_t file = 0;
    unsigned set = 0;
    std::vector<const ReadBoard*> boards;
};

class Checker {
public:
    explicit Checker(const std::vector<std::string>& paths) {
        for (const std::string& path : paths) read(path);
    }

    DealFileCheck result() {
        for (const DealFile& file : files_) {
            findDegenerateDeals(file);
            findRotationBreaks(file);
        }
        compareFormatsOfOneSet();
        findRepeatedDeals();
        std::unordered_map<ByHandDeal, std::size_t, DealHash> copies;
        for (const DealFile& file : files_)
            for (const ReadBoard& board : file.boards) ++copies[board.deal];
        check_.distinctDeals = copies.size();
        if (!copies.empty()) check_.copiesOfEachDeal = copies.begin()->second;
        for (const auto& [deal, count] : copies)
            if (count != check_.copiesOfEachDeal) check_.copiesOfEachDeal = 0;
        return std::move(check_);
    }

private:
    void problem(const DealFile& file, const ReadBoard& board, const std::string& what) {
        check_.problems.push_back(file.path + ": " + boardLabel(file, board) + ": " + what);
    }

    void read(const std::string& path) {
        CheckedFile checked{path, 0, false};
        try {
            files_.push_back(readDealFile(path));
            checked.boards = files_.back().boards.size();
            checked.readable = true;
        } catch (const DealFileError& error) {
            check_.problems.push_back(error.what());  // already names the file
        } catch (const std::exception& error) {
            check_.problems.push_back(path + ": " + error.what());
        }
        check_.files.push_back(checked);
    }

    // Degenerate deals: a hand with a whole suit, or every hand with one.
    void findDegenerateDeals(const DealFile& file) {
        for (const ReadBoard& board : file.boards) {
            std::vector<std::string> wholeSuits;
            // A hand's cards ascend, so a whole suit runs from its ace to its two.
            for (std::size_t hand = 0; hand < HandCount; ++hand) {
                const int first = board.deal[CardsPerHand * hand];
                const int last = board.deal[CardsPerHand * hand + CardsPerHand - 1];
                if (rankIndexOf(first) == 0 && suitOf(last) == suitOf(first) &&
                    rankIndexOf(last) == RanksPerSuit - 1)
                    wholeSuits.push_back(std::string(HandNames[hand]) + " holds all 13 " +
                                         std::string(SuitNames[static_cast<std::size_t>(suitOf(first))]));
            }
            if (wholeSuits.size() == HandCount)
                problem(file, board, "each hand holds one whole suit");
            else
                for (const std::string& what : wholeSuits) problem(file, board, what);
        }
    }

    // Dealer and Vulnerable, where a file states them (PBN), follow the board number as
    // Law 2 rotates them; a board played with another dealer or vulnerability scores wrong.
    void findRotationBreaks(const DealFile& file) {
        for (const ReadBoard& board : file.boards) {
            const Hand dealer = dealerOfBoard(board.number);
            if (board.dealer && *board.dealer != dealer)
                problem(file, board,
                        "Dealer " + std::string(1, HandLetters[*board.dealer]) +
                            " breaks the Law 2 rotation, which gives " + std::string(1, HandLetters[dealer]));
            const Vulnerability vulnerable = vulnerabilityOfBoard(board.number);
            if (board.vulnerable && *board.vulnerable != vulnerable)
                problem(file, board,
                        "Vulnerable " + std::string(VulnerabilityNames[*board.vulnerable]) +
                            " breaks the Law 2 rotation, which gives " +
                            std::string(VulnerabilityNames[vulnerable]));
        }
    }

    // "QVW-01.dlm" and "QVW-01.dup" are the same set: same name apart from the extension.
    static std::string stemOf(const std::string& path) {
        const std::size_t dot = path.find_last_of('.');
        const std::size_t separator = path.find_last_of("/\\");
        if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return path;
        return path.substr(0, dot);
    }

    // Files of one set are compared board by board; where they disagree, each file that
    // differs from the deal most of them hold (the earliest file's on a tie) is named.
    void compareFormatsOfOneSet() {
        std::map<std::string, std::vector<std::size_t>> sets;
        for (std::size_t index = 0; index < files_.size(); ++index) {
            std::vector<std::size_t>& formats = sets[stemOf(files_[index].path)];
            if (!formats.empty()) sameSetAsEarlier_.push_back(index);
            formats.push_back(index);
        }
        for (const auto& [stem, formats] : sets)
            if (formats.size() > 1) compare(formats);
    }

    void compare(const std::vector<std::size_t>& formats) {
        const std::size_t count =
            mostCommon(formats, [&](std::size_t file) { return files_[file].boards.size(); });
        const std::size_t reference = *std::find_if(formats.begin(), formats.end(), [&](std::size_t file) {
            return files_[file].boards.size() == count;
        });
        for (std::size_t file : formats)
            if (files_[file].boards.size() != count)
                check_.problems.push_back(files_[file].path + ": holds " +
                                          std::to_string(files_[file].boards.size()) + " boards, " +
                                          files_[reference].path + " holds " + std::to_string(count));
        std::map<unsigned, std::vector<std::pair<std::size_t, const ReadBoard*>>> byNumber;
        for (std::size_t file : formats)
            for (const ReadBoard& board : files_[file].boards)
                byNumber[board.number].emplace_back(file, &board);
        for (const auto& [number, copies] : byNumber) {
            const auto& deal =
                mostCommon(copies, [](const auto& copy) -> const ByHandDeal& { return copy.second->deal; });
            const auto& agreeing = *std::find_if(copies.begin(), copies.end(),
                                                 [&](const auto& copy) { return copy.second->deal == deal; });
            for (const auto& [file, board] : copies)
                if (board->deal != deal)
                    problem(files_[file], *board,
                            "the deal differs from " + boardLabel(files_[agreeing.first], *agreeing.second) +
                                " of " + files_[agreeing.first].path);
        }
    }

    // The value most items give; the earliest item's on a tie.
    template <class Items, class ValueOf>
    static auto mostCommon(const Items& items, ValueOf valueOf) -> decltype(valueOf(items.front())) {
        std::size_t best = 0, bestVotes = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto votes =
                static_cast<std::size_t>(std::count_if(items.begin(), items.end(), [&](const auto& item) {
                    return valueOf(item) == valueOf(items[i]);
                }));
            if (votes > bestVotes) best = i, bestVotes = votes;
        }
        return valueOf(items[best]);
    }

    std::vector<SetOfFile> setsToCompare() const {
        std::vector<SetOfFile> sets;
        for (std::size_t index = 0; index < files_.size(); ++index) {
            if (std::find(sameSetAsEarlier_.begin(), sameSetAsEarlier_.end(), index) !=
                sameSetAsEarlier_.end())
                continue;
            for (const ReadBoard& board : files_[index].boards) {
                if (sets.empty() || sets.back().file != index || sets.back().set != board.set)
                    sets.push_back({index, board.set, {}});
                sets.back().boards.push_back(&board);
            }
        }
        // Board for board means by number: a PBN file may list its games in any order.
        for (SetOfFile& set : sets)
            std::stable_sort(set.boards.begin(), set.boards.end(),
                             [](const ReadBoard* a, const ReadBoard* b) { return a->number < b->number; });
        return sets;
    }

    // The same set in another file (a set file and its main deal file): as many boards,
    // at least half of them equal board for board.
    static bool sameSet(const SetOfFile& a, const SetOfFile& b) {
        if (a.file == b.file || a.boards.size() != b.boards.size()) return false;
        std::size_t equal = 0;
        for (std::size_t i = 0; i < a.boards.size(); ++i) equal += a.boards[i]->deal == b.boards[i]->deal;
        return !a.boards.empty() && 2 * equal >= a.boards.size();
    }

    void compareBoardForBoard(const SetOfFile& reference, const SetOfFile& other) {
        const DealFile& referenceFile = files_[reference.file];
        for (std::size_t i = 0; i < other.boards.size(); ++i)
            if (other.boards[i]->deal != reference.boards[i]->deal)
                problem(files_[other.file], *other.boards[i],
                        "the deal differs from " + boardLabel(referenceFile, *reference.boards[i]) + " of " +
                            referenceFile.path);
    }

    void findRepeatedDeals() {
        // Within each file, across its sets too.
        for (const DealFile& file : files_) {
            std::unordered_map<ByHandDeal, const ReadBoard*, DealHash> seen;
            for (const ReadBoard& board : file.boards) {
                const auto [first, isNew] = seen.emplace(board.deal, &board);
                if (!isNew) problem(file, board, "the same deal as " + boardLabel(file, *first->second));
            }
        }
        // Across files, each set once: the other formats of a set are compared above, and a
        // set written again in another file (a set file and its main deal file) is compared
        // board for board instead.
        const std::vector<SetOfFile> sets = setsToCompare();
        struct Place {
            std::size_t file;
            const ReadBoard* board;
        };
        std::unordered_map<ByHandDeal, Place, DealHash> seen;
        for (std::size_t index = 0; index < sets.size(); ++index) {
            const SetOfFile& set = sets[index];
            const auto earlier = std::find_if(sets.begin(), sets.begin() + static_cast<std::ptrdiff_t>(index),
                                              [&](const SetOfFile& other) { return sameSet(other, set); });
            if (earlier != sets.begin() + static_cast<std::ptrdiff_t>(index)) {
                compareBoardForBoard(*earlier, set);
                continue;
            }
            for (const ReadBoard* board : set.boards) {
                const auto [found, isNew] = seen.emplace(board->deal, Place{set.file, board});
                const Place& first = found->second;
                if (isNew || first.file == set.file) continue;
                const DealFile& firstFile = files_[first.file];
                problem(files_[set.file], *board,
                        "the same deal as " + boardLabel(firstFile, *first.board) + " of " + firstFile.path);
            }
        }
    }

    std::vector<DealFile> files_;
    std::vector<std::size_t> sameSetAsEarlier_;
    DealFileCheck check_;
};

}  // namespace

DealFileCheck checkDealFiles(const std::vector<std::string>& paths) { return Checker(paths).result(); }

std::vector<std::string> checkReportLines(const DealFileCheck& check, bool problemsOnly) {
    std::vector<std::string> lines;
    std::size_t boards = 0;
    for (const CheckedFile& file : check.files) {
        boards += file.boards;
        if (!problemsOnly && file.readable)
            lines.push_back(file.path + ": " + std::to_string(file.boards) + " boards");
    }
    lines.insert(lines.end(), check.problems.begin(), check.problems.end());
    if (problemsOnly) return lines;
    const std::string files =
        std::to_string(check.files.size()) + (check.files.size() == 1 ? " file" : " files");
    if (check.problems.empty()) {
        std::string summary = "No problems found in " + files + ", " + std::to_string(boards) +
                              " boards: " + std::to_string(check.distinctDeals) + " distinct deals";
        // The usual check: every deal of a run in each of its files.
        if (check.copiesOfEachDeal > 1)
            summary += ", each in " + std::to_string(check.copiesOfEachDeal) + " files";
        lines.push_back(summary + ".");
    } else
        lines.push_back(std::to_string(check.problems.size()) +
                        (check.problems.size() == 1 ? " problem" : " problems") + " found in " + files + ".");
    return lines;
}

}  // namespace quorvex
