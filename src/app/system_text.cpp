#include "app/system_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace kt {

namespace {

// Code lists are mostly ASCII, where every encoding here agrees; skip the converters then.
bool isAscii(const Text& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

QString fromSystemText(const Text& text)
{
    if (isAscii(text))
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder decoder("GBK");
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

Text toSystemText(const QString& text)
{
    const QByteArray bytes = isAscii(text) ? text.toLatin1() : QStringEncoder("GBK").encode(text);
    return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray systemTextToUtf8(const Text& text)
{
    if (isAscii(text))
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    return fromSystemText(text).toUtf8();
}

}  // namespace kt
