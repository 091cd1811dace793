#include "formats/readers/deal_file_reader.h"

#include <array>
#include <set>
#include <utility>

#include "common/ascii_case.h"
#include "common/product.h"
#include "engine/board_line.h"
#include "engine/main_deal_file.h"
#include "formats/bri_dge_writers.h"
#include "formats/deep_finesse_writer.h"
#include "formats/dlm_writer.h"
#include "formats/dup_writer.h"
#include "formats/pbn_writer.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/deep_finesse_reader.h"
#include "formats/readers/dlm_reader.h"
#include "formats/readers/file_bytes.h"
#include "formats/readers/main_deal_file_reader.h"
#include "formats/readers/pbn_reader.h"
#include "formats/readers/record_file_readers.h"

namespace quorvex {

namespace {

// The largest file of each format: the most boards a set (or a main deal file) can hold,
// at the most bytes a board takes in that format, with room for a header and, in the text
// formats, for blanks, line ends and what other programs add (PBN commentary).
constexpr std::uint64_t MostBoardsPerSet = TestModeCountLimit;
constexpr std::uint64_t LargestMainDealFile =
    64 + std::uint64_t{TestModeCountLimit} * TestModeCountLimit * (BoardLineLength + 2);
constexpr std::uint64_t LargestDlmFile = 64 * 1024;
constexpr std::uint64_t LargestDeepFinesseFile = MostBoardsPerSet * 1024;
constexpr std::uint64_t LargestPbnFile = MostBoardsPerSet * 64 * 1024;

struct DealFileFormat {
    std::string_view extension;
    std::uint64_t largest;
    DealFile (*read)(const std::string& path, std::string_view bytes);
};

constexpr std::array<DealFileFormat, 7> DealFileFormats = {{
    {MainDealFileExtension, LargestMainDealFile,
     static_cast<DealFile (*)(const std::string&, std::string_view)>(readMainDealFile)},
    {DlmExtension, LargestDlmFile, readDlmFile},
    {DupExtension, MostBoardsPerSet* DupRecordLength, readDupFile},
    {BriExtension, MostBoardsPerSet* BriDgeRecordLength, readBriFile},
    {DgeExtension, MostBoardsPerSet* BriDgeRecordLength, readDgeFile},
    {DeepFinesseExtension, LargestDeepFinesseFile, readDeepFinesseFile},
    {PbnExtension, LargestPbnFile, readPbnFile},
}};

const DealFileFormat& formatOf(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t separator = path.find_last_of("/\\");
    if (dot != std::string::npos && (separator == std::string::npos || dot > separator)) {
        std::string extension = path.substr(dot);
        for (char& c : extension) c = asciiLower(c);
        for (const DealFileFormat& format : DealFileFormats)
            if (format.extension == extension) return format;
    }
    throw DealFileError(path, "",
                        "no reader knows this kind of file (.qvw, .dlm, .dup, .bri, .dge, .txt or .pbn)");
}

void refuseRepeatedBoardNumbers(const DealFile& file) {
    std::set<std::pair<unsigned, unsigned>> seen;
    for (const ReadBoard& board : file.boards)
        if (!seen.emplace(board.set, board.number).second)
            throw DealFileError(file.path, boardLabel(file, board), "the board number appears twice");
}

}  // namespace

DealFile readDealFileBytes(const std::string& path, std::string_view bytes) {
    const DealFileFormat& format = formatOf(path);
    if (bytes.size() > format.largest)
        throw DealFileError(path, "",
                            "the file is too large (" + std::to_string(bytes.size()) +
                                " bytes; the largest file of its kind holds " +
                                std::to_string(format.largest) + ")");
    DealFile file = format.read(path, bytes);
    refuseRepeatedBoardNumbers(file);
    return file;
}

DealFile readDealFile(const std::string& path) {
    const DealFileFormat& format = formatOf(path);
    DealFile file = format.read(path, readFileBytes(path, format.largest));
    refuseRepeatedBoardNumbers(file);
    return file;
}

DealFile visitDealFile(const std::string& path, const BoardVisitor& visit) {
    const DealFileFormat& format = formatOf(path);
    if (format.extension == MainDealFileExtension) {
        // Its board numbers follow from its header, so they never repeat.
        DealFileInput input(path, format.largest);
        TextLines lines(input);
        return readMainDealFile(path, lines, visit);
    }
    DealFile file = readDealFile(path);
    std::vector<ReadBoard> boards = std::move(file.boards);
    file.boards.clear();
    for (const ReadBoard& board : boards) visit(file, board);
    return file;
}

}  // namespace quorvex
