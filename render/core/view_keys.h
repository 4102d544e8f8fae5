// The viewer window's keyboard controls (FormKeyDown) as a pure function of the view state.
//
// The Qt layer maps its key events to ViewKey: Qt::Key_Space, Key_PageUp, Key_PageDown, Key_Left,
// Key_Up, Key_Right, Key_Down; Key_Equal and Key_Plus of the main keyboard to EqualPlus and
// Key_Minus of the main keyboard to Minus (events carrying Qt::KeypadModifier map to Other: the
// keypad's plus and minus are not handled); everything else to Other. The key is not consumed: a
// focused control of the viewer window receives it as well.
#pragma once

#include "render/core/view_state.h"

namespace opt {

enum class ViewKey { Space, PageUp, PageDown, Left, Up, Right, Down, EqualPlus, Minus, Other };

struct KeyModifiers {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

struct KeyOutcome {
    bool DrawMoved = false;         // redraw with the keyboard transform
    bool ShowControlPanel = false;  // Space: show the control panel window
    bool ScaleText = false;         // after the redraw: status panel 0 = ScaleStatusText
};

// The zoom steps of the "=" and "-" keys (the mouse wheel takes the same steps).
void ZoomIn(ViewState& view);
void ZoomOut(ViewState& view);

// Shift alone pans by OrthoMax div 10; every other modifier state turns by 10 degrees and zooms.
// Nothing happens unless a model is loaded.
KeyOutcome FormKeyDown(ViewState& view, bool modelLoaded, ViewKey key, KeyModifiers mods);

}  // namespace opt
