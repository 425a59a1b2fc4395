#pragma once
// Lines of a code list cross between UTF-8 and the system's code page 936 bytes here, as
// the window's list box would take and show them.

#include <string>
#include <string_view>

#include "core/text.h"

namespace kt::cli {

class Output;

// One line (no line break) of UTF-8 input as the window's list would hold it.
Text lineToSystemText(std::string_view utf8);

// A line of UTF-8 input as a code line: in code page 936, spaces removed. A line of ASCII
// without a space, as nearly every line is, comes back as it is; others are built in scratch.
std::string_view toCodeLine(std::string_view utf8, Text& scratch);

// Lines of system text, each ending in CR LF, written as UTF-8 lines ending in lineEnd; the
// output is finished. False when writing failed.
bool writeLines(Output& out, std::string_view systemLines, std::string_view lineEnd);

}  // namespace kt::cli
