#include "inspect/model_summary.h"

#include <algorithm>
#include <map>

#include "model/load_warnings.h"
#include "render/core/view_state.h"

namespace opt {

namespace {

int64_t IntField(const Record& r, const std::string& name) {
    const Field* f = r.Find(name);
    return f != nullptr && std::holds_alternative<int64_t>(f->Value) ? std::get<int64_t>(f->Value) : 0;
}

std::string Trimmed(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

// The length the status bar shows, in whole metres; unknown without a mesh descriptor to measure.
std::string SizeLine(const ModelStore& store) {
    const bool measured = std::any_of(store.tcb.Entries.begin(), store.tcb.Entries.end(),
                                      [](const DescriptorRecord& d) { return d.Data_Offset != 0; });
    if (!measured) return "Size: unknown (no mesh descriptor gives a hit zone)";
    const std::string metres = Trimmed(ModelSizeText(store));
    return "Size: " + metres + (metres == "1" ? " metre" : " metres");
}

}  // namespace

std::vector<std::string> SummaryLines(const ModelStore& store, const ModelRecords& records,
                                      const std::vector<std::string>& warnings) {
    std::map<std::string, int> count;
    std::map<int64_t, int64_t> facesPerLevel;
    std::string textures;
    for (const Record& r : records.Records) {
        ++count[r.Table];
        if (r.Table == "mesh")
            for (int64_t lod = 0; lod < IntField(r, "levels"); ++lod)
                facesPerLevel[lod] += IntField(r, "faces_lod" + std::to_string(lod));
        if (r.Table == "texture") textures += " " + ValueText(r.Find("name")->Value);
    }
    std::string faces;
    for (const auto& [lod, n] : facesPerLevel)
        faces += (faces.empty() ? "" : ", ") + std::string("level ") + std::to_string(lod) + ": " +
                 std::to_string(n);
    std::vector<std::string> lines = {
        "Meshes: " + std::to_string(count["mesh"]),
        "Faces per level: " + (faces.empty() ? std::string("none") : faces),
        "Textures: " + std::to_string(count["texture"]) +
            (textures.empty() ? "" : " (" + textures.substr(1) + ")"),
        "Hardpoints: " + std::to_string(count["hardpoint"]),
        SizeLine(store),
        "Warnings: " + (warnings.empty() ? std::string("none") : std::to_string(CountWarnings(warnings))),
    };
    for (const auto& w : warnings) lines.push_back("  " + w);
    return lines;
}

}  // namespace opt
