#pragma once
// Texts cross here between Qt's UTF-16 and the system's code page 936 bytes. A character
// that code page 936 lacks becomes "?". Outputs (clipboard, files) leave as UTF-8.

#include <QByteArray>
#include <QString>

#include "core/text.h"

namespace kt {

QString fromSystemText(const Text& text);
Text toSystemText(const QString& text);
QByteArray systemTextToUtf8(const Text& text);

}  // namespace kt
