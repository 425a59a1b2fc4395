#include <gtest/gtest.h>

#include "commands/clear.h"
#include "fake_toolkit.h"

namespace kt {
namespace {

TEST(ClearCodeList, EmptiesTheListAndTouchesNothingElse)
{
    FakeToolkit ui;
    ui.texts[Control::CodeListEdit] = "1234567890128\r\n4006381333931\r\n";
    ui.texts[Control::PrefixEdit] = "690";

    clearCodeList(ui);

    EXPECT_EQ(ui.texts[Control::CodeListEdit], "");
    EXPECT_EQ(ui.texts[Control::PrefixEdit], "690");
    EXPECT_EQ(ui.log, std::vector<std::string>{"setEditText"});
    EXPECT_TRUE(ui.canvas.empty());
}

}  // namespace
}  // namespace kt
