#include "cli/list_line.h"

#include <QString>

#include <algorithm>

#include "app/system_text.h"

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

std::string lineToUtf8(std::string_view systemText)
{
    if (isAscii(systemText))
        return std::string(systemText);
    return systemTextToUtf8(Text(systemText)).toStdString();
}

}  // namespace kt::cli
