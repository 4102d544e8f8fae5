#include "inspect/model_json.h"

#include "model/load_warnings.h"

namespace opt {

OrderedJson ToJson(const FieldValue& v) {
    return std::visit([](const auto& x) { return OrderedJson(x); }, v);
}

OrderedJson ToJson(const Record& r) {
    OrderedJson j = {{"index", r.Index}, {"position", r.Position}};
    for (const Field& f : r.Fields) j[f.Name] = ToJson(f.Value);
    return j;
}

OrderedJson ModelJson(const std::string& file, size_t fileSize, const ModelRecords& records,
                      const std::vector<std::string>& warnings) {
    OrderedJson j = {{"file", file}, {"file_size", fileSize}};
    OrderedJson& header = j["header"] = OrderedJson::object();
    for (const Field& f : records.Header) header[f.Name] = ToJson(f.Value);
    // The tables in this order; descriptors are listed under the mesh they were read in.
    const std::pair<const char*, const char*> tables[] = {{"mesh", "meshes"},
                                                          {"hardpoint", "hardpoints"},
                                                          {"lod-set", "lod_sets"},
                                                          {"rotation-scale", "rotation_scales"},
                                                          {"texture", "textures"}};
    for (const auto& [table, key] : tables) {
        OrderedJson& list = j[key] = OrderedJson::array();
        for (const Record& r : records.Records) {
            if (r.Table != table) continue;
            list.push_back(ToJson(r));
            if (r.Table != "mesh") continue;
            OrderedJson& descriptors = list.back()["descriptors"] = OrderedJson::array();
            for (const Record& d : records.Records) {
                const Field* mesh = d.Find("mesh");
                if (d.Table == "descriptor" && mesh != nullptr && mesh->Value == FieldValue{int64_t{r.Index}})
                    descriptors.push_back(ToJson(d));
            }
        }
    }
    j["warnings"] = warnings;
    bool damaged = false;
    for (const auto& w : warnings) damaged = damaged || IsDamageWarning(w);
    j["damaged"] = damaged;
    return j;
}

std::string JsonText(const OrderedJson& j) {
    return j.dump(2, ' ', false, OrderedJson::error_handler_t::replace);
}

}  // namespace opt
