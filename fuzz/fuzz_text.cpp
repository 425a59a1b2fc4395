// Text primitives on arbitrary bytes and positions: every result must stay inside the text
// and agree with what the operation promises.
#include <fuzzer/FuzzedDataProvider.h>


#include "invariant.h"
#include "core/text.h"

using namespace kt;

namespace {


Text joined(const std::vector<Text>& pieces, std::string_view sep)
{
    Text out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += sep;
        out += pieces[i];
    }
    return out;
}

void checkFound(std::string_view t, std::string_view s, int position)
{
    if (position == -1)
        return;
    check(position >= 1 && static_cast<std::size_t>(position) <= t.size() + (s.empty() ? 0 : 1));
    if (!s.empty())
        check(t.substr(static_cast<std::size_t>(position - 1), s.size()) == s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegral<int>();
    const int start = input.ConsumeIntegral<int>();
    const Text s = input.ConsumeRandomLengthString(8);
    const Text r = input.ConsumeRandomLengthString(8);
    const Text t = input.ConsumeRemainingBytesAsString();

    check(textLength(t) == static_cast<int>(t.size()));
    check(t.starts_with(leftText(t, n)) && t.ends_with(rightText(t, n)));
    const Text middle = midText(t, start, n);
    check(middle.empty() || t.find(middle) != Text::npos);
    if (n >= 0 && n < textLength(t))
        check(joinTexts({leftText(t, n), midText(t, n + 1, textLength(t))}) == t);

    const int forward = findText(t, s, start);
    checkFound(t, s, forward);
    check(forward == -1 || s.empty() || forward >= start);
    const int backward = findTextReverse(t, s, start);
    checkFound(t, s, backward);
    check(backward == -1 || s.empty() || backward + static_cast<int>(s.size()) <= start);
    checkFound(t, s, findTextReverse(t, s));

    const Text spaceless = removeSpaces(t);
    check(spaceless.size() <= t.size() && removeSpaces(spaceless) == spaceless);

    // Splitting and joining again gives the text back, less a separator at its very end.
    const std::vector<Text> pieces = splitText(t, s);
    if (!t.empty() && !s.empty()) {
        const Text back = joined(pieces, s);
        check(back == t || back + s == t);
    }
    // Replacing a text by itself changes nothing but a lone lead byte the scan drops.
    const Text same = replaceText(t, s, s);
    check(same == t || (same.size() + 1 == t.size() && t.starts_with(same)));
    // Without a match the replacement changes nothing but a lone lead byte.
    if (findText(t, s) == -1 && !s.empty())
        check(replaceText(t, s, r) == same);

    const double number = textToNumber(t);
    const int digit = digitValue(t);
    check(digit >= 0 && digit <= 9);
    const int whole = truncateToInteger(number);
    if (number > -2147483648.0 && number < 2147483648.0)
        check(whole == static_cast<int>(number));
    check(textToNumber(integerToText(whole)) == whole);
    return 0;
}
