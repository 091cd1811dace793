// What a reader takes in: only regular files of at most the size their format can reach,
// lines split alike in every text format, and messages that quote a bad line only briefly
// and without its control bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>

#include "formats/readers/deal_file_error.h"
#include "formats/readers/deal_file_reader.h"
#include "formats/readers/excerpt.h"
#include "formats/readers/file_bytes.h"
#include "test_deals.h"
#include "written_run.h"

namespace quorvex {
namespace {

using testing::failureOf;
using testing::WrittenRun;

// FIFOs and device files are POSIX's; Windows has neither under a file name.
#ifndef _WIN32
TEST(DealFileInput, FoldersFifosAndDevicesAreRefusedWithoutWaiting) {
    testing::TempFolder folder;
    const std::string fifo = folder.file("QVW-01.dlm");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // no writer: an ordinary open would wait forever
    std::filesystem::create_directory(folder.file("QVW-02.pbn"));
    const struct {
        std::string path;
        const char* error;
    } cases[] = {
        {fifo, "this is no regular file"},
        {folder.file("QVW-02.pbn"), "this is a folder"},
    };
    for (const auto& c : cases) {
        const std::string error = failureOf<DealFileError>([&] { readDealFile(c.path); });
        EXPECT_EQ(error.rfind(c.path + ": ", 0), 0u) << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
    // A device under a deal file's name, as a link would give it.
    std::filesystem::create_symlink("/dev/zero", folder.file("zero.qvw"));
    EXPECT_NE(
        failureOf<DealFileError>([&] { readDealFile(folder.file("zero.qvw")); }).find("no regular file"),
        std::string::npos);
    // The stream the check and the audit read refuses them alike.
    EXPECT_NE(
        failureOf<DealFileError>([&] { visitDealFile(folder.file("zero.qvw"), {}); }).find("no regular file"),
        std::string::npos);
}
#endif

TEST(DealFileInput, AFileLargerThanTheLargestOfItsFormatIsRefusedUnread) {
    testing::TempFolder folder;
    const struct {
        const char* name;
        std::uintmax_t largest;
    } cases[] = {
        {"a.dlm", 64 * 1024},          {"a.dup", 1000 * 156},  {"a.bri", 1000 * 128},
        {"a.dge", 1000 * 128},         {"a.txt", 1000 * 1024}, {"a.pbn", 1000 * 64 * 1024},
        {"a.qvw", 64 + 1000000 * 106},
    };
    for (const auto& c : cases) {
        const std::string path = folder.file(c.name);
        testing::writeFile(path, "");
        std::filesystem::resize_file(path, c.largest + 1);  // sparse: nothing is written
        const std::string error = failureOf<DealFileError>([&] { readDealFile(path); });
        EXPECT_NE(error.find("too large (" + std::to_string(c.largest + 1) + " bytes"), std::string::npos)
            << error;
        std::filesystem::resize_file(path, c.largest);  // at the limit it is read (and found damaged)
        EXPECT_EQ(failureOf<DealFileError>([&] { readDealFile(path); }).find("too large"), std::string::npos);
    }
}

TEST(DealFileInput, ExcerptsAreShortAndShowControlBytesEscaped) {
    const struct {
        std::string text;
        std::string quoted;
    } cases[] = {
        {"plain", "'plain'"},
        {"\x1B]0;owned\x07", "'\\x1B]0;owned\\x07'"},
        {std::string("a\0b\r\x7F", 5), "'a\\x00b\\x0D\\x7F'"},
        {std::string(40, 'x'), "'" + std::string(40, 'x') + "'"},
        {std::string(41, 'x'), "'" + std::string(40, 'x') + "...'"},
        {"caf\xC3\xA9", "'caf\xC3\xA9'"},  // UTF-8 letters stay as they are
    };
    for (const auto& c : cases) EXPECT_EQ(excerpt(c.text), c.quoted);
}

TEST(DealFileInput, ABadLineIsQuotedBrieflyWithItsControlBytesEscapedInEveryFormat) {
    const WrittenRun run(1, 4, 1);
    // Clears the screen, rings the bell, cuts a C string; then far more than a message should hold.
    const std::string hostile =
        "\x1B"
        "c\x07" +
        std::string(1, '\0') + std::string(5000, 'z');
    const auto replaced = [](std::string bytes, const std::string& from, const std::string& to) {
        return bytes.replace(bytes.find(from), from.size(), to);
    };
    const struct {
        const char* file;
        std::string from;
    } cases[] = {
        {"QVW-01.dlm", "Board 02="},  {"QVW-01.dlm", "[Document]"},
        {"QVW-01.txt", "Deal: 2"},    {"QVW-01.txt", "Lead: Any\r\n\r\nDeal: 3"},
        {"QVW-01.pbn", "[Board \"2"}, {"QVW-01.pbn", "[Dealer \""},
    };
    for (const auto& c : cases) {
        const std::string path = run.folder.outputFile(c.file);
        const std::string bytes = replaced(testing::readFile(path), c.from, c.from + hostile);
        const std::string error = failureOf<DealFileError>([&] { readDealFileBytes(path, bytes); });
        EXPECT_LT(error.size(), path.size() + 200) << error;
        EXPECT_EQ(error.find_first_of(std::string("\x1B\x07\0", 3)), std::string::npos) << error;
        EXPECT_NE(error.find("\\x1Bc\\x07\\x00zz"), std::string::npos) << error;
    }
    const std::string header = "1 1  1" + hostile + "\r\n";
    const std::string error = failureOf<DealFileError>([&] { readDealFileBytes("T.qvw", header); });
    EXPECT_LT(error.size(), 200u) << error;
    EXPECT_NE(error.find("T.qvw: header: '1 1  1\\x1Bc\\x07\\x00zz"), std::string::npos) << error;
}

// Text formats read alike whatever their line ends: the same boards from LF, CR LF, CR
// alone, a mix of them, with or without a UTF-8 byte-order mark.
TEST(DealFileInput, EveryTextFormatReadsTheSameBoardsWhateverItsLineEnds) {
    const WrittenRun run(1, 6, 1);
    const auto withLineEnds = [](const std::string& bytes, int style) {
        std::string out = style == 4 ? "\xEF\xBB\xBF" : "";
        std::size_t line = 0;
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
                // Mixed as LF, CR, CR LF: a CR alone never stands just before an LF.
                const int here = style == 3 ? std::array{0, 2, 1}[line++ % 3] : style;
                out += here == 0 ? "\n" : here == 1 ? "\r\n" : "\r";
                ++at;
            } else {
                out += bytes[at];
            }
        }
        return out;
    };
    // 0 LF, 1 CR LF, 2 CR, 3 the three mixed, 4 CR LF behind a byte-order mark.
    for (const char* name : {"QVW-01.dlm", "QVW-01.txt", "QVW-01.pbn"})
        for (int style = 0; style <= 4; ++style) {
            const std::string path = run.folder.outputFile(name);
            const DealFile file = readDealFileBytes(path, withLineEnds(testing::readFile(path), style));
            ASSERT_EQ(file.boards.size(), 6u) << name << style;
            for (std::size_t board = 0; board < 6; ++board)
                EXPECT_EQ(file.boards[board].deal, run.deals[board]) << name << " style " << style;
        }
    const std::string mainDeal = run.folder.settings.programFolder + "/T.qvw";
    for (int style = 0; style <= 4; ++style)
        EXPECT_EQ(readDealFileBytes(mainDeal, withLineEnds(testing::readFile(mainDeal), style)).boards.size(),
                  6u);
}

// The lines of a file read a megabyte at a time are the lines of the same text read whole,
// also where a line end or a CR LF pair falls across the edge of a piece.
TEST(DealFileInput, LinesReadPieceByPieceAreTheLinesOfTheWholeText) {
    constexpr std::size_t Piece = std::size_t{1} << 20;
    testing::TempFolder folder;
    const auto linesOf = [](TextLines lines) {
        std::vector<std::string> all;
        std::string_view line;
        while (lines.next(line)) all.emplace_back(line);
        return all;
    };
    const struct {
        std::string name;
        std::string text;
    } cases[] = {
        {"CR LF across the edge", std::string(Piece - 1, 'a') + "\r\nb\r\n"},
        {"LF at the edge", std::string(Piece - 1, 'a') + "\nb"},
        {"CR alone at the edge", std::string(Piece - 1, 'a') + "\rb\r"},
        {"many short lines",
         [] {
             std::string text = "\xEF\xBB\xBF";
             for (int i = 0; i < 30000; ++i)
                 text += std::string(static_cast<std::size_t>(i % 97), 'x') + "\r\n";
             return text;
         }()},
    };
    for (const auto& c : cases) {
        const std::string path = folder.file("lines.txt");
        testing::writeFile(path, c.text);
        DealFileInput input(path, c.text.size());
        EXPECT_EQ(linesOf(TextLines(input)), linesOf(TextLines(c.text))) << c.name;
    }
    // A line longer than a piece comes cut, and the line after it is still the next line.
    const std::string path = folder.file("long.txt");
    testing::writeFile(path, std::string(3 * Piece, 'a') + "\r\nnext\r\n");
    DealFileInput input(path, 4 * Piece);
    const std::vector<std::string> lines = linesOf(TextLines(input));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), Piece);
    EXPECT_EQ(lines[1], "next");
}

TEST(DealFileInput, AMainDealFileStreamedGivesTheBoardsItGivesWhenReadWhole) {
    const WrittenRun run(3, 5, 7);
    const std::string path = run.folder.settings.programFolder + "/T.qvw";
    std::vector<ReadBoard> streamed;
    const DealFile facts =
        visitDealFile(path, [&](const DealFile&, const ReadBoard& board) { streamed.push_back(board); });
    const DealFile whole = readDealFile(path);
    EXPECT_EQ(facts.setCount, 3u);
    EXPECT_TRUE(facts.boards.empty());
    ASSERT_EQ(streamed.size(), whole.boards.size());
    for (std::size_t i = 0; i < streamed.size(); ++i) {
        EXPECT_EQ(streamed[i].deal, whole.boards[i].deal);
        EXPECT_EQ(std::pair(streamed[i].set, streamed[i].number),
                  std::pair(whole.boards[i].set, whole.boards[i].number));
    }
}

}  // namespace
}  // namespace quorvex
