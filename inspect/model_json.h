// The whole model as one JSON document, as `zedaruz-cli info --json` prints it and the library's
// Model::InfoJson returns it (docs/info-json.md). Keys come in the order written.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "inspect/model_records.h"

namespace opt {

using OrderedJson = nlohmann::ordered_json;

OrderedJson ToJson(const FieldValue& v);
// {"index": k, "position": p, field: value, ...}
OrderedJson ToJson(const Record& r);
// The whole model: file, size, header, meshes with their descriptors, hardpoints, LOD sets,
// rotation/scale blocks, textures, warnings, damaged.
OrderedJson ModelJson(const std::string& file, size_t fileSize, const ModelRecords& records,
                      const std::vector<std::string>& warnings);
// The document as text, indented by two (names that are not UTF-8 become U+FFFD), without a final newline.
std::string JsonText(const OrderedJson& j);

}  // namespace opt
