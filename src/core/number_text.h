#pragma once

#include "core/text.h"

namespace kt {

// The only ways a real becomes text: "." whatever the locale, exponents as
// e+006 / e-005, and "inf", "-inf" or "nan" for non-finite values.

// |x| rounded half away from zero to six significant digits, printed with
// trailing zeros dropped. Subnormals print their own value to six digits.
Text singleToText(float x);

// Thirteen significant digits; whole values print as integers.
Text doubleToText(double v);

}  // namespace kt
