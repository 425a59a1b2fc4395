#pragma once
// What outlives one copy command: the last document built, and whether its list was empty.
// The save command reads both.

#include "core/text.h"

namespace kt {

extern Text SvgDocument;
extern bool EmptyListFlag;

// The exit routine: gives the document's memory back once the window has gone.
void releaseSvgDocument();

}  // namespace kt
