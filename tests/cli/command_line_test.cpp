// The dealer's command line read in-process: every command, every option, the boundaries of
// every limit. A few runs of the real program (quorvex_deal_test.cpp) show the exit status.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorvex {
namespace {

using Arguments = std::vector<std::string>;

// 38 and 39 digits: a recorded entropy text holds 39 numbers, so at least 39 digits.
const std::string Digits38 = "12345678901234567890123456789012345678";
const std::string Digits39 = Digits38 + "9";

const CliOptions& dealt(const CommandLine& line) { return std::get<DealCommand>(line).options; }

struct Accepted {
    Arguments arguments;
    std::function<bool(const CommandLine&)> holds;
};

TEST(CommandLine, AcceptsEveryFormAtTheEdgesOfEveryLimit) {
    const std::vector<Accepted> rows = {
        {{}, [](auto& l) { return dealt(l).numberOfSets == 1 && dealt(l).boardsPerSet == 32; }},
        {{"--sets", "99"}, [](auto& l) { return dealt(l).numberOfSets == 99; }},
        {{"--sets=99"}, [](auto& l) { return dealt(l).numberOfSets == 99; }},
        {{"--boards", "99", "--sets", "1"}, [](auto& l) { return dealt(l).boardsPerSet == 99; }},
        {{"--test-mode", "--sets", "1000"}, [](auto& l) { return dealt(l).numberOfSets == 1000; }},
        {{"--boards=1000", "--test-mode"}, [](auto& l) { return dealt(l).boardsPerSet == 1000; }},
        {{"--first-set", "99"}, [](auto& l) { return dealt(l).firstSetNumber == 99; }},
        {{"--skip-boards", "0"}, [](auto& l) { return dealt(l).skipBoards == 0; }},
        {{"--skip-boards=1000000000"}, [](auto& l) { return dealt(l).skipBoards == 1000000000u; }},
        {{"--entropy-text", Digits39}, [](auto& l) { return dealt(l).entropyText == Digits39; }},
        {{"--entropy-text=-" + Digits39}, [](auto& l) { return dealt(l).entropyText == "-" + Digits39; }},
        {{"--id", "Club Night"}, [](auto& l) { return dealt(l).identityText == "Club Night"; }},
        {{"--id=Club Night"}, [](auto& l) { return dealt(l).identityText == "Club Night"; }},
        {{"--name", ""}, [](auto& l) { return dealt(l).baseFileName.empty(); }},
        {{"--name="}, [](auto& l) { return dealt(l).baseFileName.empty(); }},
        // A value starting with "--" is taken in the "=" form, and checked as a value.
        {{"--out=--x"}, [](auto& l) { return dealt(l).outputFolder == "--x"; }},
        {{"--out", "-"}, [](auto& l) { return dealt(l).outputFolder == "-"; }},
        {{"--work-dir", "w"}, [](auto& l) { return dealt(l).workFolder == "w"; }},
        {{"--report=r.txt"}, [](auto& l) { return dealt(l).reportFile == "r.txt" && dealt(l).analysis; }},
        {{"--formats", "dlm,pbn"}, [](auto& l) { return dealt(l).formats.count() == 2; }},
        {{"--formats=none"}, [](auto& l) { return dealt(l).formats.none(); }},
        {{"--analysis", "--double-dummy", "--hand-records", "--force", "--quiet", "--show-entropy"},
         [](auto& l) {
             const CliOptions& o = dealt(l);
             return o.analysis && o.doubleDummy && o.handRecords && o.force && o.quiet && o.showEntropy;
         }},
        {{"deal", "--sets", "2"}, [](auto& l) { return dealt(l).numberOfSets == 2; }},
        {{"check", "--quiet", "a.dlm", "b.pbn"},
         [](auto& l) {
             return std::get<CheckCommand>(l).quiet && std::get<CheckCommand>(l).files.size() == 2;
         }},
        {{"check", "--", "--quiet", "--"},
         [](auto& l) {
             const auto& check = std::get<CheckCommand>(l);
             return !check.quiet && check.files == Arguments{"--quiet", "--"};
         }},
        {{"check", "-", "-x.pbn"},
         [](auto& l) {
             return std::get<CheckCommand>(l).files == Arguments{"-", "-x.pbn"};
         }},
        {{"convert", "-x.pbn", "--out", "d"},
         [](auto& l) { return std::get<ConvertCommand>(l).file == "-x.pbn"; }},
        {{"audit", "--alpha=0.01", "f.pbn"}, [](auto& l) { return std::get<AuditCommand>(l).alpha == 0.01; }},
        {{"audit", "f.pbn", "--alpha", "0.5"},
         [](auto& l) { return std::get<AuditCommand>(l).alpha == 0.5; }},
        {{"audit", "--alpha", "1e-9", "f"}, [](auto& l) { return std::get<AuditCommand>(l).alpha == 1e-9; }},
        {{"audit", "f"}, [](auto& l) { return std::get<AuditCommand>(l).alpha == DefaultAuditAlpha; }},
        {{"convert", "--out", "event", "--", "--x.pbn"},
         [](auto& l) {
             const auto& convert = std::get<ConvertCommand>(l);
             return convert.file == "--x.pbn" && convert.options.outputFolder == "event";
         }},
        {{"convert", "in.pbn", "--out=event", "--formats=dlm", "--name=SIM-", "--first-set=3", "--force"},
         [](auto& l) {
             const auto& convert = std::get<ConvertCommand>(l);
             return convert.file == "in.pbn" && convert.options.baseFileName == "SIM-" &&
                    convert.options.firstSetNumber == 3 && convert.options.force;
         }},
    };
    for (const Accepted& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.arguments));
        try {
            EXPECT_TRUE(row.holds(parseCommandLine(row.arguments)));
        } catch (const CommandLineError& error) {
            ADD_FAILURE() << error.what();
        }
    }
}

struct Refused {
    Arguments arguments;
    std::string command;   // the command the message starts with
    std::string fragment;  // a part of the message
};

TEST(CommandLine, RefusesEachMistakeNamingTheOptionAndTheLimit) {
    const std::vector<Refused> rows = {
        {{"--sets", "100"}, "", "option --sets allows at most 99 (1000 with --test-mode)"},
        {{"--sets=0"}, "", "option --sets needs a whole number from 1 to 1000, not '0'"},
        {{"--boards", "100"}, "", "option --boards allows at most 99"},
        {{"--test-mode", "--sets", "1001"}, "", "from 1 to 1000, not '1001'"},
        {{"--test-mode", "--boards=1001"}, "", "--boards needs a whole number from 1 to 1000"},
        {{"--boards", "12x"}, "", "--boards needs a whole number"},
        {{"--boards", " 12"}, "", "--boards needs a whole number"},
        {{"--first-set", "100"}, "", "--first-set needs a whole number from 1 to 99"},
        {{"--first-set", "0"}, "", "--first-set needs a whole number from 1 to 99"},
        {{"--skip-boards", "1000000001"}, "", "--skip-boards needs a whole number from 0 to 1000000000"},
        {{"--skip-boards", "-1"}, "", "--skip-boards needs a whole number"},
        {{"--entropy-text", Digits38}, "", "at least 39 digits"},
        {{"--entropy-text", "-"}, "", "at least 39 digits"},
        {{"--entropy-text=" + Digits39 + "x"}, "", "digits and minus signs only"},
        {{"--entropy-text="}, "", "at least 39 digits"},
        {{"--id", ""}, "", "must not be empty"},
        {{"--id", "a_b"}, "", "--id"},
        {{"--id=con"}, "", "device name"},
        {{"--name", "LPT1"}, "", "device name"},
        {{"--name=Aux"}, "", "device name"},
        {{"--name=QVW "}, "", "begin or end with a space"},
        {{"--id", "   "}, "", "begin or end with a space"},
        {{"--name", "QVW."}, "", "--name"},
        {{"--out", ""}, "", "option --out needs a folder, not an empty text"},
        {{"--work-dir="}, "", "option --work-dir needs a folder, not an empty text"},
        {{"--report", ""}, "", "option --report needs a file name, not an empty text"},
        {{"--formats", "dlm,pdf"}, "", "unknown format 'pdf'"},
        {{"--formats", ""}, "", "unknown format ''"},
        // An option never swallows the next option as its value.
        {{"--name", "--force"}, "", "option --name needs a value"},
        {{"--id", "--quiet"}, "", "option --id needs a value"},
        {{"--report"}, "", "option --report needs a value"},
        {{"--quiet=yes"}, "", "option --quiet takes no value"},
        {{"--formats", "dlm", "--formats", "pbn"}, "", "option --formats is given twice"},
        {{"--quiet", "--quiet"}, "", "option --quiet is given twice"},
        {{"--bogus"}, "", "unknown option '--bogus'"},
        {{"--sets-x=1"}, "", "unknown option '--sets-x'"},
        {{"-q"}, "", "unknown option '-q'"},
        {{"QVXTEST"}, "", "unknown command 'QVXTEST'"},
        {{"--", "--sets"}, "", "unknown option '--sets'"},
        {{"check"}, "check", "name at least one deal file"},
        {{"check", "--loud", "f"}, "check", "unknown option '--loud'"},
        {{"check", "--quiet=1", "f"}, "check", "option --quiet takes no value"},
        {{"check", "--sets", "2", "f"}, "check", "unknown option '--sets'"},
        {{"audit", "f", "--alpha", "0"}, "audit", "--alpha needs a number from 0.000000001 to 0.5, not '0'"},
        {{"audit", "f", "--alpha", "1e-320"}, "audit", "not '1e-320'"},
        {{"audit", "f", "--alpha=0.50001"}, "audit", "not '0.50001'"},
        {{"audit", "f", "--alpha", "nan"}, "audit", "not 'nan'"},
        {{"audit", "f", "--alpha="}, "audit", "not ''"},
        {{"audit", "--alpha", "--", "f"}, "audit", "option --alpha needs a value"},
        {{"audit"}, "audit", "name at least one deal file"},
        {{"convert", "--out", "d"}, "convert", "name the file to convert"},
        {{"convert", "a.pbn", "b.pbn", "--out", "d"}, "convert", "convert takes one file, not 2"},
        {{"convert", "a.pbn"}, "convert", "convert needs --out DIR"},
        {{"convert", "a.pbn", "--out", ""}, "convert", "--out needs a folder"},
        {{"convert", "a.pbn", "--out", "d", "--sets", "2"}, "convert", "unknown option '--sets'"},
        {{"convert", "a.pbn", "--out", "d", "--name", "--force"}, "convert", "option --name needs a value"},
        {{"help", "nope"}, "help", "unknown command 'nope'"},
        {{"help", "check", "audit"}, "help", "help takes one command name"},
    };
    for (const Refused& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.arguments));
        try {
            parseCommandLine(row.arguments);
            ADD_FAILURE() << "accepted";
        } catch (const CommandLineError& error) {
            EXPECT_EQ(error.command, row.command);
            EXPECT_NE(std::string(error.what()).find(row.fragment), std::string::npos) << error.what();
            const std::string see =
                row.command.empty() || row.command == "help" ? "--help" : "help " + row.command;
            EXPECT_NE(std::string(error.what()).find("(see quorvex-deal " + see + ")"), std::string::npos);
        }
    }
}

// Every option of every command, generated from the command's own table: without its value,
// with a value it does not take, twice, and with a value that looks like an option.
TEST(CommandLine, EveryOptionOfEveryCommandFollowsTheOneGrammar) {
    for (const std::string command : {"deal", "check", "convert", "audit", "help"}) {
        for (const OptionEntry& option : commandOptions(command)) {
            SCOPED_TRACE(command + " " + option.name);
            auto refusal = [&](Arguments arguments) -> std::string {
                arguments.insert(arguments.begin(), command);
                try {
                    parseCommandLine(arguments);
                } catch (const CommandLineError& error) {
                    return error.what();
                }
                return "accepted";
            };
            if (option.value.empty()) {
                EXPECT_NE(refusal({option.name + "=1"}).find(option.name + " takes no value"),
                          std::string::npos);
                EXPECT_NE(refusal({option.name, option.name}).find(option.name + " is given twice"),
                          std::string::npos);
            } else {
                EXPECT_NE(refusal({option.name}).find(option.name + " needs a value"), std::string::npos);
                EXPECT_NE(refusal({option.name, "--quiet"}).find(option.name + " needs a value"),
                          std::string::npos);
                EXPECT_NE(
                    refusal({option.name + "=1", option.name + "=1"}).find(option.name + " is given twice"),
                    std::string::npos);
                EXPECT_EQ(refusal({option.name + "=--quiet"}).find("needs a value"), std::string::npos)
                    << "the = form takes any value";
            }
        }
    }
}

TEST(CommandLine, HelpAndVersionPrintTheUsageOfTheCommandAsked) {
    auto printed = [](const Arguments& arguments) {
        return std::get<PrintCommand>(parseCommandLine(arguments)).text;
    };
    const std::string all = cliUsage();
    EXPECT_EQ(printed({"--help"}), all);
    EXPECT_EQ(printed({"help"}), all);
    EXPECT_EQ(printed({"deal", "--help"}), all) << "dealing is the program's own usage";
    EXPECT_EQ(printed({"--version"}), versionText() + "\n");
    for (const std::string command : {"check", "convert", "audit"}) {
        const std::string usage = commandUsage(command);
        EXPECT_TRUE(usage.starts_with("Usage: quorvex-deal " + command + " ")) << usage;
        EXPECT_EQ(printed({"help", command}), usage);
        EXPECT_EQ(printed({command, "--help"}), usage);
        for (const OptionEntry& option : commandOptions(command)) {
            EXPECT_NE(usage.find("  " + option.name), std::string::npos) << command << option.name;
            EXPECT_NE(all.find("  " + option.name), std::string::npos) << command << option.name;
        }
    }
    EXPECT_EQ(printed({"help", "--help"}), commandUsage("help"));
    for (const OptionEntry& option : commandOptions("deal"))
        EXPECT_NE(all.find("  " + option.name), std::string::npos) << option.name;
}

TEST(CommandLine, TheUsageKeepsEveryLineWithinHundredColumns) {
    std::size_t start = 0, end;
    const std::string all = cliUsage();
    while ((end = all.find('\n', start)) != std::string::npos) {
        EXPECT_LE(end - start, 100u) << all.substr(start, end - start);
        start = end + 1;
    }
}

}  // namespace
}  // namespace quorvex
