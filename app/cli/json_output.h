// JSON output of the commands (nlohmann-json, keys in the order written).
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "inspect/model_records.h"

namespace cli {

using Json = nlohmann::ordered_json;

Json ToJson(const opt::FieldValue& v);
// {"index": k, "position": p, field: value, ...}
Json ToJson(const opt::Record& r);
// The whole model as `info --json` prints it (docs/info-json.md).
Json ModelJson(const std::string& file, size_t fileSize, const opt::ModelRecords& records,
               const std::vector<std::string>& warnings);

// Prints the document on standard output, indented by two, with a final newline.
void PrintJson(const Json& j);

}  // namespace cli
