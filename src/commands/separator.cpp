#include "commands/separator.h"

#include "core/text.h"

namespace kt {

void openSeparatorWindow(Toolkit& ui)
{
    ui.openSeparatorWindowModally();
}

void convertSeparators(Toolkit& ui)
{
    const Text source = ui.editText(Control::SourceTextEdit);
    const Text separator = ui.editText(Control::SeparatorEdit);
    ui.setEditText(Control::CodeListEdit, replaceText(source, separator, "\r\n"));
    ui.closeSeparatorWindow();
}

}  // namespace kt
