#include "cli/deal_file_commands.h"

#include <iostream>

#include "cli/cli_options.h"
#include "common/error_texts.h"
#include "common/io_error.h"

namespace quorvex {

std::optional<int> runDealFileCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return std::nullopt;
    const std::string& name = arguments.front();
    int (*run)(const std::vector<std::string>&) = nullptr;
    if (name == "check")
        run = runCheckCommand;
    else if (name == "audit")
        run = runAuditCommand;
    else
        return std::nullopt;

    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    try {
        return run(rest);
    } catch (const UsageError& error) {
        std::cerr << "quorvex-deal " << name << ": " << error.what() << '\n';
        return 2;
    } catch (const EInOutError& error) {
        std::cerr << "quorvex-deal " << name << ": " << (error.path().empty() ? "" : error.path() + ": ")
                  << displayedErrorText(error.what()) << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quorvex-deal " << name << ": " << displayedErrorText(error.what()) << '\n';
        return 1;
    }
}

}  // namespace quorvex
