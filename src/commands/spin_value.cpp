#include "commands/spin_value.h"

#include <algorithm>

namespace kt {

namespace {

constexpr int Lowest = 0;
constexpr int Highest = 100;
// Any magnitude past this steps out of range just the same; stopping here avoids overflow.
constexpr long long Saturation = 1000;

long long leadingWholeNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), Saturation);
    return negative ? -value : value;
}

}  // namespace

int nextSpinValue(std::string_view boxText, SpinDirection direction)
{
    const long long value = leadingWholeNumber(boxText);
    if (direction == SpinDirection::Up)
        return value + 1 >= Lowest && value + 1 <= Highest ? static_cast<int>(value + 1) : Lowest;
    return value - 1 >= Lowest && value - 1 <= Highest ? static_cast<int>(value - 1) : Highest;
}

}  // namespace kt
