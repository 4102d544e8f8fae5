// The short human summary of `zedaruz-cli info`: meshes, faces per level, textures, hardpoints, the
// model's size in metres (as the status bar shows it) and the reader's warnings.
#pragma once

#include <string>
#include <vector>

#include "inspect/model_records.h"

namespace opt {

std::vector<std::string> SummaryLines(const ModelStore& store, const ModelRecords& records,
                                      const std::vector<std::string>& warnings);

}  // namespace opt
