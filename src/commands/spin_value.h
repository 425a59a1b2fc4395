#pragma once
// The up-down buttons beside StartEdit, EndEdit and StepEdit: what a click makes of the box.

#include <string_view>

namespace kt {

enum class SpinDirection { Up, Down };

// Reads the box as a whole number (leading spaces, an optional sign, the digits up to the
// first other character; 0 without digits) and steps it within 0 to 100, wrapping round.
int nextSpinValue(std::string_view boxText, SpinDirection direction);

}  // namespace kt
