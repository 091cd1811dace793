// quorvex-deal check [--quiet] FILE...: reads every file and reports each problem as
// "file: board N: what".
#include <iostream>

#include "cli/cli_options.h"
#include "cli/deal_file_commands.h"
#include "formats/check/deal_file_check.h"

namespace quorvex {

int runCheckCommand(const std::vector<std::string>& arguments) {
    bool quiet = false;
    std::vector<std::string> paths;
    for (const std::string& argument : arguments) {
        if (argument == "--quiet")
            quiet = true;
        else if (argument.rfind("--", 0) == 0)
            throw UsageError("unknown option '" + argument + "'");
        else
            paths.push_back(argument);
    }
    if (paths.empty())
        throw UsageError("name at least one deal file (usage: quorvex-deal check [--quiet] FILE...)");

    const DealFileCheck check = checkDealFiles(paths);
    std::size_t boards = 0;
    for (const CheckedFile& file : check.files) {
        boards += file.boards;
        if (!quiet && file.readable) std::cout << file.path << ": " << file.boards << " boards\n";
    }
    for (const std::string& problem : check.problems) std::cout << problem << '\n';
    if (!quiet) {
        const std::string files =
            std::to_string(check.files.size()) + (check.files.size() == 1 ? " file" : " files");
        if (check.problems.empty())
            std::cout << "No problems found in " << files << " (" << boards << " boards).\n";
        else
            std::cout << check.problems.size() << (check.problems.size() == 1 ? " problem" : " problems")
                      << " found in " << files << ".\n";
    }
    return check.problems.empty() ? 0 : 1;
}

}  // namespace quorvex
