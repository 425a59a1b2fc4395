#pragma once
// Lines of a code list cross between UTF-8 and the system's code page 936 bytes here, as
// the window's list box would take and show them.

#include <string>
#include <string_view>

#include "core/text.h"

namespace kt::cli {

// One line (no line break) of UTF-8 input as the window's list would hold it.
Text lineToSystemText(std::string_view utf8);

// One line of system text as UTF-8.
std::string lineToUtf8(std::string_view systemText);

}  // namespace kt::cli
