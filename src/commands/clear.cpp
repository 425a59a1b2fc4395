#include "commands/clear.h"

namespace kt {

void clearCodeList(Toolkit& ui)
{
    ui.setEditText(Control::CodeListEdit, Text());
}

}  // namespace kt
