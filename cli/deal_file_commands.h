#pragma once
// The dealer's commands that only read deal files: check and audit. Each returns the exit
// status: 0 when everything holds, 1 when a problem was found.
#include "cli/command_line.h"

namespace quorvex {

int runCheckCommand(const CheckCommand& check);
int runAuditCommand(const AuditCommand& audit);

}  // namespace quorvex
