#include "preview/caret_line.h"

#include <algorithm>

namespace kt {

Text caretLineText(std::string_view text, int caret)
{
    // Past either end every caret gives what the nearest of these gives, and the sums below
    // stay inside the integer range.
    caret = std::clamp(caret, -1, textLength(text));

    const Text lineFeed = charFromCode(10);
    const Text carriageReturn = charFromCode(13);

    const int lastLineFeed = findTextReverse(text, lineFeed, caret + 1);
    const int start = lastLineFeed == -1 ? 1 : lastLineFeed + 1;
    const int nextReturn = findText(text, carriageReturn, caret + 1);
    const int end = nextReturn == -1 ? textLength(text) : nextReturn - 1;

    const Text before = midText(text, start, caret - start + 1);
    const Text after = midText(text, caret + 1, end - caret);
    return joinTexts({before, after});
}

}  // namespace kt
