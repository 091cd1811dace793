// Reading back every format the program writes: the deals of each file are the deals of
// the main deal file they were written from, and damaged files are refused with the file,
// the board and what is wrong.
#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "engine/board_line.h"
#include "engine/main_deal_file.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"
#include "program_deals.h"
#include "written_run.h"

namespace quorvex {
namespace {

using testing::failureOf;
using testing::programDeals;
using testing::setFileName;
using testing::WrittenRun;

constexpr const char* SetFileExtensions[] = {".dlm", ".dup", ".bri", ".dge", ".txt", ".pbn"};

TEST(ReadDealFile, EverySetFileGivesBackTheDealsItWasWrittenFromNumberedFromOne) {
    // Sets 98, 99 and 100 of 99 boards: two-digit and three-digit set numbers, every board key of a .dlm.
    const WrittenRun run(3, 99, 98);
    for (unsigned k = 0; k < 3; ++k)
        for (const char* extension : SetFileExtensions) {
            const std::string name = setFileName(98 + k, extension);
            const DealFile file = readDealFile(run.folder.outputFile(name));
            ASSERT_EQ(file.boards.size(), 99u) << name;
            for (unsigned b = 0; b < 99; ++b) {
                EXPECT_EQ(file.boards[b].number, b + 1) << name;
                EXPECT_EQ(file.boards[b].deal, run.deals[k * 99 + b]) << name << " board " << b + 1;
            }
        }
}

TEST(ReadDealFile, TheMainDealFileGivesEveryBoardWithItsSetAndNumber) {
    const WrittenRun run(2, 3, 5);
    const DealFile file = readDealFile(run.folder.settings.programFolder + "/T.qvw");
    ASSERT_EQ(file.boards.size(), 6u);
    EXPECT_EQ(file.setCount, 2u);
    EXPECT_EQ(file.boards[4].set, 6u);
    EXPECT_EQ(file.boards[4].number, 2u);
    EXPECT_EQ(file.boards[4].deal, run.deals[4]);
    EXPECT_EQ(boardLabel(file, file.boards[4]), "board 2 of set 6");
}

TEST(ReadDealFile, TheMainDealFileReadBackAndWrittenAgainGivesTheSameBytes) {
    const WrittenRun run(3, 4, 99);
    const std::string path = run.folder.settings.programFolder + "/T.qvw";
    const DealFile file = readDealFile(path);
    const MainDealHeader header{static_cast<std::uint16_t>(file.setCount),
                                static_cast<std::uint16_t>(file.boards.size() / file.setCount),
                                static_cast<std::uint16_t>(file.boards.front().set)};
    std::vector<std::string> lines = {mainDealHeaderLine(header)};
    for (const ReadBoard& board : file.boards) lines.push_back(boardLine(board.deal));
    EXPECT_EQ(testing::crlfLines(lines), testing::readFile(path));
}

TEST(ReadDealFile, ADlmFileGivesOnlyTheSetsBoardsNotThePlaceholders) {
    const WrittenRun run(1, 5, 1);
    const DealFile file = readDealFile(run.folder.outputFile("QVW-01.dlm"));
    ASSERT_EQ(file.boards.size(), 5u);
    EXPECT_EQ(file.boards.back().deal, run.deals.back());
}

// A damaged copy of a written file and the error it must raise.
struct Damage {
    const char* file;
    std::string (*damage)(std::string bytes);
    const char* error;
};

std::string replaced(std::string bytes, const std::string& from, const std::string& to) {
    const std::size_t at = bytes.find(from);
    return at == std::string::npos ? "" : bytes.replace(at, from.size(), to);
}

// Board 5 of the .dlm with its checksum digits changed.
std::string brokenDlmChecksum(std::string bytes) {
    const std::size_t at = bytes.find("Board 05=") + 9 + 26;
    bytes[at + 2] = bytes[at + 2] == '9' ? '8' : '9';
    return bytes;
}

// Board 5's first letter moved one hand on (its second card to the next hand), checksum kept right.
std::string dlmCardMovedToAnotherHand(std::string bytes) {
    const std::size_t at = bytes.find("Board 05=") + 9;
    const char old = bytes[at];
    const char moved = static_cast<char>('a' + ((old - 'a') / 4) * 4 + ((old - 'a') % 4 + 1) % 4);
    bytes[at] = moved;
    unsigned checksum = std::stoul(bytes.substr(at + 26, 3)) ^ static_cast<unsigned char>(old) ^
                        static_cast<unsigned char>(moved);
    const std::string digits = std::to_string(1000 + checksum).substr(1);
    bytes.replace(at + 26, 3, digits);
    return bytes;
}

std::string withoutBoard5(std::string bytes) {
    const std::size_t at = bytes.find("Board 05=");
    return bytes.erase(at, bytes.find('\n', at) + 1 - at);
}

std::string lastByteCut(std::string bytes) { return bytes.substr(0, bytes.size() - 1); }

// The .dlm cut short among the placeholders after the last board of the set.
std::string dlmCutBefore(std::string bytes, const std::string& line) {
    return bytes.substr(0, bytes.find(line));
}

// The first card number of record 3 (board 3) replaced by the second: a card twice.
std::string cardTwiceInRecord3(std::string bytes, std::size_t recordLength) {
    const std::size_t at = 2 * recordLength;
    bytes[at] = bytes[at + 2];
    bytes[at + 1] = bytes[at + 3];
    return bytes;
}

const Damage Damages[] = {
    {"QVW-01.dlm", brokenDlmChecksum, "QVW-01.dlm: board 5: the checksum is"},
    {"QVW-01.dlm", dlmCardMovedToAnotherHand, "QVW-01.dlm: board 5: "},
    {"QVW-01.dlm", withoutBoard5, "QVW-01.dlm: board 5: the board is missing"},
    {"QVW-01.dlm", [](std::string b) { return dlmCutBefore(b, "Board 61="); },
     "QVW-01.dlm: board 61: the placeholder board is missing (the file is cut short)"},
    {"QVW-01.dlm", [](std::string b) { return dlmCutBefore(b, "Board 09="); },
     "QVW-01.dlm: board 9: the placeholder board is missing"},
    {"QVW-01.dlm", [](std::string b) { return dlmCutBefore(b, "Board 99=") + "Board 99=aaaa"; },
     "QVW-01.dlm: board 99: 'aaaa' is not 26 letters"},
    {"QVW-01.dlm", [](std::string b) { return replaced(b, "Checksum=", "Checksum=1"); },
     "QVW-01.dlm: the header checksum is"},
    {"QVW-01.dup", lastByteCut, "QVW-01.dup: board 8: the record has 155 bytes, not 156"},
    {"QVW-01.dup", [](std::string b) { return cardTwiceInRecord3(b, 156); }, "QVW-01.dup: board 3: the "},
    {"QVW-01.dup", [](std::string b) { return b.replace(156, 78, b.substr(2 * 156, 78)); },
     "QVW-01.dup: board 2: the card numbers and the hand texts show different deals"},
    {"QVW-01.dup", [](std::string b) { return b.replace(156 + 153, 1, "9"); },
     "QVW-01.dup: board 2: bytes 153 to 155"},
    {"QVW-01.bri", lastByteCut, "QVW-01.bri: board 8: the record has 127 bytes"},
    {"QVW-01.bri", [](std::string b) { return cardTwiceInRecord3(b, 128); }, "QVW-01.bri: board 3: the "},
    {"QVW-01.bri", [](std::string b) { return b.replace(100, 1, "x"); },
     "QVW-01.bri: board 1: bytes 78 to 109"},
    {"QVW-01.dge", [](std::string b) { return b.replace(128 + 1, 1, "X"); },
     "QVW-01.dge: board 2: 'X' in North's hand text is no rank letter"},
    {"QVW-01.dge", [](std::string b) { return b.replace(128 + 100, 1, "x"); },
     "QVW-01.dge: board 2: bytes 68 to 127"},
    {"QVW-01.dge", [](std::string b) { return b.replace(0, 1, "\x03"); },
     "QVW-01.dge: board 1: North's hand text lacks the spade mark"},
    {"QVW-01.txt", [](std::string b) { return replaced(b, "Deal: 2 ", "Deal: x "); },
     "QVW-01.txt: the board at line 6: 'x' is no board number"},
    {"QVW-01.txt",
     [](std::string b) { return replaced(b, "Lead: Any\r\n\r\nDeal: 4", "Lead: Any\r\nDeal: 4"); },
     "QVW-01.txt: board 3: an empty line is expected"},
    {"QVW-01.txt", [](std::string b) { return b.substr(0, b.size() - 4); },
     "QVW-01.txt: board 8: the file ends within the board"},
    {"QVW-01.txt", [](std::string b) { return replaced(b, "OnLead: East", "OnLead: East -"); },
     "QVW-01.txt: board 1: the line \"OnLead: East"},
};

TEST(ReadDealFile, DamagedFilesAreRefusedNamingTheFileTheBoardAndTheFault) {
    const WrittenRun run(1, 8, 1);
    for (const Damage& damage : Damages) {
        const std::string path = run.folder.outputFile(damage.file);
        const std::string bytes = damage.damage(testing::readFile(path));
        ASSERT_FALSE(bytes.empty()) << damage.error;
        const std::string error = failureOf<DealFileError>([&] { readDealFileBytes(path, bytes); });
        EXPECT_NE(error.find(damage.error), std::string::npos) << error;
        EXPECT_EQ(error.rfind(run.folder.output(), 0), 0u) << error;
    }
}

TEST(ReadDealFile, DamagedMainDealFilesAreRefusedNamingTheBoard) {
    const std::string line = boardLine(programDeals(1)[0]);
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"1 3  1\r\n" + line + "\r\n" + line + "\r\n",
         "T.qvw: board 3: the file ends here; its header promises 3 boards"},
        {"1 1  1\r\n" + line + "\r\n\r\n", "T.qvw: lines follow the last of the 1 boards"},
        {"1 1  1\r\n" + line.substr(0, 102) + "53\r\n", "T.qvw: board 1: card number 53 is no card"},
        {"1 1  1\r\n" + line.substr(2) + "\r\n", "T.qvw: board 1: the board line has 102 characters"},
        {"2 1  1\r\n" + line + "\r\n" + line.substr(0, 2) + line.substr(0, 2) + line.substr(4) + "\r\n",
         "T.qvw: board 1 of set 2: the "},
        {"1 1 1\r\n" + line + "\r\n", "T.qvw: header: the boards per set: "},
        {"x 1  1\r\n" + line + "\r\n", "T.qvw: header: the number of sets: "},
        {"1 1  0\r\n" + line + "\r\n", "T.qvw: header: the first set number: "},
        {"", "T.qvw: the file is empty"},
    };
    for (const auto& c : cases) {
        const std::string error = failureOf<DealFileError>([&] { readDealFileBytes("T.qvw", c.text); });
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST(ReadDealFile, UnknownExtensionsAndEmptyFilesAreRefused) {
    EXPECT_NE(
        failureOf<DealFileError>([] { readDealFileBytes("x.doc", "a"); }).find("x.doc: no reader knows"),
        std::string::npos);
    for (const char* name : {"x.dup", "x.bri", "x.dge", "x.txt", "x.pbn"})
        EXPECT_NE(failureOf<DealFileError>([&] { readDealFileBytes(name, ""); }).find(name),
                  std::string::npos);
}

}  // namespace
}  // namespace quorvex
