// korvane-tessaly-cli sequence: the lines that the window's new-sequence button would produce.

#include <QCommandLineParser>

#include "app/system_text.h"
#include "cli/cli.h"
#include "cli/command_line.h"
#include "cli/list_line.h"
#include "cli/output.h"
#include "commands/sequence.h"
#include "commands/verify.h"

namespace kt::cli {

namespace {

const QString Name = QStringLiteral("sequence");

QString refusalText(SequenceRefusal refusal)
{
    switch (refusal) {
    case SequenceRefusal::StartAboveEnd:
        return QStringLiteral("the start is greater than the end");
    case SequenceRefusal::ValueTooLong:
        return QStringLiteral("the prefix and a value together are longer than 12 characters");
    case SequenceRefusal::ZeroStep:
        return QStringLiteral("the step must not be 0");
    case SequenceRefusal::TooManyLines:
        break;
    }
    return QStringLiteral("a sequence holds at most %1 lines").arg(MaxSequenceLines);
}

}  // namespace

int runSequence(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the lines that the window's new-sequence button produces: the prefix\n"
        "followed by every value from S to E in steps of D, zero-padded to 12\n"
        "characters. The window's refusals end the program with exit status 1."));
    const QCommandLineOption prefix(QStringLiteral("prefix"),
                                    QStringLiteral("The text before each value."),
                                    QStringLiteral("P"));
    const QCommandLineOption start(QStringLiteral("start"), QStringLiteral("The first value."),
                                   QStringLiteral("S"));
    const QCommandLineOption end(QStringLiteral("end"), QStringLiteral("The last value."),
                                 QStringLiteral("E"));
    const QCommandLineOption step(QStringLiteral("step"),
                                  QStringLiteral("The distance between values (default 1)."),
                                  QStringLiteral("D"), QStringLiteral("1"));
    const QCommandLineOption noPad(QStringLiteral("no-pad"),
                                   QStringLiteral("Do not pad the values with zeros."));
    const QCommandLineOption verify(
        QStringLiteral("verify"),
        QStringLiteral("Add each line's check digit, as the verify command does."));
    parser.addOptions({prefix, start, end, step, noPad, verify});
    if (const std::optional<int> status = parseSubcommand(parser, arguments, 0))
        return *status;
    for (const QCommandLineOption& required : {prefix, start, end}) {
        if (!parser.isSet(required))
            return usageError(Name, QStringLiteral("--%1 is missing").arg(required.names()[0]));
    }

    // The fields of the window take the texts as they are; what they cannot hold becomes "?".
    const Text prefixText = toSystemText(parser.value(prefix));
    const Text startText = toSystemText(parser.value(start));
    const Text endText = toSystemText(parser.value(end));
    const Text stepText = toSystemText(parser.value(step));
    const SequenceFields fields{prefixText, startText, endText, stepText};
    const bool zeroPad = !parser.isSet(noPad);
    const bool asBuilt = parser.isSet(verify) && verifiesAsBuilt(prefixText, zeroPad);

    SequenceBlock block = buildSequence(fields, zeroPad, asBuilt);
    if (block.refusal) {
        printError(Name, refusalText(*block.refusal));
        return Failure;
    }
    if (parser.isSet(verify) && !asBuilt) {
        VerifyResult verified = verifyText(block.lines);
        if (verified.shortLine != 0) {
            printError(Name, QStringLiteral("line %1 is shorter than 12 characters")
                                 .arg(verified.shortLine));
            return Failure;
        }
        block.lines = std::move(verified.text);
    }

    Output out;
    if (!writeLines(out, block.lines, "\n")) {
        printError(Name, QStringLiteral("cannot write: %1").arg(out.errorString()));
        return Failure;
    }
    return Success;
}

}  // namespace kt::cli
