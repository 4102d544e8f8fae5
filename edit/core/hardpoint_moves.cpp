#include "edit/core/hardpoint_moves.h"

#include <cmath>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>

#include "edit/core/block_runs.h"
#include "edit/core/shared_blocks.h"
#include "model/errors.h"

namespace opt {

namespace {

using Json = nlohmann::json;

constexpr const char* kNothingWritten = " Nothing was written.";

[[noreturn]] void Refuse(size_t entry, const std::string& why) {
    throw OptError("Entry " + std::to_string(entry + 1) + " of the hardpoint list: " + why + "." +
                   kNothingWritten);
}

const Json& Field(const Json& e, size_t entry, const char* key) {
    const auto it = e.find(key);
    if (it == e.end()) Refuse(entry, std::string("it has no \"") + key + "\"");
    return *it;
}

// The value of a JSON whole number that fits 32 bits, or nothing.
std::optional<int32_t> Int32Of(const Json& v) {
    constexpr int64_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    if (v.is_number_unsigned() && v.get<uint64_t>() <= uint64_t{hi})
        return static_cast<int32_t>(v.get<uint64_t>());
    if (v.is_number_integer() && !v.is_number_unsigned() && v.get<int64_t>() >= lo && v.get<int64_t>() <= hi)
        return static_cast<int32_t>(v.get<int64_t>());
    return std::nullopt;
}

int IndexOf(const Json& e, size_t entry) {
    const Json& v = Field(e, entry, "index");
    const std::optional<int32_t> index = Int32Of(v);
    if (!index || *index < 0) Refuse(entry, "\"index\" must be a whole number from 0, not " + v.dump());
    return *index;
}

float CoordinateOf(const Json& e, size_t entry, const char* key) {
    const Json& v = Field(e, entry, key);
    if (!v.is_number()) Refuse(entry, std::string("\"") + key + "\" must be a number, not " + v.dump());
    const auto f = static_cast<float>(v.get<double>());
    if (!std::isfinite(f))
        Refuse(entry, std::string("\"") + key + "\" is " + v.dump() + ", beyond the range of a 32-bit float");
    return f;
}

int32_t TypeOf(const Json& v, size_t entry) {
    const std::optional<int32_t> type = Int32Of(v);
    if (!type) Refuse(entry, "\"type\" must be a whole number within 32 bits (a type code), not " + v.dump());
    return *type;
}

HardpointMove MoveOf(const Json& e, size_t entry) {
    if (!e.is_object()) Refuse(entry, "it is not an object {index, x, y, z[, type]}");
    for (const auto& item : e.items()) {
        const std::string& key = item.key();
        if (key != "index" && key != "x" && key != "y" && key != "z" && key != "type")
            Refuse(entry, "it has the unknown key \"" + key + "\"");
    }
    HardpointMove move;
    move.Index = IndexOf(e, entry);
    move.X = CoordinateOf(e, entry, "x");
    move.Y = CoordinateOf(e, entry, "y");
    move.Z = CoordinateOf(e, entry, "z");
    if (e.contains("type")) move.Type = TypeOf(e["type"], entry);
    return move;
}

}  // namespace

std::vector<HardpointMove> ParseHardpointMoves(std::string_view json) {
    Json list;
    try {
        list = Json::parse(json);
    } catch (const Json::exception& e) {
        throw OptError(std::string("The hardpoint list is not valid JSON: ") + e.what() + "." +
                       kNothingWritten);
    }
    if (!list.is_array())
        throw OptError(std::string("The hardpoint list must be a JSON list of {index, x, y, z[, type]}.") +
                       kNothingWritten);
    std::vector<HardpointMove> moves;
    std::map<int, size_t> entryOf;  // index -> its entry
    for (size_t entry = 0; entry < list.size(); ++entry) {
        moves.push_back(MoveOf(list[entry], entry));
        const auto [at, fresh] = entryOf.emplace(moves.back().Index, entry);
        if (!fresh)
            Refuse(entry, "it names hardpoint " + std::to_string(moves.back().Index) + " again (entry " +
                              std::to_string(at->second + 1) + " named it first)");
    }
    return moves;
}

bool HoldsHardpoint(const TTBH& table, int index) {
    return table.InRange(index) && table[index].Data_Offset != 0;
}

EditPlan PlanHardpointMoves(const ModelStore& model, const HardpointMovesEdit& edit,
                            const std::string& file) {
    EditPlan plan;
    TTBH& table = plan.Tables.Hardpoints.emplace(model.ttbh);
    for (const HardpointMove& m : edit.Moves) {
        if (!HoldsHardpoint(table, m.Index))
            throw OptError(file + " holds no hardpoint " + std::to_string(m.Index) + "." + kNothingWritten);
        HardpointRecord r = table[m.Index];
        r.X = m.X;
        r.Y = m.Y;
        r.Z = m.Z;
        if (m.Type) r.HP_Type = *m.Type;
        StoreIntoBlock(table, m.Index, r);
        plan.Writes.push_back(HardpointPatch(m.Index, r, model.txw.Main_Offset));
    }
    return plan;
}

}  // namespace opt
