#include "commands/verify.h"

#include "commands/messages.h"
#include "core/check_digit.h"
#include "core/text.h"

namespace kt {

namespace {

constexpr int BodyLength = 12;
constexpr char LineBreak[] = "\r\n";

}  // namespace

void verifyCodeList(Toolkit& ui)
{
    const std::vector<Text> lines = splitText(removeSpaces(ui.editText(Control::CodeListEdit)),
                                              LineBreak);

    Text result;
    // Every line becomes at most a body, a digit and a line break.
    result.reserve(lines.size() * (BodyLength + 3));
    for (const Text& line : lines) {
        if (!line.empty()) {
            if (textLength(line) < BodyLength) {
                ui.showMessage(ShortLineMessage, ConfirmTitle, MessageIcon::None,
                               MessageOwner::None);
                return;
            }
            const Text body = leftText(line, BodyLength);
            result += body;
            result += integerToText(computeCheckDigit(body));
        }
        result += LineBreak;
    }
    ui.setEditText(Control::CodeListEdit, result);
}

}  // namespace kt
