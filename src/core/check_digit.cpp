#include "core/check_digit.h"

#include "core/text.h"

namespace kt {

int computeCheckDigit(std::string_view body) {
    int even = 0;
    int odd = 0;
    for (int position = 1; position <= 12; ++position) {
        const int digit = position <= static_cast<int>(body.size())
                              ? digitValue(body.substr(static_cast<std::size_t>(position - 1), 1))
                              : 0;
        (position % 2 == 0 ? even : odd) += digit;
    }
    const int total = 3 * even + odd;
    return (10 - total % 10) % 10;
}

}  // namespace kt
