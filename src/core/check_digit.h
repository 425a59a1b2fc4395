#pragma once

#include <string_view>

namespace kt {

// EAN-13 check digit (0 to 9) of the first 12 bytes of body. A byte that is
// not a decimal digit, or a missing one, counts 0.
int computeCheckDigit(std::string_view body);

}  // namespace kt
