#include <gtest/gtest.h>

#include "commands/messages.h"
#include "commands/verify.h"
#include "fake_toolkit.h"

namespace kt {
namespace {

struct VerifyCase {
    const char* list;
    const char* verified;  // nullptr: a short line refuses the list
};

// GBK: 条 CC F5, 码 C2 EB; ideographic space A1 A1.
const VerifyCase verifyCases[] = {
    /* 0*/ {"", ""},
    /* 1*/ {"123456789012", "1234567890128\r\n"},
    /* 2*/ {"1234567890120\r\n", "1234567890128\r\n"},
    /* 3*/ {"12345678901299", "1234567890128\r\n"},
    /* 4*/ {"1234 5678 9012", "1234567890128\r\n"},
    /* 5*/ {"1234\xA1\xA1" "5678\xA1\xA1" "9012", "1234567890128\r\n"},
    /* 6*/ {"123456789012\r\n\r\n400638133393\r\n", "1234567890128\r\n\r\n4006381333931\r\n"},
    /* 7*/ {"  \xA1\xA1 \r\n123456789012", "\r\n1234567890128\r\n"},
    /* 8*/ {"\r\n", "\r\n"},
    /* 9*/ {"ABCDEFGHIJKL", "ABCDEFGHIJKL0\r\n"},
    /*10*/ {"\t123456789012", "\t123456789012\r\n"},
    /*11*/ {"123456789012\n400638133393", "1234567890128\r\n"},
    /*12*/ {"\xCC\xF5\xC2\xEB" "12345678", "\xCC\xF5\xC2\xEB" "123456784\r\n"},
    /*13*/ {"12345678901\xCC\xF5", "12345678901\xCC" "4\r\n"},
    /*14*/ {"12345678901", nullptr},
    /*15*/ {"123456789012\r\n12345678901\r\n400638133393", nullptr},
    /*16*/ {"123456789012\r\n400638133393\r\n1234 5678 901", nullptr},
    /*17*/ {"1234 5678 901\r\n1\r\n123456789012\r\n", nullptr},
    /*18*/ {"\xA1\xA1" "1\xA1\xA1\r\n", nullptr},
};

TEST(VerifyCodeList, RewritesEveryLineOrRefusesTheWholeList)
{
    for (std::size_t row = 0; row < std::size(verifyCases); ++row) {
        const VerifyCase& c = verifyCases[row];
        SCOPED_TRACE(testing::Message() << "row " << row);
        FakeToolkit ui;
        ui.texts[Control::CodeListEdit] = c.list;

        verifyCodeList(ui);

        if (c.verified) {
            EXPECT_EQ(ui.texts[Control::CodeListEdit], c.verified);
            EXPECT_TRUE(ui.messages.empty());
            verifyCodeList(ui);
            EXPECT_EQ(ui.texts[Control::CodeListEdit], c.verified) << "not idempotent";
        } else {
            EXPECT_EQ(ui.texts[Control::CodeListEdit], c.list);
            EXPECT_EQ(ui.log, std::vector<std::string>{"message " + Text(ShortLineMessage)});
            const RecordedMessage shortLine{ShortLineMessage, ConfirmTitle, MessageIcon::None,
                                            MessageOwner::None};
            EXPECT_EQ(ui.messages, std::vector<RecordedMessage>{shortLine});
        }
    }
}

}  // namespace
}  // namespace kt
