// Number texts for arbitrary singles and doubles: the fixed alphabet and lengths, and a
// value that reads back within the rounding of its significant digits.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cmath>

#include "invariant.h"
#include "core/number_text.h"

using namespace kt;

namespace {


void checkForm(const Text& text, std::size_t longest)
{
    check(!text.empty() && text.size() <= longest);
    check(text.find_first_not_of("0123456789-.e+") == Text::npos);
    check(text.find(".e") == Text::npos && text.back() != '.');
    if (const auto e = text.find('e'); e != Text::npos) {
        check(text.size() - e == 5);  // e, sign, at least three digits
        check(text[e - 1] != '0');
    } else if (text.find('.') != Text::npos) {
        check(text.back() != '0');
    }
}

void checkReadsBack(const Text& text, double value, double relativeError)
{
    double back = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back);
    check(error == std::errc() && end == text.data() + text.size());
    check(std::fabs(back - value) <= std::fabs(value) * relativeError);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const float single = input.ConsumeFloatingPoint<float>();
    const double real = input.ConsumeFloatingPoint<double>();

    const Text singleText = singleToText(single);
    if (std::isnormal(single)) {
        checkForm(singleText, 13);
        checkReadsBack(singleText, single, 5.000001e-6);
    }
    const Text doubleText = doubleToText(real);
    if (std::isnormal(real)) {
        checkForm(doubleText, 20);
        checkReadsBack(doubleText, real, 5.0000001e-13);
    }
    return 0;
}
