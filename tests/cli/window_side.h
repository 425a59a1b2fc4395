#pragma once
// What the window's own commands give for a list typed or pasted into its list box, for
// comparison with the program's output.

#include <QString>

#include <string>

#include "app/system_text.h"
#include "commands/verify.h"
#include "fake_toolkit.h"
#include "svg/svg_document.h"

namespace kt {

// The list box's text for a UTF-8 list written with LF line ends.
inline Text windowList(const std::string& utf8)
{
    return toSystemText(QString::fromStdString(utf8).replace(u'\n', QStringLiteral("\r\n")));
}

// What CopyButton puts on the clipboard, or "" when it puts nothing there.
inline std::string windowCopy(const std::string& utf8, bool stacked)
{
    FakeToolkit ui;
    ui.texts[Control::CodeListEdit] = windowList(utf8);
    ui.checks[Control::StackedOutputCheck] = stacked;
    copySvgDocument(ui);
    return ui.clipboard.empty() ? std::string() : systemTextToUtf8(ui.clipboard[0]).toStdString();
}

// What VerifyButton leaves in the list box, with LF line ends.
inline std::string windowVerify(const std::string& utf8)
{
    FakeToolkit ui;
    ui.texts[Control::CodeListEdit] = windowList(utf8);
    verifyCodeList(ui);
    return fromSystemText(ui.texts[Control::CodeListEdit])
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .toStdString();
}

}  // namespace kt
