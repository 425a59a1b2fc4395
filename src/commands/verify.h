#pragma once

#include "app/toolkit.h"

namespace kt {

// Rewrites every non-empty line of CodeListEdit as its 12-byte body and a freshly computed
// check digit. A line shorter than 12 bytes leaves the list untouched and says so.
void verifyCodeList(Toolkit& ui);

}  // namespace kt
