#include "formats/check/deal_file_check.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "common/ascii_case.h"
#include "common/decimal_number.h"
#include "engine/main_deal_file.h"
#include "formats/check/board_problems.h"
#include "formats/check/board_record.h"
#include "formats/readers/deal_builder.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"

namespace quorvex {

namespace {

// What the check keeps of one file: its facts (no boards) and how it takes part.
struct FileOfCheck {
    DealFile facts;
    bool mainDealFile = false;
    std::size_t boards = 0;
    // Its deals are compared with the deals of other sets; false for another format of a set
    // whose first file given does that, and for a set file that is a set of a main deal file.
    bool comparedAcrossSets = true;
};

// A problem and the board it belongs to, so that problems found in different passes can be
// put in the order of the files and boards.
struct PlacedProblem {
    std::tuple<std::uint32_t, unsigned, unsigned> place;
    std::string text;
};

bool isMainDealFile(std::string_view path) {
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view extension = path.substr(dot);
    return extension.size() == MainDealFileExtension.size() &&
           std::equal(extension.begin(), extension.end(), MainDealFileExtension.begin(),
                      [](char a, char b) { return asciiLower(a) == b; });
}

// "QVW-01.dlm" and "QVW-01.dup" are the same set: same name apart from the extension.
std::string stemOf(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t separator = path.find_last_of("/\\");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return path;
    return path.substr(0, dot);
}

// The set number a set file's name ends in ("QVW-07" is set 7): at least two digits, as
// the program writes it; nothing for another name.
std::optional<unsigned> setNumberOfName(const std::string& stem) {
    std::size_t digits = 0;
    while (digits < stem.size() && digits < 5 && stem[stem.size() - 1 - digits] >= '0' &&
           stem[stem.size() - 1 - digits] <= '9')
        ++digits;
    if (digits < 2) return std::nullopt;
    return static_cast<unsigned>(
        *decimalNumberOf(std::string_view(stem).substr(stem.size() - digits), digits));
}

// The value most items give; the earliest item's on a tie.
template <class Items, class ValueOf>
auto mostCommon(const Items& items, ValueOf valueOf) -> decltype(valueOf(items.front())) {
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

class Checker {
public:
    explicit Checker(const std::vector<std::string>& paths) {
        for (const std::string& path : paths) read(path);
    }

    DealFileCheck result() {
        for (std::vector<std::string>& problems : boardProblems_)
            for (std::string& text : problems) check_.problems.push_back(std::move(text));
        std::sort(records_.begin(), records_.end(),
                  [](const BoardRecord& a, const BoardRecord& b) { return a.place() < b.place(); });
        compareFormatsOfOneSet();
        compareSetFilesWithMainDealFiles();
        findRepeatedDeals();
        countDistinctDeals();
        return std::move(check_);
    }

private:
    std::string label(const BoardRecord& record) const {
        ReadBoard board;
        board.set = record.set;
        board.number = record.number();
        return boardLabel(files_[record.file].facts, board);
    }
    std::string problemOf(const BoardRecord& record, const std::string& what) const {
        return files_[record.file].facts.path + ": " + label(record) + ": " + what;
    }
    std::string ofFile(const BoardRecord& record) const {
        return label(record) + " of " + files_[record.file].facts.path;
    }

    // The boards of one file, in the order of set and number.
    std::vector<BoardRecord>::const_iterator firstOf(std::uint32_t file) const {
        return std::lower_bound(
            records_.begin(), records_.end(), file,
            [](const BoardRecord& record, std::uint32_t value) { return record.file < value; });
    }
    std::vector<BoardRecord>::const_iterator endOf(std::uint32_t file) const { return firstOf(file + 1); }

    void read(const std::string& path) {
        CheckedFile checked{path, 0, false};
        const auto file = static_cast<std::uint32_t>(files_.size());
        const std::size_t recordsBefore = records_.size();
        std::vector<std::string> degenerate, rotation;
        try {
            DealFile facts = visitDealFile(path, [&](const DealFile& of, const ReadBoard& board) {
                findDegenerateDeal(of, board, degenerate);
                findRotationBreaks(of, board, rotation);
                records_.emplace_back(board.deal, file, board.set, board.number);
            });
            checked.boards = records_.size() - recordsBefore;
            checked.readable = true;
            files_.push_back({std::move(facts), isMainDealFile(path), checked.boards, true});
            degenerate.insert(degenerate.end(), rotation.begin(), rotation.end());
            boardProblems_.push_back(std::move(degenerate));
        } catch (const std::exception& error) {
            records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(recordsBefore), records_.end());
            const bool named =
                dynamic_cast<const DealFileError*>(&error) != nullptr;  // already names the file
            check_.problems.push_back(named ? error.what() : path + ": " + error.what());
            DealFile facts;
            facts.path = path;
            files_.push_back({std::move(facts), false, 0, false});
        }
        check_.files.push_back(checked);
    }

    // Set files with the same name apart from the extension are one set in several formats;
    // the name alone decides, never the deals (a set copied under another name is another
    // set, and its deals are repeats). They are compared board by board; where they
    // disagree, each file that differs from the deal most of them hold (the earliest file's
    // on a tie) is named.
    void compareFormatsOfOneSet() {
        for (std::uint32_t file = 0; file < files_.size(); ++file) {
            if (check_.files[file].readable && !files_[file].mainDealFile) {
                std::vector<std::uint32_t>& formats = sets_[stemOf(files_[file].facts.path)];
                if (!formats.empty()) files_[file].comparedAcrossSets = false;
                formats.push_back(file);
            }
        }
        for (const auto& [stem, formats] : sets_)
            if (formats.size() > 1) compare(formats);
    }

    void compare(const std::vector<std::uint32_t>& formats) {
        const std::size_t count =
            mostCommon(formats, [&](std::uint32_t file) { return files_[file].boards; });
        const std::uint32_t reference = *std::find_if(
            formats.begin(), formats.end(), [&](std::uint32_t file) { return files_[file].boards == count; });
        for (std::uint32_t file : formats)
            if (files_[file].boards != count)
                check_.problems.push_back(files_[file].facts.path + ": holds " +
                                          std::to_string(files_[file].boards) + " boards, " +
                                          files_[reference].facts.path + " holds " + std::to_string(count));
        std::vector<BoardRecord> copies;
        for (std::uint32_t file : formats) copies.insert(copies.end(), firstOf(file), endOf(file));
        std::stable_sort(copies.begin(), copies.end(),
                         [](const BoardRecord& a, const BoardRecord& b) { return a.number() < b.number(); });
        for (auto from = copies.begin(); from != copies.end();) {
            const auto to = std::find_if(from, copies.end(), [&](const BoardRecord& record) {
                return record.number() != from->number();
            });
            const std::vector<BoardRecord> same(from, to);
            const auto deal = mostCommon(same, [](const BoardRecord& record) { return record.deal(); });
            const BoardRecord& agreeing = *std::find_if(
                same.begin(), same.end(), [&](const BoardRecord& copy) { return copy.deal() == deal; });
            for (const BoardRecord& copy : same)
                if (!copy.sameDeal(agreeing))
                    check_.problems.push_back(problemOf(copy, "the deal differs from " + ofFile(agreeing)));
            from = to;
        }
    }

    // A set file named for set N ("QVW-07.dlm") with as many boards as set N of a main deal
    // file given, at least half of them equal board for board, is that set written again:
    // it is compared with it board for board instead of counted as repeats of it.
    void compareSetFilesWithMainDealFiles() {
        for (const auto& [stem, formats] : sets_) {
            const std::uint32_t file = formats.front();
            const std::optional<unsigned> set = setNumberOfName(stem);
            if (!set) continue;
            for (std::uint32_t main = 0; main < files_.size(); ++main) {
                if (!files_[main].mainDealFile) continue;
                const auto [first, last] = std::equal_range(firstOf(main), endOf(main), *set, SetOrder{});
                if (first == last) continue;
                if (sameSet(first, last, firstOf(file), endOf(file))) {
                    files_[file].comparedAcrossSets = false;
                    for (auto ours = firstOf(file), theirs = first; theirs != last; ++ours, ++theirs)
                        if (!ours->sameDeal(*theirs))
                            check_.problems.push_back(
                                problemOf(*ours, "the deal differs from " + ofFile(*theirs)));
                }
                break;
            }
        }
    }

    struct SetOrder {
        bool operator()(const BoardRecord& record, unsigned set) const { return record.set < set; }
        bool operator()(unsigned set, const BoardRecord& record) const { return set < record.set; }
    };

    using Records = std::vector<BoardRecord>::const_iterator;
    static bool sameSet(Records first, Records last, Records ours, Records oursEnd) {
        const std::ptrdiff_t count = last - first;
        if (count == 0 || oursEnd - ours != count) return false;
        std::ptrdiff_t equal = 0;
        for (; first != last; ++first, ++ours) equal += first->sameDeal(*ours);
        return 2 * equal >= count;
    }

    // Every deal that appears twice: within a file (across its sets too), and across the
    // sets of all files given, each set once.
    // After findRepeatedDeals the records stand in groups of equal deals.
    void countDistinctDeals() {
        for (auto from = records_.begin(); from != records_.end();) {
            const auto to = std::find_if(from, records_.end(),
                                         [&](const BoardRecord& record) { return !record.sameDeal(*from); });
            const auto copies = static_cast<std::size_t>(to - from);
            if (check_.distinctDeals++ == 0)
                check_.copiesOfEachDeal = copies;
            else if (copies != check_.copiesOfEachDeal)
                check_.copiesOfEachDeal = 0;
            from = to;
        }
    }

    void findRepeatedDeals() {
        std::sort(records_.begin(), records_.end(), [](const BoardRecord& a, const BoardRecord& b) {
            return a.dealThenPlace() < b.dealThenPlace();
        });
        std::vector<PlacedProblem> withinFiles, acrossSets;
        for (auto from = records_.begin(); from != records_.end();) {
            const auto to = std::find_if(from, records_.end(),
                                         [&](const BoardRecord& record) { return !record.sameDeal(*from); });
            const BoardRecord* firstAcross = nullptr;
            const BoardRecord* firstInFile = nullptr;
            for (auto record = from; record != to; ++record) {
                if (!firstInFile || firstInFile->file != record->file)
                    firstInFile = &*record;
                else
                    withinFiles.push_back(
                        {record->place(), problemOf(*record, "the same deal as " + label(*firstInFile))});
                if (!files_[record->file].comparedAcrossSets) continue;
                if (!firstAcross)
                    firstAcross = &*record;
                else if (firstAcross->file != record->file)
                    acrossSets.push_back(
                        {record->place(), problemOf(*record, "the same deal as " + ofFile(*firstAcross))});
            }
            from = to;
        }
        for (std::vector<PlacedProblem>* problems : {&withinFiles, &acrossSets}) {
            std::sort(problems->begin(), problems->end(),
                      [](const PlacedProblem& a, const PlacedProblem& b) { return a.place < b.place; });
            for (PlacedProblem& problem : *problems) check_.problems.push_back(std::move(problem.text));
        }
    }

    std::vector<FileOfCheck> files_;
    std::vector<BoardRecord> records_;
    std::vector<std::vector<std::string>> boardProblems_;
    std::map<std::string, std::vector<std::uint32_t>> sets_;  // set files by stem
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
