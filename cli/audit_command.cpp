// quorvex-deal audit [--alpha A] FILE...: chi-square tests of all boards of the files
// against the exact probabilities of random dealing.
#include <iostream>

#include "analysis/deal_audit.h"
#include "cli/deal_file_commands.h"
#include "formats/readers/deal_file_reader.h"

namespace quorvex {

int runAuditCommand(const AuditCommand& command) {
    DealAudit audit;
    for (const std::string& path : command.files)
        visitDealFile(path, [&audit](const DealFile&, const ReadBoard& board) { audit.add(board.deal); });
    for (const std::string& line : auditReport(audit, command.alpha)) std::cout << line << '\n';
    return auditPassed(audit, command.alpha) ? 0 : 1;
}

}  // namespace quorvex
