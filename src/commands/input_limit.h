#pragma once

#include "app/toolkit.h"

namespace kt {

// Whether a key press in CodeListEdit may reach the edit box. With InputLimitCheck checked,
// once 13 bytes of the caret's line stand before the caret only Enter and Backspace pass.
bool acceptCodeListKey(Toolkit& ui, int virtualKey);

}  // namespace kt
