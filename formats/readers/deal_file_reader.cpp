#include "formats/readers/deal_file_reader.h"

#include <array>
#include <set>
#include <utility>

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

struct DealFileFormat {
    std::string_view extension;
    DealFile (*read)(const std::string& path, std::string_view bytes);
};

constexpr std::array<DealFileFormat, 7> DealFileFormats = {{
    {MainDealFileExtension, readMainDealFile},
    {DlmExtension, readDlmFile},
    {DupExtension, readDupFile},
    {BriExtension, readBriFile},
    {DgeExtension, readDgeFile},
    {DeepFinesseExtension, readDeepFinesseFile},
    {PbnExtension, readPbnFile},
}};

const DealFileFormat* formatOf(std::string_view path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t separator = path.find_last_of("/\\");
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
        return nullptr;
    std::string extension(path.substr(dot));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const DealFileFormat& format : DealFileFormats)
        if (format.extension == extension) return &format;
    return nullptr;
}

void refuseRepeatedBoardNumbers(const DealFile& file) {
    std::set<std::pair<unsigned, unsigned>> seen;
    for (const ReadBoard& board : file.boards)
        if (!seen.emplace(board.set, board.number).second)
            throw DealFileError(file.path, boardLabel(file, board), "the board number appears twice");
}

}  // namespace

DealFile readDealFileBytes(const std::string& path, std::string_view bytes) {
    const DealFileFormat* format = formatOf(path);
    if (!format)
        throw DealFileError(path, "",
                            "no reader knows this kind of file (.qvw, .dlm, .dup, .bri, .dge, .txt or .pbn)");
    DealFile file = format->read(path, bytes);
    refuseRepeatedBoardNumbers(file);
    return file;
}

DealFile readDealFile(const std::string& path) { return readDealFileBytes(path, readFileBytes(path)); }

}  // namespace quorvex
