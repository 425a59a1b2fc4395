#include "cli/list_line.h"

#include <QString>

#include <algorithm>

#include "app/system_text.h"
#include "cli/output.h"

namespace kt::cli {

namespace {

// Nearly every code list is ASCII, which is the same bytes in every encoding here.
bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

Text lineToSystemText(std::string_view utf8)
{
    if (isAscii(utf8))
        return Text(utf8);
    QString line = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // The list box gives a no-break space back as a plain space, removed with the others.
    line.replace(QChar::Nbsp, u' ');
    return toSystemText(line);
}

std::string_view toCodeLine(std::string_view utf8, Text& scratch)
{
    const bool asItIs = std::all_of(utf8.begin(), utf8.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && c != ' ';
    });
    if (asItIs)
        return utf8;
    scratch = removeSpaces(lineToSystemText(utf8));
    return scratch;
}

bool writeLines(Output& out, std::string_view systemLines, std::string_view lineEnd)
{
    for (std::size_t from = 0; from < systemLines.size();) {
        const std::size_t end = systemLines.find("\r\n", from);
        const std::string_view line = systemLines.substr(from, end - from);
        if (isAscii(line))
            out.append(line);
        else
            out.append(systemTextToUtf8(Text(line)).toStdString());
        out.append(lineEnd);
        from = end + 2;
        if (!out.flushWhenFull())
            return false;
    }
    return out.finish();
}

}  // namespace kt::cli
