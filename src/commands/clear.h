#pragma once

#include "app/toolkit.h"

namespace kt {

// Empties CodeListEdit and nothing else: the preview and the last document stay.
void clearCodeList(Toolkit& ui);

}  // namespace kt
