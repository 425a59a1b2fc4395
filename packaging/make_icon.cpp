// Writes the program's scalable icon: the bars of an EAN-13 code, drawn from our own module
// pattern in the spot colour on a white tile.
#include <iostream>

#include "core/check_digit.h"
#include "core/module_pattern.h"
#include "core/number_text.h"

int main()
{
    constexpr int left = 16;           // 96 modules of one unit centred on a 128-unit tile
    constexpr int top = 22;
    constexpr int dataBottom = 98;
    constexpr int guardBottom = 106;
    const kt::Text body = "400638133393";
    const kt::Text pattern = kt::buildModulePattern(body, kt::computeCheckDigit(body));

    std::cout << R"(<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">)"
              << R"(<rect x="4" y="4" width="120" height="120" rx="14" fill="#FFFFFF" stroke="#D0D0D0" stroke-width="2"/>)";
    for (std::size_t m = 0; m < pattern.size(); ++m) {
        if (pattern[m] != '1')
            continue;
        const std::size_t module = m + 1;
        const bool guard = module <= 4 || (module >= 47 && module <= 50) || module >= 93;
        std::cout << R"(<rect fill="#E60012" x=")" << left + static_cast<int>(m) << R"(" y=")"
                  << top << R"(" width="1" height=")" << (guard ? guardBottom : dataBottom) - top
                  << R"("/>)";
    }
    std::cout << "</svg>\n";
}
