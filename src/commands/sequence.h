#pragma once

#include "app/toolkit.h"

namespace kt {

// The most lines one sequence may hold: the code list box takes a million lines in about
// three seconds, two million in seven and three million in fifteen.
inline constexpr int MaxSequenceLines = 1'000'000;

// Fills CodeListEdit with the prefix followed by every value from StartEdit to EndEdit in
// steps of StepEdit, zero-padded to 12 characters and verified when the check boxes say so.
// replaceList replaces the list; otherwise the lines go after a line break at its end.
void generateSequence(Toolkit& ui, bool replaceList);

}  // namespace kt
