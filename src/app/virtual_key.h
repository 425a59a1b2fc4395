#pragma once
// Key-press rules speak of desktop virtual-key codes (Enter 13, Backspace 8, digits 48 to 57
// from either keyboard block); Qt's key codes are translated to them here.

class QKeyEvent;

namespace kt {

// 0 for a key that has no virtual-key code.
int virtualKeyCode(const QKeyEvent& event);

}  // namespace kt
