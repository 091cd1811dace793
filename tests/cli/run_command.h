#pragma once
// Runs the command-line dealer as a director would and captures what it prints.
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#else
#include <sys/wait.h>
#endif

namespace quorvex::testing {

struct CommandResult {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

inline std::string quoted(const std::string& argument) {
    std::string text = "\"";
    for (char c : argument) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') text += '\\';
        text += c;
    }
    return text + "\"";
}

// `redirection` is shell text after the command: by default standard error joins the output.
inline CommandResult runDealer(const std::vector<std::string>& arguments,
                               const std::string& redirection = " 2>&1", const std::string& before = {}) {
    std::string command = before + quoted(QUORVEX_DEAL_PATH);
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    command += redirection;
    CommandResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = pclose(pipe);
#ifdef _WIN32
    result.exitCode = status;
#else
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return result;
}

}  // namespace quorvex::testing
