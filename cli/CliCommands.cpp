#include "cli/CliCommand.h"

const std::vector<const CliCommand*>& CliCommands() {
    static const std::vector<const CliCommand*> commands = {
#define TEVARO_CLI_COMMAND(function) &function(),
#include "cli/CliCommandList.h"
#undef TEVARO_CLI_COMMAND
    };
    return commands;
}
