#include <gtest/gtest.h>

#include "commands/spin_value.h"

namespace kt {
namespace {

struct SpinCase {
    const char* box;
    SpinDirection direction;
    int shown;
};

constexpr auto Up = SpinDirection::Up;
constexpr auto Down = SpinDirection::Down;

const SpinCase spinCases[] = {
    /* 0*/ {"5", Up, 6},
    /* 1*/ {"50", Down, 49},
    /* 2*/ {"100", Up, 0},
    /* 3*/ {"0", Down, 100},
    /* 4*/ {"-3", Up, 0},
    /* 5*/ {"-3", Down, 100},
    /* 6*/ {"-1", Up, 0},
    /* 7*/ {"101", Down, 100},
    /* 8*/ {"12345", Up, 0},
    /* 9*/ {"99999999999999999999", Down, 100},
    /*10*/ {"", Up, 1},
    /*11*/ {"", Down, 100},
    /*12*/ {"-", Up, 1},
    /*13*/ {"  7x9", Up, 8},
    /*14*/ {"+4", Down, 3},
    /*15*/ {"1 2", Up, 2},
    /*16*/ {"x5", Up, 1},
};

TEST(NextSpinValue, ReadsTheLeadingNumberAndWrapsWithinZeroToHundred)
{
    for (std::size_t row = 0; row < std::size(spinCases); ++row) {
        const SpinCase& c = spinCases[row];
        EXPECT_EQ(nextSpinValue(c.box, c.direction), c.shown) << "row " << row;
    }
}

}  // namespace
}  // namespace kt
