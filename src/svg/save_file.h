#pragma once
// The save command: verifies the list, copies it, and writes the document to a file the
// user confirms under a proposed random name.

#include "app/toolkit.h"

namespace kt {

// Bound to SaveButton.
void saveSvgFile(Toolkit& ui);

}  // namespace kt
