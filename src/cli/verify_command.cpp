// korvane-tessaly-cli verify: the list that the window's verify button would leave.

#include <QCommandLineParser>

#include "cli/cli.h"
#include "cli/command_line.h"
#include "cli/input.h"
#include "cli/line_reader.h"
#include "cli/list_line.h"
#include "cli/output.h"
#include "commands/verify.h"

namespace kt::cli {

namespace {

const QString Name = QStringLiteral("verify");

}  // namespace

int runVerify(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the code list with every non-empty line rewritten as its first 12\n"
        "characters and the check digit computed afresh, spaces removed; empty lines stay.\n"
        "A line shorter than 12 characters: nothing is written, exit status 1."));
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("The code list, UTF-8, one code a line; standard input when absent or -."),
        QStringLiteral("[FILE]"));
    const QCommandLineOption crlf(QStringLiteral("crlf"),
                                  QStringLiteral("End lines with CR LF instead of LF."));
    parser.addOption(crlf);
    if (const std::optional<int> status = parseSubcommand(parser, arguments, 1))
        return *status;

    const Input input(parser.positionalArguments().value(0));
    if (!input.file()) {
        printError(Name, input.errorString());
        return Failure;
    }
    // The whole list, as the window's list box holds it.
    Text list;
    LineReader reader(input.file());
    while (const std::optional<std::string_view> line = reader.next()) {
        list += lineToSystemText(*line);
        list += "\r\n";
    }
    if (reader.failed()) {
        printError(Name, QStringLiteral("cannot read the code list"));
        return Failure;
    }

    const VerifyResult verified = verifyText(list);
    list = Text();
    if (verified.shortLine != 0) {
        printError(Name, QStringLiteral("line %1 is shorter than 12 characters")
                             .arg(verified.shortLine));
        return Failure;
    }

    Output out;
    if (!writeLines(out, verified.text, parser.isSet(crlf) ? "\r\n" : "\n")) {
        printError(Name, QStringLiteral("cannot write: %1").arg(out.errorString()));
        return Failure;
    }
    return Success;
}

}  // namespace kt::cli
