#pragma once

#include <string_view>

#include "core/text.h"

namespace kt {

// The 95 modules of the EAN-13 symbol for body and its check digit, then one
// light module: 96 bytes of '0' (light) and '1' (dark). Non-digit bytes of
// body count as 0; a checkDigit outside 0..9 is taken modulo 10.
Text buildModulePattern(std::string_view body, int checkDigit);

}  // namespace kt
