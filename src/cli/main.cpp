// korvane-tessaly-cli: the window's verify, sequence and copy, for scripts and pipelines.

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cfenv>
#include <cstdio>

#include "cli/cli.h"
#include "cli/command_line.h"

namespace {

using Run = int (*)(const QStringList&);

struct Subcommand {
    const char* name;
    Run run;
};

constexpr Subcommand Subcommands[] = {
    {"verify", kt::cli::runVerify},
    {"sequence", kt::cli::runSequence},
    {"svg", kt::cli::runSvg},
};

const char* const Description =
    "EAN-13 code lists on the command line, with the same results as the window.\n"
    "\n"
    "Commands:\n"
    "  verify    complete or correct the check digit of every code of a list\n"
    "  sequence  write numbered codes: a prefix and a counter\n"
    "  svg       write the SVG document of a list\n"
    "\n"
    "'korvane-tessaly-cli COMMAND --help' describes each command.";

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvane-tessaly-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KT_VERSION));
    // Number texts are formed under round-to-nearest, whatever start-up left behind.
    std::fesetenv(FE_DFL_ENV);

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                 QStringLiteral("verify, sequence or svg"),
                                 QStringLiteral("COMMAND [ARGUMENTS...]"));
    // Whatever follows the command is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = kt::cli::addHelpOption(parser);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addOption(version);
    const QStringList arguments = QCoreApplication::arguments();
    if (!parser.parse(arguments))
        return kt::cli::usageError(QString(), parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(kt::cli::helpText(parser, QString())), stdout);
        return kt::cli::Success;
    }
    if (parser.isSet(version)) {
        std::printf("korvane-tessaly-cli %s\n", KT_VERSION);
        return kt::cli::Success;
    }

    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return kt::cli::usageError(QString(), QStringLiteral("a command is missing"));
    for (const Subcommand& subcommand : Subcommands) {
        if (rest.first() == QLatin1String(subcommand.name))
            return subcommand.run(rest);
    }
    return kt::cli::usageError(QString(),
                               QStringLiteral("unknown command '%1'").arg(rest.first()));
}
