#include "cli/command_line.h"

#include <QCoreApplication>

#include <cstdio>

#include "cli/cli.h"

namespace kt::cli {

namespace {

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// "korvane-tessaly-cli" or "korvane-tessaly-cli svg".
QString fullName(const QString& command)
{
    const QString program = QCoreApplication::applicationName();
    return command.isEmpty() ? program : program + u' ' + command;
}

}  // namespace

QCommandLineOption addHelpOption(QCommandLineParser& parser)
{
    QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help."));
    parser.addOption(help);
    return help;
}

QString helpText(const QCommandLineParser& parser, const QString& command)
{
    // The parser's usage line names the program as it was started, path and all.
    QString help = parser.helpText();
    const qsizetype start = help.indexOf(u' ') + 1;
    const qsizetype end = help.indexOf(QStringLiteral(" [options]"));
    if (start > 0 && end > start)
        help.replace(start, end - start, fullName(command));
    return help;
}

std::optional<int> parseSubcommand(QCommandLineParser& parser, const QStringList& arguments,
                                   qsizetype maxPositionals)
{
    const QString command = arguments.value(0);
    const QCommandLineOption help = addHelpOption(parser);
    // The parser skips the first argument, which here is the subcommand's name.
    if (!parser.parse(arguments))
        return usageError(command, parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, helpText(parser, command));
        return Success;
    }
    const QStringList positionals = parser.positionalArguments();
    if (positionals.size() > maxPositionals)
        return usageError(command, QStringLiteral("unexpected argument '%1'")
                                       .arg(positionals[maxPositionals]));
    return std::nullopt;
}

void printError(const QString& command, const QString& message)
{
    print(stderr, QStringLiteral("%1: %2\n").arg(fullName(command), message));
}

int usageError(const QString& command, QString message)
{
    if (message.endsWith(u'.'))
        message.chop(1);  // the parser's messages end in a full stop; the hint follows here
    print(stderr, QStringLiteral("%1: %2 (see '%1 --help')\n").arg(fullName(command), message));
    return UsageError;
}

}  // namespace kt::cli
