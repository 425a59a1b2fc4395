#include <gtest/gtest.h>

#include "commands/separator.h"
#include "fake_toolkit.h"

namespace kt {
namespace {

struct SeparatorCase {
    const char* source;
    const char* separator;
    const char* list;
};

const SeparatorCase separatorCases[] = {
    /* 0*/ {"123,456", ",", "123\r\n456"},
    /* 1*/ {"1,,2,", ",", "1\r\n\r\n2\r\n"},
    /* 2*/ {"1,2\r\n3", "", "1,2\r\n3"},
    /* 3*/ {"", ",", ""},
    /* 4*/ {"1; 2;3; ", "; ", "1\r\n2;3\r\n"},
    /* 5*/ {"1x2X3", "x", "1\r\n2X3"},
    /* 6*/ {" 1 ,2", ",", " 1 \r\n2"},
};

TEST(ConvertSeparators, ReplacesTheListWithOnePiecePerLineAndCloses)
{
    for (std::size_t row = 0; row < std::size(separatorCases); ++row) {
        const SeparatorCase& c = separatorCases[row];
        SCOPED_TRACE(testing::Message() << "row " << row);
        FakeToolkit ui;
        ui.texts[Control::CodeListEdit] = "4006381333931\r\n";
        ui.whileSeparatorWindowOpen = [&c](FakeToolkit& user) {
            user.texts[Control::SourceTextEdit] = c.source;
            user.texts[Control::SeparatorEdit] = c.separator;
            convertSeparators(user);
        };

        openSeparatorWindow(ui);

        EXPECT_EQ(ui.texts[Control::CodeListEdit], c.list);
        EXPECT_EQ(ui.log, (std::vector<std::string>{"openSeparatorWindow", "setEditText",
                                                     "closeSeparatorWindow"}));
        EXPECT_TRUE(ui.messages.empty());
    }
}

}  // namespace
}  // namespace kt
