#pragma once
// The group of '690123456789' as drawn by hand, one element per line in the fixture files;
// the groups compare against the joined text.

#include <fstream>
#include <sstream>
#include <string>

#include "core/text.h"

namespace kt {

// layout: "row1", "row2" or "stacked".
inline Text fixtureGroup(const std::string& layout)
{
    std::ifstream file(std::string(KT_SVG_FIXTURES) + "/690123456789_" + layout + ".txt");
    Text group;
    for (std::string line; std::getline(file, line);)
        group += line;
    return group;
}

// The row-1 group moved to another row: its bar top and baseline texts replaced.
inline Text fixtureGroupAt(const std::string& top, const std::string& baseline)
{
    return replaceText(replaceText(fixtureGroup("row1"), " y=\"0\" ", " y=\"" + top + "\" "),
                       " 73.6427)", " " + baseline + ")");
}

}  // namespace kt
