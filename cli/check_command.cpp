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
    for (const std::string& line : checkReportLines(check, quiet)) std::cout << line << '\n';
    return check.problems.empty() ? 0 : 1;
}

}  // namespace quorvex
