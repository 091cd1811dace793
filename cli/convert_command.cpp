// quorvex-deal convert FILE --out DIR [--formats LIST] [--name BASE] [--first-set N] [--force]
// [--quiet]: writes the boards of one file as one set in the chosen formats.
#include <filesystem>
#include <iostream>

#include "cli/cli_options.h"
#include "cli/deal_file_commands.h"
#include "common/name_text.h"
#include "formats/convert_deal_file.h"

namespace quorvex {

namespace {

const char* const ConvertUsage =
    "usage: quorvex-deal convert FILE --out DIR [--formats LIST] [--name BASE] [--first-set N] [--force] "
    "[--quiet]";

std::string valueAfter(const std::vector<std::string>& arguments, std::size_t& index) {
    if (index + 1 == arguments.size()) throw UsageError("option " + arguments[index] + " needs a value");
    return arguments[++index];
}

}  // namespace

int runConvertCommand(const std::vector<std::string>& arguments) {
    ConversionSettings settings;
    std::optional<std::string> file, outputFolder;
    long firstSet = 1;
    bool force = false, quiet = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--out") {
            outputFolder = valueAfter(arguments, index);
            if (outputFolder->empty()) throw UsageError("option --out needs a folder, not an empty text");
        } else if (argument == "--formats") {
            settings.formats = formatList(valueAfter(arguments, index));
        } else if (argument == "--name") {
            settings.baseFileName = valueAfter(arguments, index);
            if (!isNameText(settings.baseFileName))
                throw UsageError("option --name accepts only letters, digits, spaces and hyphens");
        } else if (argument == "--first-set") {
            const std::string text = valueAfter(arguments, index);
            firstSet =
                text.size() <= 2 && !text.empty() && text.find_first_not_of("0123456789") == std::string::npos
                    ? std::stol(text)
                    : 0;
            if (firstSet < 1 || firstSet > 99)
                throw UsageError("option --first-set needs a whole number from 1 to 99, not '" + text + "'");
        } else if (argument == "--force") {
            force = true;
        } else if (argument == "--quiet") {
            quiet = true;
        } else if (argument.rfind("--", 0) == 0) {
            throw UsageError("unknown option '" + argument + "' (" + ConvertUsage + ")");
        } else if (file) {
            throw UsageError("convert takes one file (" + std::string(ConvertUsage) + ")");
        } else {
            file = argument;
        }
    }
    if (!file || !outputFolder) throw UsageError(ConvertUsage);
    settings.outputFolder = *outputFolder;

    if (!force)
        for (const std::string& target : setFilesOf(settings, static_cast<std::uint16_t>(firstSet)))
            if (std::filesystem::exists(target)) {
                std::cerr << "quorvex-deal convert: " << target << " already exists; --force replaces it\n";
                return 1;
            }
    const std::vector<std::string> written =
        convertDealFile(*file, settings, static_cast<std::uint16_t>(firstSet));
    if (!quiet)
        for (const std::string& path : written) std::cout << "Wrote " << path << '\n';
    return 0;
}

}  // namespace quorvex
