// korvane-tessaly-cli svg: the document that the window's copy puts on the clipboard,
// written group by group as the list is read, so that memory stays flat for any length.

#include <QCommandLineParser>

#include <climits>

#include "cli/cli.h"
#include "cli/command_line.h"
#include "cli/input.h"
#include "cli/line_reader.h"
#include "cli/list_line.h"
#include "cli/output.h"
#include "svg/barcode_group.h"
#include "svg/svg_document.h"

namespace kt::cli {

namespace {

const QString Name = QStringLiteral("svg");
constexpr int BodyLength = 12;

}  // namespace

int runSvg(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the SVG document of a code list: byte for byte what the window copies for\n"
        "the same list, one barcode per non-empty line, each in the row of its line.\n"
        "Spaces are removed and only the first 12 characters of a line count; the check\n"
        "digit is computed afresh. A line shorter than 12 characters ends the program with\n"
        "exit status 1 (with -o, no file is written). Unlike the window, there is no limit\n"
        "on the number of codes: the document is written as the list is read."));
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("The code list, UTF-8, one code a line; standard input when absent or -."),
        QStringLiteral("[FILE]"));
    const QCommandLineOption stacked(QStringLiteral("stacked"),
                                     QStringLiteral("Place every code at one spot, stacked."));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Write the document to OUT, replacing it only once it is complete."),
        QStringLiteral("OUT"));
    parser.addOption(stacked);
    parser.addOption(output);
    if (const std::optional<int> status = parseSubcommand(parser, arguments, 1))
        return *status;

    const Input input(parser.positionalArguments().value(0));
    if (!input.file()) {
        printError(Name, input.errorString());
        return Failure;
    }
    Output out = parser.isSet(output) ? Output(parser.value(output)) : Output();
    if (!out.isOpen()) {
        printError(Name, QStringLiteral("cannot write '%1': %2")
                             .arg(parser.value(output), out.errorString()));
        return Failure;
    }

    // On any failure the buffer is dropped: a short list leaves no output at all, and a
    // longer one never gets its tail.
    static_assert(Output::RoomAtEnd >= BarcodeGroupRoom);
    const bool isStacked = parser.isSet(stacked);
    out.append(SvgHead);
    LineReader reader(input.file());
    int lineNumber = 0;
    Text scratch;
    while (const std::optional<std::string_view> line = reader.next()) {
        if (lineNumber == INT_MAX) {
            printError(Name, QStringLiteral("more than %1 lines").arg(INT_MAX));
            return Failure;
        }
        ++lineNumber;
        const std::string_view code = toCodeLine(*line, scratch);
        if (code.empty())
            continue;  // its row stays empty
        if (textLength(code) < BodyLength) {
            printError(Name, QStringLiteral("line %1 is shorter than 12 characters")
                                 .arg(lineNumber));
            return Failure;
        }
        const std::string_view body = code.substr(0, BodyLength);
        if (isStacked)
            out.advance(writeBarcodeGroup(out.room(), body));
        else
            out.advance(writeBarcodeGroup(out.room(), body, 0, lineNumber));
        if (!out.flushWhenFull()) {
            printError(Name, QStringLiteral("cannot write: %1").arg(out.errorString()));
            return Failure;
        }
    }
    if (reader.failed()) {
        printError(Name, QStringLiteral("cannot read the code list"));
        return Failure;
    }
    out.append(SvgTail);
    if (!out.finish()) {
        printError(Name, QStringLiteral("cannot write: %1").arg(out.errorString()));
        return Failure;
    }
    return Success;
}

}  // namespace kt::cli
