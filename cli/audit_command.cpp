// quorvex-deal audit [--alpha A] FILE...: chi-square tests of all boards of the files
// against the exact probabilities of random dealing.
#include <cstdlib>
#include <iostream>

#include "analysis/deal_audit.h"
#include "cli/cli_options.h"
#include "cli/deal_file_commands.h"
#include "formats/readers/deal_file_reader.h"

namespace quorvex {

namespace {

constexpr double DefaultAlpha = 0.001;

double alphaOf(const std::string& text) {
    char* end = nullptr;
    const double alpha = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(alpha > 0 && alpha < 1))
        throw UsageError("option --alpha needs a significance level between 0 and 1, not '" + text + "'");
    return alpha;
}

}  // namespace

int runAuditCommand(const std::vector<std::string>& arguments) {
    double alpha = DefaultAlpha;
    std::vector<std::string> paths;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--alpha") {
            if (++index == arguments.size()) throw UsageError("option --alpha needs a value");
            alpha = alphaOf(arguments[index]);
        } else if (argument.rfind("--", 0) == 0) {
            throw UsageError("unknown option '" + argument + "'");
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.empty())
        throw UsageError("name at least one deal file (usage: quorvex-deal audit [--alpha A] FILE...)");

    DealAudit audit;
    for (const std::string& path : paths)
        visitDealFile(path, [&audit](const DealFile&, const ReadBoard& board) { audit.add(board.deal); });
    for (const std::string& line : auditReport(audit, alpha)) std::cout << line << '\n';
    return auditPassed(audit, alpha) ? 0 : 1;
}

}  // namespace quorvex
