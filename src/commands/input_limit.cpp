#include "commands/input_limit.h"

#include "core/text.h"

namespace kt {

namespace {

constexpr int CodeLength = 13;
constexpr int EnterKey = 13;
constexpr int BackspaceKey = 8;

}  // namespace

bool acceptCodeListKey(Toolkit& ui, int virtualKey)
{
    const TextAroundCaret around = ui.editTextAroundCaret(Control::CodeListEdit);
    // On the first line there is no CR and this is -1, so the distance is still one more
    // than the bytes of the line before the caret.
    const int lastReturn = findTextReverse(around.text, charFromCode(13), around.caret);
    if (around.caret - lastReturn <= CodeLength)
        return true;
    if (virtualKey == EnterKey || virtualKey == BackspaceKey)
        return true;
    return !ui.isChecked(Control::InputLimitCheck);
}

}  // namespace kt
