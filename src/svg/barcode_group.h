#pragma once
// One code as one SVG group: a filled rectangle for every bar and a text element for every
// digit under the bars, in a numbered row or at the stacked place.

#include <cstddef>
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

// The room that writeBarcodeGroup needs: a group takes some 3 KB, but it is written in
// pieces padded to 64 bytes, of which a group has at most 211.
inline constexpr std::size_t BarcodeGroupRoom = 212 * 64;

// The same group written at room, which has BarcodeGroupRoom bytes; returns its size. For
// writers of very long lists that keep their own output buffer.
std::size_t writeBarcodeGroup(char* room, std::string_view body, int shift = 0,
                              std::optional<int> row = {});

}  // namespace kt
