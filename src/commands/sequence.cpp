#include "commands/sequence.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "commands/verify.h"
#include "core/check_digit.h"
#include "core/text.h"

namespace kt {

namespace {

constexpr int BodyLength = 12;
constexpr char LineBreak[] = "\r\n";
constexpr char Zeros[] = "000000000000";
// How far start may lie above end and still count as not above it.
constexpr double Tolerance = 0.0000001;

// 错误！
constexpr char ErrorTitle[] = "\xB4\xED\xCE\xF3\xA3\xA1";
// 起始数值大于终止数值
constexpr char StartAboveEndMessage[] =
    "\xC6\xF0\xCA\xBC\xCA\xFD\xD6\xB5\xB4\xF3\xD3\xDA\xD6\xD5\xD6\xB9\xCA\xFD\xD6\xB5";
// 有些数据条码大于13位
constexpr char ValueTooLongMessage[] =
    "\xD3\xD0\xD0\xA9\xCA\xFD\xBE\xDD\xCC\xF5\xC2\xEB\xB4\xF3\xD3\xDA" "13" "\xCE\xBB";
// 间隔不能为0
constexpr char ZeroStepMessage[] = "\xBC\xE4\xB8\xF4\xB2\xBB\xC4\xDC\xCE\xAA" "0";
// 序列行数不能超过 ... 行
constexpr char TooManyLinesHead[] =
    "\xD0\xF2\xC1\xD0\xD0\xD0\xCA\xFD\xB2\xBB\xC4\xDC\xB3\xAC\xB9\xFD";
constexpr char TooManyLinesTail[] = "\xD0\xD0";

// The values to generate: count of them, from first on, step apart.
struct Sequence {
    int first = 0;
    int step = 0;
    std::int64_t count = 0;
};

Text refusalMessage(SequenceRefusal refusal)
{
    switch (refusal) {
    case SequenceRefusal::StartAboveEnd:
        return StartAboveEndMessage;
    case SequenceRefusal::ValueTooLong:
        return ValueTooLongMessage;
    case SequenceRefusal::ZeroStep:
        return ZeroStepMessage;
    case SequenceRefusal::TooManyLines:
        break;
    }
    return joinTexts({TooManyLinesHead, integerToText(MaxSequenceLines), TooManyLinesTail});
}

// How many values the loop from s towards e takes, or nothing when it never ends. Counted in
// 64 bits, so that a value beyond the 32-bit range ends the loop instead of wrapping.
std::optional<std::int64_t> countValues(std::int64_t s, std::int64_t e, std::int64_t d)
{
    if (d > 0)
        return s > e ? 0 : (e - s) / d + 1;
    if (d < 0)
        return s < e ? 0 : (s - e) / -d + 1;
    if (s > e)
        return 0;
    return std::nullopt;
}

bool fitsBody(std::string_view prefix, std::int64_t value)
{
    return textLength(prefix) + textLength(integerToText(static_cast<int>(value)))
           <= BodyLength;
}

// The values that the fields ask for, or why they are refused. Refusals come before any
// line is built; where the loop would end, the refusal is the one it would have reached.
std::variant<Sequence, SequenceRefusal> planSequence(const SequenceFields& fields)
{
    const double start = textToNumber(fields.start);
    const double end = textToNumber(fields.end);
    if (start - end > Tolerance)
        return SequenceRefusal::StartAboveEnd;
    const int s = truncateToInteger(start);
    const int e = truncateToInteger(end);
    const int d = truncateToInteger(textToNumber(fields.step));

    const std::optional<std::int64_t> count = countValues(s, e, d);
    if (!count) {
        // The first value is repeated forever: too long, or refused as an endless request.
        return fitsBody(fields.prefix, s) ? SequenceRefusal::ZeroStep
                                          : SequenceRefusal::ValueTooLong;
    }
    if (*count == 0)
        return Sequence{};

    // A value's text grows with its magnitude and its sign, so the longest lies at an end.
    const std::int64_t last = s + (*count - 1) * static_cast<std::int64_t>(d);
    if (!fitsBody(fields.prefix, s) || !fitsBody(fields.prefix, last))
        return SequenceRefusal::ValueTooLong;
    if (*count > MaxSequenceLines)
        return SequenceRefusal::TooManyLines;
    return Sequence{s, d, *count};
}

// Every value of the sequence fits the body; withCheckDigit ends each line with the check
// digit of what stands before it.
Text buildBlock(std::string_view prefix, const Sequence& sequence, bool zeroPad,
                bool withCheckDigit)
{
    Text block;
    block.reserve(static_cast<std::size_t>(sequence.count) * (BodyLength + 3));
    std::int64_t v = sequence.first;
    for (std::int64_t i = 0; i < sequence.count; ++i, v += sequence.step) {
        const Text n = integerToText(static_cast<int>(v));
        const int length = textLength(prefix) + textLength(n);
        const std::size_t lineStart = block.size();
        block += prefix;
        if (length < BodyLength && zeroPad)
            block.append(Zeros, BodyLength - length);
        block += n;
        if (withCheckDigit)
            block += integerToText(computeCheckDigit(std::string_view(block).substr(lineStart)));
        block += LineBreak;
    }
    return block;
}

}  // namespace

SequenceBlock buildSequence(const SequenceFields& fields, bool zeroPad, bool withCheckDigit)
{
    if (!fields.complete())
        return {};
    const std::variant<Sequence, SequenceRefusal> plan = planSequence(fields);
    if (const auto* refusal = std::get_if<SequenceRefusal>(&plan))
        return {Text(), *refusal};
    return {buildBlock(fields.prefix, std::get<Sequence>(plan), zeroPad, withCheckDigit),
            std::nullopt};
}

// Lines of such a prefix, padded to the body, hold nothing that verifying would remove and
// no line break but their own.
bool verifiesAsBuilt(std::string_view prefix, bool zeroPad)
{
    if (!zeroPad)
        return false;
    for (const unsigned char c : prefix) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

void generateSequence(Toolkit& ui, bool replaceList)
{
    const Text prefix = ui.editText(Control::PrefixEdit);
    const Text startText = ui.editText(Control::StartEdit);
    const Text endText = ui.editText(Control::EndEdit);
    const Text stepText = ui.editText(Control::StepEdit);
    const bool zeroPad = ui.isChecked(Control::ZeroPadCheck);
    const bool verify = ui.isChecked(Control::SyncVerifyCheck);

    const SequenceFields fields{prefix, startText, endText, stepText};
    // A million lines take seconds to set, so the verified list is set at once when it is
    // known in advance.
    const bool setVerified =
        fields.complete() && replaceList && verify && verifiesAsBuilt(prefix, zeroPad);
    const SequenceBlock block = buildSequence(fields, zeroPad, setVerified);
    if (block.refusal) {
        ui.showMessage(refusalMessage(*block.refusal), ErrorTitle, MessageIcon::Error,
                       MessageOwner::MainWindow);
        return;
    }
    if (setVerified) {
        ui.setEditText(Control::CodeListEdit, block.lines);
        return;
    }

    if (replaceList)
        ui.setEditText(Control::CodeListEdit, block.lines);
    else
        ui.appendEditText(Control::CodeListEdit, LineBreak + block.lines);
    if (verify)
        verifyCodeList(ui);
}

}  // namespace kt
