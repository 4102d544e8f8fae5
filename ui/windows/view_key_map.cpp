#include "ui/windows/view_key_map.h"

namespace opt {

ViewKey ToViewKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    // Some platforms (macOS) mark the arrows and Page keys as keypad keys: those go by key code
    // alone. Only the keypad's own signs are not the view's keys.
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    switch (qtKey) {
        case Qt::Key_Space:
            return ViewKey::Space;
        case Qt::Key_PageUp:
            return ViewKey::PageUp;
        case Qt::Key_PageDown:
            return ViewKey::PageDown;
        case Qt::Key_Left:
            return ViewKey::Left;
        case Qt::Key_Up:
            return ViewKey::Up;
        case Qt::Key_Right:
            return ViewKey::Right;
        case Qt::Key_Down:
            return ViewKey::Down;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return keypad ? ViewKey::Other : ViewKey::EqualPlus;
        case Qt::Key_Minus:
            return keypad ? ViewKey::Other : ViewKey::Minus;
        default:
            return ViewKey::Other;
    }
}

KeyModifiers ToKeyModifiers(Qt::KeyboardModifiers modifiers) {
    return KeyModifiers{.Shift = modifiers.testFlag(Qt::ShiftModifier),
                        .Ctrl = modifiers.testFlag(Qt::ControlModifier),
                        .Alt = modifiers.testFlag(Qt::AltModifier)};
}

}  // namespace opt
