#include "core/check_digit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kt {
namespace {

TEST(CheckDigit, Bodies) {
    struct Row {
        const char* name;
        std::string body;
        int expected;
    };
    const std::vector<Row> rows = {
        {"ascending", "123456789012", 8},
        {"real code", "400638133393", 1},
        {"real code 2", "590123412345", 7},
        {"all zero", "000000000000", 0},
        {"all nine, largest sum", "999999999999", 4},
        {"sum ending in 0 gives 0, not 10", "100000000003", 0},
        {"letters count 0", "ABCDEFGHIJKL", 0},
        {"a letter counts like 0", "12345678901X", 4},
        {"short body is padded with zeros in effect", "12345678901", 4},
        {"empty body", "", 0},
        {"bytes after the twelfth are ignored", "1234567890128888", 8},
        {"both bytes of a double-byte character count 0", "\xA3\xB3" "3456789012", 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(computeCheckDigit(row.body), row.expected);
    }
}

}  // namespace
}  // namespace kt
