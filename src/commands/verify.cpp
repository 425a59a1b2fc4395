#include "commands/verify.h"

#include "commands/messages.h"
#include "core/check_digit.h"

namespace kt {

namespace {

constexpr int BodyLength = 12;
constexpr char LineBreak[] = "\r\n";

}  // namespace

VerifyResult verifyText(std::string_view list)
{
    const std::vector<Text> lines = splitText(removeSpaces(list), LineBreak);

    VerifyResult verified;
    // Every line becomes at most a body, a digit and a line break.
    verified.text.reserve(lines.size() * (BodyLength + 3));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text& line = lines[i];
        if (!line.empty()) {
            if (textLength(line) < BodyLength) {
                verified.text.clear();
                verified.shortLine = static_cast<int>(i + 1);
                return verified;
            }
            const Text body = leftText(line, BodyLength);
            verified.text += body;
            verified.text += integerToText(computeCheckDigit(body));
        }
        verified.text += LineBreak;
    }
    return verified;
}

void verifyCodeList(Toolkit& ui)
{
    const VerifyResult verified = verifyText(ui.editText(Control::CodeListEdit));
    if (verified.shortLine != 0) {
        ui.showMessage(ShortLineMessage, ConfirmTitle, MessageIcon::None, MessageOwner::None);
        return;
    }
    ui.setEditText(Control::CodeListEdit, verified.text);
}

}  // namespace kt
