// The short human summary of `zedaruz-cli info`: meshes (the top-level entries read as meshes),
// faces per level (each face list at its own position in its LOD set), textures, hardpoints, the
// model's size in metres (as the status bar shows it) and the reader's warnings (a warning of two
// lines counted once).
#pragma once

#include <string>
#include <vector>

#include "inspect/model_records.h"

namespace opt {

std::vector<std::string> SummaryLines(const ModelStore& store, const ModelRecords& records,
                                      const std::vector<std::string>& warnings);

}  // namespace opt
