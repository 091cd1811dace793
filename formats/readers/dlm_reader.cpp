#include "formats/readers/dlm_reader.h"

#include <array>
#include <map>
#include <optional>

#include "common/decimal_number.h"
#include "formats/dlm_writer.h"
#include "formats/readers/deal_builder.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/excerpt.h"
#include "formats/readers/file_bytes.h"

namespace quorvex {

namespace {

// The [Document] section's keys and values, each key once.
std::map<std::string, std::string> readKeys(const std::string& path, std::string_view bytes) {
    TextLines lines(bytes);
    std::map<std::string, std::string> keys;
    bool inDocument = false;
    std::string_view line;
    while (lines.next(line)) {
        const std::string where = "line " + std::to_string(lines.lineNumber());
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                throw DealFileError(path, where,
                                    "the section name " + excerpt(line) + " does not end with ']'");
            inDocument = line == "[Document]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            throw DealFileError(path, where, excerpt(line) + " is no key=value line");
        if (!inDocument) continue;
        const std::string key(line.substr(0, equals));
        if (!keys.emplace(key, line.substr(equals + 1)).second)
            throw DealFileError(path, where, "the key " + excerpt(key) + " appears twice");
    }
    return keys;
}

int requiredNumber(const std::string& path, const std::map<std::string, std::string>& keys,
                   const std::string& key, int low, int high) {
    const auto found = keys.find(key);
    if (found == keys.end()) throw DealFileError(path, "", "the key '" + key + "' is missing");
    const std::optional<unsigned long long> number = decimalNumberOf(found->second, 3);
    const int value = number ? static_cast<int>(*number) : -1;
    if (value < low || value > high)
        throw DealFileError(path, "",
                            excerpt(key + "=" + found->second) + " needs a number from " +
                                std::to_string(low) + " to " + std::to_string(high));
    return value;
}

// Checks a board's letters and checksum; returns the letters.
std::string_view checkedLetters(unsigned boardNumber, std::string_view text) {
    if (text.size() != DlmLetterCount + 3)
        throw BoardDefect(excerpt(text) + " is not 26 letters and a three-digit checksum");
    const std::string_view letters = text.substr(0, DlmLetterCount);
    for (char letter : letters)
        if (letter < 'a' || letter > 'p')
            throw BoardDefect(excerpt(std::string_view(&letter, 1)) + " is no deal letter (a to p)");
    const std::string_view written = text.substr(DlmLetterCount);
    if (!decimalNumberOf(written, 3))
        throw BoardDefect("the checksum " + excerpt(written) + " is not three digits");
    const std::array<char, 3> checksum = dlmChecksum(boardNumber, letters);
    const std::string_view expected(checksum.data(), checksum.size());
    if (written != expected)
        throw BoardDefect("the checksum is " + std::string(written) + ", the letters give " +
                          std::string(expected));
    return letters;
}

// Each letter holds the hands of two cards in card-number order: 'a' + 4 x first + second.
ByHandDeal dealOfLetters(std::string_view letters) {
    DealBuilder builder;
    for (std::size_t pair = 0; pair < DlmLetterCount; ++pair) {
        const int code = letters[pair] - 'a';
        builder.give(static_cast<int>(2 * pair + 1), static_cast<std::size_t>(code / 4));
        builder.give(static_cast<int>(2 * pair + 2), static_cast<std::size_t>(code % 4));
    }
    return builder.deal();
}

}  // namespace

DealFile readDlmFile(const std::string& path, std::string_view bytes) {
    const std::map<std::string, std::string> keys = readKeys(path, bytes);
    const int from = requiredNumber(path, keys, "From board", 1, DlmBoardCount);
    const int to = requiredNumber(path, keys, "To board", from, DlmBoardCount);
    const int checksum = requiredNumber(path, keys, "Checksum", 0, 127);
    if (checksum != (from ^ to))
        throw DealFileError(path, "",
                            "the header checksum is " + std::to_string(checksum) +
                                ", From board and To board give " + std::to_string(from ^ to));

    DealFile file;
    file.path = path;
    std::array<bool, DlmBoardCount + 1> present{};
    for (const auto& [key, value] : keys) {
        if (key.rfind("Board ", 0) != 0) continue;
        const std::string_view digits = std::string_view(key).substr(6);
        const int number = digits.size() == 2 ? static_cast<int>(decimalNumberOf(digits, 2).value_or(0)) : 0;
        if (number < 1)
            throw DealFileError(path, "", excerpt(key) + " is no board key (Board 01 to Board 99)");
        present[static_cast<std::size_t>(number)] = true;
        try {
            const std::string_view letters = checkedLetters(static_cast<unsigned>(number), value);
            if (number >= from && number <= to) {
                ReadBoard board;
                board.number = static_cast<unsigned>(number);
                board.deal = dealOfLetters(letters);
                file.boards.push_back(board);
            }
        } catch (const BoardDefect& defect) {
            throw DealFileError(path, "board " + std::to_string(number), defect.what());
        }
    }
    // The keys are sorted, so the boards are in number order; any gap is a missing board.
    for (int number = from; number <= to; ++number)
        if (file.boards.size() <= static_cast<std::size_t>(number - from) ||
            file.boards[static_cast<std::size_t>(number - from)].number != static_cast<unsigned>(number))
            throw DealFileError(path, "board " + std::to_string(number), "the board is missing");
    // The placeholders after the set's last board are part of the file too: a file without
    // them was cut short, and the machine would not take it.
    for (unsigned number = static_cast<unsigned>(to) + 1; number <= DlmBoardCount; ++number)
        if (!present[number])
            throw DealFileError(path, "board " + std::to_string(number),
                                "the placeholder board is missing (the file is cut short)");
    return file;
}

}  // namespace quorvex
