// quorvex-deal check [--quiet] FILE...: reads every file and reports each problem as
// "file: board N: what".
#include <iostream>

#include "cli/deal_file_commands.h"
#include "formats/check/deal_file_check.h"

namespace quorvex {

int runCheckCommand(const CheckCommand& command) {
    const DealFileCheck check = checkDealFiles(command.files);
    for (const std::string& line : checkReportLines(check, command.quiet)) std::cout << line << '\n';
    return check.problems.empty() ? 0 : 1;
}

}  // namespace quorvex
