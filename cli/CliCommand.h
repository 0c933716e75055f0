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
    // args: the words after the subcommand's name. Exit status: 0 done,
    // 1 the job failed (database, ...), 2 bad arguments.
    int (*run)(CliContext& context, const std::vector<std::string>& args);
};

// Exit statuses every subcommand uses.
inline constexpr int kCliOk = 0;
inline constexpr int kCliFailed = 1;
inline constexpr int kCliBadArguments = 2;

// Declares every subcommand's description function.
#define TEVARO_CLI_COMMAND(function) const CliCommand& function();
#include "cli/CliCommandList.h"
#undef TEVARO_CLI_COMMAND

// Every subcommand in the order of the overview.
const std::vector<const CliCommand*>& CliCommands();

// Prints the unit list the way `units` does (shared with `read`).
void PrintUnits(CliContext& context);
