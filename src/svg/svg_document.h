#pragma once
// The copy command: the whole code list as one SVG document, kept in SvgDocument and put on
// the clipboard. The document building itself needs no window, so other writers reuse it.

#include <string_view>

#include "app/toolkit.h"
#include "core/text.h"

namespace kt {

// Defines the three classes the groups refer to: fill colour, font family, font size.
inline constexpr std::string_view SvgHead =
    "<svg><style type=\"text/css\"> .st0{fill:#E60012;} .st1{font-family:'OCR-B 10 BT';}"
    " .st2{font-size:12px;}</style>";
inline constexpr std::string_view SvgTail = "</svg>";

// A document takes about 3 KB a code, and the clipboard needs a second copy of it; beyond
// this many codes the copy is refused rather than run into gigabytes.
inline constexpr int MaxDocumentCodes = 200000;

enum class SvgOutcome {
    Complete,      // head, groups, tail
    EmptyList,     // the list held no lines: head alone
    ShortLine,     // head and the groups of the lines before the short one
    TooManyCodes,  // more codes than maxCodes: head alone
};

struct SvgBuild {
    SvgOutcome outcome = SvgOutcome::Complete;
    Text document;
    int shortLine = 0;  // 1-based line number of the first line shorter than 12 bytes
};

// The document of a code list text: spaces removed, lines split at CR LF, one group per
// non-empty line, in the row of its line number or, stacked, all at one place.
SvgBuild buildSvgText(std::string_view listText, bool stacked,
                      int maxCodes = MaxDocumentCodes);

// The copy command, telling its caller how it ended.
SvgOutcome copySvgDocument(Toolkit& ui);

// Bound to CopyButton.
void buildSvgDocument(Toolkit& ui);

}  // namespace kt
