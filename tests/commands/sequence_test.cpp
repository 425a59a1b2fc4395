#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands/messages.h"
#include "commands/sequence.h"
#include "commands/verify.h"
#include "fake_toolkit.h"

namespace kt {
namespace {

// 错误！
const Text ErrorTitle = "\xB4\xED\xCE\xF3\xA3\xA1";
// 起始数值大于终止数值
const Text StartAboveEnd =
    "\xC6\xF0\xCA\xBC\xCA\xFD\xD6\xB5\xB4\xF3\xD3\xDA\xD6\xD5\xD6\xB9\xCA\xFD\xD6\xB5";
// 有些数据条码大于13位
const Text ValueTooLong =
    "\xD3\xD0\xD0\xA9\xCA\xFD\xBE\xDD\xCC\xF5\xC2\xEB\xB4\xF3\xD3\xDA" "13" "\xCE\xBB";
// 间隔不能为0
const Text ZeroStep = "\xBC\xE4\xB8\xF4\xB2\xBB\xC4\xDC\xCE\xAA" "0";
// 序列行数不能超过1000000行
const Text TooManyLines =
    "\xD0\xF2\xC1\xD0\xD0\xD0\xCA\xFD\xB2\xBB\xC4\xDC\xB3\xAC\xB9\xFD" "1000000" "\xD0\xD0";

enum class Form { Replace, Append };

struct SequenceCase {
    const char* prefix;
    const char* start;
    const char* end;
    const char* step;
    bool zeroPad;
    bool verify;
    Form form;
    const char* list;     // before
    const char* result;   // after; nullptr: refused with message, list untouched
    Text message = {};    // an error of the generator, or the verify command's short-line one
};

const char* const Old = "4006381333931\r\n";

const SequenceCase sequenceCases[] = {
    /* 0*/ {"690123", "1", "3", "1", true, false, Form::Replace, Old,
            "690123000001\r\n690123000002\r\n690123000003\r\n"},
    /* 1*/ {"690123", "1", "3", "1", true, true, Form::Replace, Old,
            "6901230000010\r\n6901230000027\r\n6901230000034\r\n"},
    /* 2*/ {"690123", "1", "3", "1", false, false, Form::Replace, Old,
            "6901231\r\n6901232\r\n6901233\r\n"},
    /* 3*/ {"690123", "1", "3", "1", false, true, Form::Replace, Old,
            "6901231\r\n6901232\r\n6901233\r\n", ShortLineMessage},
    /* 4*/ {"123456", "1", "10", "3", false, false, Form::Replace, Old,
            "1234561\r\n1234564\r\n1234567\r\n12345610\r\n"},
    /* 5*/ {"123456", "10", "1", "1", true, true, Form::Replace, Old, nullptr, StartAboveEnd},
    /* 6*/ {"123456", "1.00000005", "1", "1", false, false, Form::Replace, Old, "1234561\r\n"},
    /* 7*/ {"123456", "1.0000002", "1", "1", false, false, Form::Replace, Old, nullptr,
            StartAboveEnd},
    /* 8*/ {"123456", "1.9", "1.95", "1", false, false, Form::Replace, Old, "1234561\r\n"},
    /* 9*/ {"123456", "1.5", "6", "2.9", false, false, Form::Replace, Old,
            "1234561\r\n1234563\r\n1234565\r\n"},
    /*10*/ {"12345678901", "10", "10", "1", true, false, Form::Replace, Old, nullptr,
            ValueTooLong},
    /*11*/ {"1234567890", "98", "101", "1", true, true, Form::Append, Old, nullptr, ValueTooLong},
    /*12*/ {"123456", "5", "5", "-1", false, false, Form::Replace, Old, "1234565\r\n"},
    /*13*/ {"123456", "1", "5", "-1", false, false, Form::Replace, Old, ""},
    /*14*/ {"690123", "-3", "-1", "1", true, false, Form::Replace, Old,
            "6901230000-3\r\n6901230000-2\r\n6901230000-1\r\n"},
    /*15*/ {"690123", "-3", "-1", "1", false, false, Form::Replace, Old,
            "690123-3\r\n690123-2\r\n690123-1\r\n"},
    // A field holding only a space is not empty; the space counts toward the length.
    /*16*/ {"12345678901 ", "1", "1", "1", true, false, Form::Replace, Old, nullptr,
            ValueTooLong},
    /*17*/ {"690123", "", "3", "1", true, false, Form::Replace, Old, ""},
    /*18*/ {"", "1", "3", "1", true, false, Form::Append, "A", "A\r\n"},
    /*19*/ {"690123", "1", "3", "", true, true, Form::Append, "123456789012",
            "1234567890128\r\n"},
    /*20*/ {"690123", "1", "2", "1", true, false, Form::Append, "A\r\n",
            "A\r\n\r\n690123000001\r\n690123000002\r\n"},
    /*21*/ {"690123", "1", "2", "1", true, false, Form::Append, "A",
            "A\r\n690123000001\r\n690123000002\r\n"},
    /*22*/ {"690123", "1", "1", "1", true, false, Form::Append, "", "\r\n690123000001\r\n"},
    /*23*/ {"690123", "1", "2", "1", true, true, Form::Append, "123456789012",
            "1234567890128\r\n6901230000010\r\n6901230000027\r\n"},
    // A step that truncates to 0 would repeat its first value forever.
    /*24*/ {"690123", "1", "3", "0.5", true, false, Form::Replace, Old, nullptr, ZeroStep},
    /*25*/ {"690123", "1", "3", "abc", true, true, Form::Append, Old, nullptr, ZeroStep},
    /*26*/ {"1234567890", "100", "100", "0", true, false, Form::Replace, Old, nullptr,
            ValueTooLong},
    /*27*/ {"690123", "-0.99999995", "-1", "0", true, false, Form::Replace, Old, ""},
    // The 32-bit range ends the loop instead of wrapping.
    /*28*/ {"1", "2147483640", "2147483647", "5", false, false, Form::Replace, Old,
            "12147483640\r\n12147483645\r\n"},
    /*29*/ {"1", "-2147483648", "-2147483648", "-7", false, false, Form::Replace, Old,
            "1-2147483648\r\n"},
    // Too many lines are refused before any is built, unless a value is too long anyway.
    /*30*/ {"1", "0", "1000000", "1", true, false, Form::Replace, Old, nullptr, TooManyLines},
    /*31*/ {"1", "-2147483648", "2147483647", "1", true, true, Form::Append, Old, nullptr,
            TooManyLines},
    /*32*/ {"1234567890", "0", "2000000", "1", true, false, Form::Replace, Old, nullptr,
            ValueTooLong},
};

FakeToolkit sequenceFields(const char* prefix, const char* start, const char* end,
                           const char* step, bool zeroPad, bool verify, const char* list)
{
    FakeToolkit ui;
    ui.texts[Control::PrefixEdit] = prefix;
    ui.texts[Control::StartEdit] = start;
    ui.texts[Control::EndEdit] = end;
    ui.texts[Control::StepEdit] = step;
    ui.checks[Control::ZeroPadCheck] = zeroPad;
    ui.checks[Control::SyncVerifyCheck] = verify;
    ui.texts[Control::CodeListEdit] = list;
    return ui;
}

TEST(GenerateSequence, FillsTheListOrRefusesTheRequest)
{
    for (std::size_t row = 0; row < std::size(sequenceCases); ++row) {
        const SequenceCase& c = sequenceCases[row];
        SCOPED_TRACE(testing::Message() << "row " << row);
        FakeToolkit ui = sequenceFields(c.prefix, c.start, c.end, c.step, c.zeroPad, c.verify,
                                        c.list);

        generateSequence(ui, c.form == Form::Replace);

        EXPECT_EQ(ui.texts[Control::CodeListEdit], c.result ? c.result : c.list);
        std::vector<RecordedMessage> messages;
        if (c.message == ShortLineMessage)
            messages.push_back({c.message, ConfirmTitle, MessageIcon::None, MessageOwner::None});
        else if (!c.message.empty())
            messages.push_back({c.message, ErrorTitle, MessageIcon::Error,
                                MessageOwner::MainWindow});
        EXPECT_EQ(ui.messages, messages);
        if (!c.result) {
            EXPECT_EQ(ui.log, std::vector<std::string>{"message " + c.message});
        }
    }
}

struct ShortcutCase {
    const char* prefix;
    const char* start;
    const char* end;
    const char* step;
    bool zeroPad;
    // Times the list is set with both check boxes ticked: once when it is verified as it is
    // built, or when verifying refuses it; twice when it is set and then verified.
    int sets;
};

// GBK: 条 CC F5; ideographic space A1 A1.
const ShortcutCase shortcutCases[] = {
    /* 0*/ {"690123", "1", "3", "1", true, 1},
    /* 1*/ {"690123", "-3", "-1", "1", true, 1},
    /* 2*/ {"#A~", "-99", "99", "7", true, 1},
    /* 3*/ {"1", "2147483000", "2147483647", "13", true, 1},
    /* 4*/ {"690123", "1", "5", "-1", true, 1},
    /* 5*/ {"6901 23", "1", "3", "1", true, 1},
    /* 6*/ {"690123\xA1\xA1", "1", "3", "1", true, 1},
    /* 7*/ {"\xCC\xF5" "0123", "1", "3", "1", true, 2},
    /* 8*/ {"69012\xCC", "1", "3", "1", true, 2},
    /* 9*/ {"6901\r\n23", "1", "3", "1", true, 1},
    /*10*/ {"\t690123", "1", "3", "1", true, 2},
    /*11*/ {"69012345678", "0", "9", "1", false, 2},
    /*12*/ {"690123", "1", "3", "1", false, 1},
};

// Verifying while the lines are built must leave what building, setting and then verifying
// leaves, message included.
TEST(GenerateSequence, VerifiesAsIfTheListWereSetFirst)
{
    for (std::size_t row = 0; row < std::size(shortcutCases); ++row) {
        const ShortcutCase& c = shortcutCases[row];
        SCOPED_TRACE(testing::Message() << "row " << row);
        FakeToolkit direct = sequenceFields(c.prefix, c.start, c.end, c.step, c.zeroPad, true,
                                            Old);
        FakeToolkit stepwise = sequenceFields(c.prefix, c.start, c.end, c.step, c.zeroPad,
                                              false, Old);

        generateSequence(direct, true);
        generateSequence(stepwise, true);
        verifyCodeList(stepwise);

        EXPECT_EQ(direct.texts[Control::CodeListEdit], stepwise.texts[Control::CodeListEdit]);
        EXPECT_EQ(direct.messages, stepwise.messages);
        EXPECT_EQ(std::count(direct.log.begin(), direct.log.end(), "setEditText"), c.sets);
    }
}

TEST(GenerateSequence, BuildsTheLargestSequenceAllowed)
{
    FakeToolkit ui = sequenceFields("1", "1", "1000000", "1", true, true, Old);

    generateSequence(ui, true);

    const Text& list = ui.texts[Control::CodeListEdit];
    ASSERT_EQ(list.size(), 1'000'000u * 15);
    EXPECT_EQ(list.substr(0, 15), "1000000000016\r\n");
    EXPECT_EQ(list.substr(15 * 499'999, 15), "1000005000004\r\n");
    EXPECT_EQ(list.substr(list.size() - 15), "1000010000006\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kt
