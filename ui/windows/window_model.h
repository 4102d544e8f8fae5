// What the windows of one program share: the model the viewer window loads and shows, the selection
// the control panel makes in it, and the state of the GL view that draws it. CreateWindows makes it
// before the windows, hands each a reference, and destroys it after them.
#pragma once

#include "model/store.h"
#include "render/core/view_state.h"
#include "state/selection_state.h"

namespace opt {

struct WindowModel {
    ModelStore Store;
    SelectionState Selection;
    ViewState View;
};

}  // namespace opt
