#pragma once

#include <string_view>

#include "app/toolkit.h"
#include "core/text.h"

namespace kt {

// What verifying a code list gives: the rewritten list, or the first line too short for it.
struct VerifyResult {
    Text text;          // every line ends with CR LF; empty when shortLine is set
    int shortLine = 0;  // 1-based number of the first line shorter than 12 bytes, or 0
};

// Every non-empty line of a list (CR LF between lines) rewritten as its 12-byte body and a
// freshly computed check digit, after all spaces are removed.
VerifyResult verifyText(std::string_view list);

// Rewrites CodeListEdit by verifyText. A line shorter than 12 bytes leaves the list
// untouched and says so.
void verifyCodeList(Toolkit& ui);

}  // namespace kt
