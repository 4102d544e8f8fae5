// The program's own picture of its two windows (viewer and control panel) side by side, for the
// README: `zedaruz --screenshot PATH FILE`.
#pragma once

#include <QString>

namespace opt {

struct AppWindows;

// Shows the control panel beside the viewer with the first mesh and texture chosen and a listing
// in the list box, waits until both are drawn, and writes both windows into one PNG at path.
// Returns false when the picture cannot be written.
bool TakeScreenshot(AppWindows& windows, const QString& path);

}  // namespace opt
