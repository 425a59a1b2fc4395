#include <QStringEncoder>

#include <gtest/gtest.h>

#include "commands/messages.h"

namespace kt {
namespace {

struct MessageText {
    const char* bytes;
    const char* readable;  // UTF-8
};

const MessageText messageTexts[] = {
    {ShortLineMessage, "有行条码小于12位"},
    {ConfirmTitle, "确认"},
};

TEST(MessageTexts, AreTheCodePageBytesOfTheirReadableText)
{
    for (const MessageText& message : messageTexts) {
        QStringEncoder toGbk("GBK");
        const QByteArray expected = toGbk.encode(QString::fromUtf8(message.readable));
        ASSERT_FALSE(toGbk.hasError());
        EXPECT_EQ(QByteArray(message.bytes), expected) << message.readable;
    }
}

}  // namespace
}  // namespace kt
