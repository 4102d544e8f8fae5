#include "app/cli/json_output.h"

#include <cstdio>

#include "model/load_warnings.h"

namespace cli {

Json ToJson(const opt::FieldValue& v) {
    return std::visit([](const auto& x) { return Json(x); }, v);
}

Json ToJson(const opt::Record& r) {
    Json j = {{"index", r.Index}, {"position", r.Position}};
    for (const opt::Field& f : r.Fields) j[f.Name] = ToJson(f.Value);
    return j;
}

Json ModelJson(const std::string& file, size_t fileSize, const opt::ModelRecords& records,
               const std::vector<std::string>& warnings) {
    Json j = {{"file", file}, {"file_size", fileSize}};
    Json& header = j["header"] = Json::object();
    for (const opt::Field& f : records.Header) header[f.Name] = ToJson(f.Value);
    // The tables in this order; descriptors are listed under the mesh they were read in.
    const std::pair<const char*, const char*> tables[] = {{"mesh", "meshes"},
                                                          {"hardpoint", "hardpoints"},
                                                          {"lod-set", "lod_sets"},
                                                          {"rotation-scale", "rotation_scales"},
                                                          {"texture", "textures"}};
    for (const auto& [table, key] : tables) {
        Json& list = j[key] = Json::array();
        for (const opt::Record& r : records.Records) {
            if (r.Table != table) continue;
            list.push_back(ToJson(r));
            if (r.Table != "mesh") continue;
            Json& descriptors = list.back()["descriptors"] = Json::array();
            for (const opt::Record& d : records.Records) {
                const opt::Field* mesh = d.Find("mesh");
                if (d.Table == "descriptor" && mesh != nullptr &&
                    mesh->Value == opt::FieldValue{int64_t{r.Index}})
                    descriptors.push_back(ToJson(d));
            }
        }
    }
    j["warnings"] = warnings;
    bool damaged = false;
    for (const auto& w : warnings) damaged = damaged || opt::IsDamageWarning(w);
    j["damaged"] = damaged;
    return j;
}

void PrintJson(const Json& j) {
    // Names come from the file and need not be UTF-8: bytes that are not become U+FFFD.
    const std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace cli
