// "Save  Vxs": the list box's lines as a ".vxs" text file in SaveDataDir.
#pragma once

#include <string>
#include <string_view>

#include "model/line_store.h"

namespace opt {

// The model file's name without directory, its extension replaced by ".vxs" (a name without
// extension gets ".vxs" appended): "d:/x/ship.op1" and "ship" both give "ship.vxs".
std::string VxsFileName(std::string_view modelPath);

// Writes every line, in order, as 8-bit text with CR LF after each (the last included), replacing
// the file: the store's text in one write. Throws OptError("Cannot create file <path>") when the
// file cannot be written.
void SaveListLines(const std::string& path, const LineStore& lines);

}  // namespace opt
