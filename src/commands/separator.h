#pragma once

#include "app/toolkit.h"

namespace kt {

// Opens SeparatorWindow and returns once it has closed.
void openSeparatorWindow(Toolkit& ui);

// Puts SourceTextEdit into CodeListEdit with every SeparatorEdit text turned into a line
// break, then closes SeparatorWindow.
void convertSeparators(Toolkit& ui);

}  // namespace kt
