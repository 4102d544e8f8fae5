// The palette listing of the control panel's palette button: every colour of the palettes of the
// slots in use, into the viewer's list box, and the palette numbers into the palette panel's list.
#pragma once

#include "model/store.h"

namespace opt {

class LineSink;

// Last palette number listed for the store's Current_Palette_Set s: 15 * (s + 1), so palettes
// 0 .. 15 for slot 0 and 0 .. 30 for slot 1. Never past the last palette of the store.
int LastListedPalette(const ModelStore& store);

// For k = 0 .. LastListedPalette: the number k into `numbers`; "Palette Number " k, one
// "r R g G b B" line per colour and a line of 32 asterisks into `listBox`.
void ListPalettes(const ModelStore& store, LineSink& listBox, LineSink& numbers);

}  // namespace opt
