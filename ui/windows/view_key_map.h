// Qt key events as the view's keys: arrows, Page Up/Down, Space, and "=" / "-" of the main keyboard.
#pragma once

#include <Qt>

#include "render/core/view_keys.h"

namespace opt {

// Arrows, Page Up/Down and Space go by key code whatever the keypad modifier says; the keypad's own
// "=", "+" and "-" are not the view's keys (digits never are).
ViewKey ToViewKey(int qtKey, Qt::KeyboardModifiers modifiers);
KeyModifiers ToKeyModifiers(Qt::KeyboardModifiers modifiers);

}  // namespace opt
