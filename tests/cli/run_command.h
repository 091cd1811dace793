#pragma once
// Runs the command-line dealer as a director would and captures what it prints.
#include <array>
#include <cstdio>
#include <filesystem>
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

#ifdef _WIN32
// Quoted for the C runtime's argument splitting: backslashes count only before a quote.
inline std::string quoted(const std::string& argument) {
    std::string text = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '"') text.append(backslashes + 1, '\\');
        backslashes = c == '\\' ? backslashes + 1 : 0;
        text += c;
    }
    text.append(backslashes, '\\');
    return text + "\"";
}
#else
// Quoted for the POSIX shell.
inline std::string quoted(const std::string& argument) {
    std::string text = "\"";
    for (char c : argument) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') text += '\\';
        text += c;
    }
    return text + "\"";
}
#endif

// Runs one shell command line and captures its output and exit status.
inline CommandResult runShellCommand(const std::string& command) {
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

// `redirection` is shell text after the command: by default standard error joins the output.
inline CommandResult runDealer(const std::vector<std::string>& arguments,
                               const std::string& redirection = " 2>&1", const std::string& before = {}) {
    std::string command = before + quoted(QUORVEX_DEAL_PATH);
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    command += redirection;
#ifdef _WIN32
    // cmd /c removes the first and the last quote of the line: one more pair keeps the rest.
    command = "\"" + command + "\"";
    // Under Wine on a busy machine the command processor now and then fails to start at all
    // (no output, no exit status) or fails to find the program it was given (status 9009,
    // "Can't recognize ..."). Either way the dealer never ran, so it is started again.
    const auto dealerNeverRan = [](const CommandResult& r) {
        return (r.exitCode == -1 && r.output.empty()) ||
               (r.exitCode == 9009 && r.output.find("internal or external command") != std::string::npos);
    };
    CommandResult result = runShellCommand(command);
    for (int retry = 0; retry < 2 && dealerNeverRan(result); ++retry) result = runShellCommand(command);
    return result;
#else
    return runShellCommand(command);
#endif
}

// The dealer's "Wrote" lines of sets 01 and 02 in `folder`, extension by extension.
inline std::string wroteTwoSets(const std::filesystem::path& folder,
                                const std::vector<std::string>& extensions) {
    std::string lines;
    for (const std::string& extension : extensions)
        for (const char* set : {"01", "02"})
            lines += "Wrote " + (folder / ("QVW-" + std::string(set) + extension)).string() + "\n";
    return lines;
}

}  // namespace quorvex::testing
