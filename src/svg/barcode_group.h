#pragma once
// One code as one SVG group: a filled rectangle for every bar and a text element for every
// digit under the bars, in a numbered row or at the stacked place.

#include <optional>
#include <string_view>

#include "core/text.h"

namespace kt {

// The group of the first 12 bytes of body. shift moves it down; row is 1-based, and without
// a row the group lies at the stacked place, one row pitch above row 1.
Text buildBarcodeGroup(std::string_view body, int shift = 0, std::optional<int> row = {});

// The same group appended to out, for writers that stream many codes into one text.
void appendBarcodeGroup(Text& out, std::string_view body, int shift = 0,
                        std::optional<int> row = {});

}  // namespace kt
