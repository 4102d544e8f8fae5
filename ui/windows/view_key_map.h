// Qt key events as the view's keys: arrows, Page Up/Down, Space, and "=" / "-" of the main keyboard.
#pragma once

#include <Qt>

#include "render/core/view_keys.h"

namespace opt {

// Keys carrying the keypad modifier are not the view's keys (the keypad's plus and minus are not
// handled).
ViewKey ToViewKey(int qtKey, Qt::KeyboardModifiers modifiers);
KeyModifiers ToKeyModifiers(Qt::KeyboardModifiers modifiers);

}  // namespace opt
