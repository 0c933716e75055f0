#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CliContext;

// One subcommand of tevaro-cli. Each lives in its own source file and hands
// out its description through a function named in CliCommandList.h.
struct CliCommand {
    const char* name;
    const char* summary; // one line for the overview
    const char* usage;   // the full --help text
    // args: the words after the subcommand's name. Returns one of the exit
    // statuses below; kCliFailed and kCliPartly come with one line on Err().
    int (*run)(CliContext& context, const std::vector<std::string>& args);
};

// Exit statuses every subcommand uses.
inline constexpr int kCliOk = 0;           // done
inline constexpr int kCliFailed = 1;       // the job failed (database, file, ...)
inline constexpr int kCliBadArguments = 2; // usage
inline constexpr int kCliPartly = 3;       // done in part (some records, units or files)

// The exit statuses as --help and the README list them.
inline constexpr const char* kCliExitStatusText =
    "exit status:\n"
    "  0  done\n"
    "  1  failed; one line on standard error says what and why\n"
    "  2  bad arguments (the usage is printed)\n"
    "  3  done in part: import refused some records, some remote controllers were\n"
    "     not read, or csv / delete failed for some units (one line on standard error)\n";

// Declares every subcommand's description function.
#define TEVARO_CLI_COMMAND(function) const CliCommand& function();
#include "cli/CliCommandList.h"
#undef TEVARO_CLI_COMMAND

// Every subcommand in the order of the overview.
const std::vector<const CliCommand*>& CliCommands();

// Prints the unit list the way `units` does (shared with `read`).
void PrintUnits(CliContext& context);
