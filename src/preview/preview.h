#pragma once

#include "app/toolkit.h"

namespace kt {

// Draws the barcode of the caret's line of CodeListEdit on PreviewCanvas, or leaves the
// canvas blank when that line is shorter than a code body.
void drawPreview(Toolkit& ui);

}  // namespace kt
