// The loaded model as named records: one description of the header and of every used table record
// (with its file position) that `zedaruz-cli info --json` prints and `diff` compares. Field names
// are an interface: tools read them from the JSON, so they stay as they are.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/store.h"

namespace opt {

using FieldValue = std::variant<int64_t, double, std::string>;

struct Field {
    std::string Name;
    FieldValue Value;
};

// One used record: its table ("mesh", "descriptor", "hardpoint", "lod-set", "rotation-scale",
// "texture"), its index in that table, and its file position (the data position the listings show;
// for a mesh, the position of its block).
struct Record {
    std::string Table;
    int Index = 0;
    int64_t Position = 0;
    std::vector<Field> Fields;
    const Field* Find(const std::string& name) const;
};

struct ModelRecords {
    std::vector<Field> Header;
    std::vector<Record> Records;  // by table in the order above, each in table order
};

ModelRecords DescribeModel(const ModelStore& store);

// The value as text: integers in decimal, reals with two decimals, names as they are.
std::string ValueText(const FieldValue& v);

}  // namespace opt
