// The subcommands of tevaro-cli, one line each, in the order --help lists
// them. Included twice (declarations and the dispatch table); no include guard.
TEVARO_CLI_COMMAND(ReadCommand)
TEVARO_CLI_COMMAND(UnitsCommand)
TEVARO_CLI_COMMAND(MonthCommand)
TEVARO_CLI_COMMAND(DeleteCommand)
TEVARO_CLI_COMMAND(ImportCommand)
TEVARO_CLI_COMMAND(ExportCommand)
TEVARO_CLI_COMMAND(CsvCommand)
