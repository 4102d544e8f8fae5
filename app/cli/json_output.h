// JSON output of the commands (nlohmann-json, keys in the order written).
#pragma once

#include "inspect/model_json.h"

namespace cli {

using Json = opt::OrderedJson;
using opt::ModelJson;
using opt::ToJson;

// Prints the document on standard output, indented by two, with a final newline.
void PrintJson(const Json& j);

}  // namespace cli
