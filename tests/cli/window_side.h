#pragma once
// What the window's own commands give for a list typed or pasted into its list box, for
// comparison with the program's output.

#include <QString>

#include <string>

#include "app/system_text.h"
#include "commands/sequence.h"
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

struct WindowSequence {
    std::string list;  // the list box afterwards, with LF line ends
    bool refused;      // a message box was shown
};

// What NewSequenceButton leaves in the list box for these fields (UTF-8).
inline WindowSequence windowSequence(const std::string& prefix, const std::string& start,
                                     const std::string& end, const std::string& step,
                                     bool zeroPad, bool verify)
{
    FakeToolkit ui;
    ui.texts[Control::PrefixEdit] = toSystemText(QString::fromStdString(prefix));
    ui.texts[Control::StartEdit] = start;
    ui.texts[Control::EndEdit] = end;
    ui.texts[Control::StepEdit] = step;
    ui.checks[Control::ZeroPadCheck] = zeroPad;
    ui.checks[Control::SyncVerifyCheck] = verify;
    generateSequence(ui, true);
    return {fromSystemText(ui.texts[Control::CodeListEdit])
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                .toStdString(),
            !ui.messages.empty()};
}

}  // namespace kt
