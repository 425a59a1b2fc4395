#pragma once

#include <string_view>

#include "core/text.h"

namespace kt {

// The line of a code list text on which the caret stands, without its line break. The caret
// is the number of bytes before it (the start of the selection while text is selected).
Text caretLineText(std::string_view text, int caret);

}  // namespace kt
