// libFuzzer target: the check of several deal files together. The input is cut at each
// 0xFF byte into up to eight files; the first byte of each piece picks its name (a few set
// names, a name that is also a main deal file's, copies under other names) and its
// extension, the rest is its content. The check must answer every mix of damaged,
// repeated and disagreeing files with problems that name a file given, never crash.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "formats/check/deal_file_check.h"

namespace {

constexpr std::array<std::string_view, 5> Stems = {"QVW-01", "QVW-02", "QVW-", "copy", "QVW-100"};
constexpr std::array<std::string_view, 7> Extensions = {".qvw", ".dlm", ".dup", ".bri",
                                                        ".dge", ".txt", ".pbn"};

const std::filesystem::path& folder() {
    static const std::filesystem::path path = [] {
        auto made =
            std::filesystem::temp_directory_path() / ("quorvex-check-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(made);
        return made;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> paths;
    std::error_code ignored;
    std::filesystem::remove_all(folder(), ignored);
    std::filesystem::create_directories(folder());
    std::size_t at = 0;
    while (at < input.size() && paths.size() < 8) {
        const std::size_t end = std::min(input.find('\xFF', at), input.size());
        const std::string_view piece = input.substr(at, end - at);
        at = end + 1;
        if (piece.empty()) continue;
        const auto pick = static_cast<unsigned char>(piece.front());
        const std::string path =
            (folder() / (std::string(Stems[pick % Stems.size()]) +
                         std::string(Extensions[(pick / Stems.size()) % Extensions.size()])))
                .string();
        std::ofstream(path, std::ios::binary | std::ios::app)
            .write(piece.data() + 1, static_cast<std::streamsize>(piece.size() - 1));
        paths.push_back(path);  // a name given twice is the same file given twice
    }
    const quorvex::DealFileCheck check = quorvex::checkDealFiles(paths);
    if (check.files.size() != paths.size()) std::abort();
    for (const std::string& problem : check.problems) {
        bool named = false;
        for (const std::string& path : paths) named = named || problem.rfind(path + ": ", 0) == 0;
        if (!named) std::abort();
    }
    quorvex::checkReportLines(check, false);
    return 0;
}
