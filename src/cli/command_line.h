#pragma once
// What every command does with its command line: parse it, show its help, and word its
// errors the same way. A command is named by its subcommand's name, or by an empty name for
// the program itself.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace kt::cli {

// Adds -h, --help: the parser's own help option also brings Qt's options, of no use here.
QCommandLineOption addHelpOption(QCommandLineParser& parser);

// The parser's help, its usage line naming the command as the user would type it.
QString helpText(const QCommandLineParser& parser, const QString& command);

// Parses a subcommand's arguments (its name first). Returns the exit status when the
// program ends here: after the help, or after a usage error with a one-line hint.
std::optional<int> parseSubcommand(QCommandLineParser& parser, const QStringList& arguments,
                                   qsizetype maxPositionals);

// "korvane-tessaly-cli COMMAND: message" on standard error.
void printError(const QString& command, const QString& message);

// The error and a hint to the help on one line; returns the exit status of a usage error.
int usageError(const QString& command, QString message);

}  // namespace kt::cli
