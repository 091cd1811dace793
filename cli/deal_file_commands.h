#pragma once
// The dealer's commands that only read deal files: check and audit. Each takes
// the arguments after its name and returns the exit status: 0 when everything holds, 1
// when a problem was found, 2 for a usage error.
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// The exit status of the command named by the first argument; none when the first
// argument names no such command (the arguments are then the dealer's options).
std::optional<int> runDealFileCommand(const std::vector<std::string>& arguments);

int runCheckCommand(const std::vector<std::string>& arguments);
int runAuditCommand(const std::vector<std::string>& arguments);

}  // namespace quorvex
