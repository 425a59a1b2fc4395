#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <vector>

namespace kt {
namespace {

struct Row {
    const char* name;
    Text actual;
    Text expected;
};

void expectRows(const std::vector<Row>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.actual, row.expected);
    }
}

TEST(NumberText, SinglesAndDoubles) {
    expectRows({
        {"10.2 single", singleToText(10.2f), "10.2"},
        {"11.14 single", singleToText(11.14f), "11.14"},
        {"29 single", singleToText(29.0f), "29"},
        {"99.5 single", singleToText(99.5f), "99.5"},
        {"158.6427 single", singleToText(158.6427f), "158.643"},
        {"100000.5 single, tie away from zero", singleToText(100000.5f), "100001"},
        {"2059325 single, tie", singleToText(2059325.0f), "2.05933e+006"},
        {"999999.5 single, tie carries a digit", singleToText(999999.5f), "1e+006"},
        {"0.00001 single", singleToText(0.00001f), "1e-005"},
        {"-2.5 single", singleToText(-2.5f), "-2.5"},
        {"0 single", singleToText(0.0f), "0"},
        {"3 x 0.94 double", doubleToText(3 * 0.94), "2.82"},
        {"-85 + 73.6427 double", doubleToText(-85 + 73.6427), "-11.3573"},
        {"85 + 73.6427 double", doubleToText(85 + 73.6427), "158.6427"},
        {"87 double", doubleToText(87.0), "87"},
        {"0 double", doubleToText(0.0), "0"},
        {"84999999915 + 73.6427 double", doubleToText(84999999915 + 73.6427), "84999999988.64"},
        {"1e13 double", doubleToText(1e13), "1e+013"},
        {"0.0001 double", doubleToText(0.0001), "0.0001"},
        {"0.00001234 double", doubleToText(0.00001234), "1.234e-005"},
    });
}

TEST(NumberText, ExtremesAndNonFinite) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    expectRows({
        {"tie below 1e6", singleToText(123456.5f), "123457"},
        {"smallest fixed form", singleToText(0.0001f), "0.0001"},
        {"largest single", singleToText(FLT_MAX), "3.40282e+038"},
        {"smallest normal single", singleToText(FLT_MIN), "1.17549e-038"},
        {"subnormal single", singleToText(1e-40f), "9.99995e-041"},
        {"negative zero single", singleToText(-0.0f), "0"},
        {"infinite single", singleToText(static_cast<float>(-inf)), "-inf"},
        {"NaN single", singleToText(static_cast<float>(nan)), "nan"},
        {"carry into the exponent form", doubleToText(9999999999999.5), "1e+013"},
        {"negative fraction", doubleToText(-1234.5), "-1234.5"},
        {"exponent form keeps 13 digits", doubleToText(123456789012345.0), "1.234567890123e+014"},
        {"largest double", doubleToText(DBL_MAX), "1.797693134862e+308"},
        {"smallest subnormal double", doubleToText(4.9406564584124654e-324), "4.940656458412e-324"},
        {"negative zero double", doubleToText(-0.0), "0"},
        {"infinite double", doubleToText(inf), "inf"},
        {"NaN double", doubleToText(nan), "nan"},
    });
}

}  // namespace
}  // namespace kt
