#include "inspect/model_records.h"

#include <cstdio>

#include "edit/core/block_runs.h"
#include "edit/core/hardpoint_types.h"
#include "listings/listings.h"

namespace opt {

const Field* Record::Find(const std::string& name) const {
    for (const Field& f : Fields)
        if (f.Name == name) return &f;
    return nullptr;
}

namespace {

class RecordWriter {
public:
    RecordWriter(std::vector<Record>& out, const char* table, int index, int64_t position)
        : r_(out.emplace_back()) {
        r_.Table = table;
        r_.Index = index;
        r_.Position = position;
    }
    RecordWriter& Int(const std::string& name, int64_t v) { return Put(name, v); }
    RecordWriter& Real(const std::string& name, float v) { return Put(name, static_cast<double>(v)); }
    RecordWriter& Text(const std::string& name, std::string v) { return Put(name, std::move(v)); }
    RecordWriter& Triple(const std::string& name, const float* v) {
        return Real(name + "_x", v[0]).Real(name + "_y", v[1]).Real(name + "_z", v[2]);
    }

private:
    RecordWriter& Put(const std::string& name, FieldValue v) {
        r_.Fields.push_back({name, std::move(v)});
        return *this;
    }
    Record& r_;
};

void DescribeMeshes(const ModelStore& s, std::vector<Record>& out) {
    const int top = Clamped(s.txw.Num_Jumps, s.txw.Size());
    for (int m = 0; m < top; ++m) {
        if (!s.txw.Meshes[static_cast<size_t>(m)].Read_As_Mesh) continue;  // a texture, or not followed
        int64_t vertices = 0;
        for (const VertexRecord& v : s.tvx.Entries)
            if (v.Type == kVertices && v.Mesh == m) vertices += Clamped(v.Count, v.Elements());
        // Faces per level: each face list counts at its own position in its LOD set.
        std::vector<int64_t> faces;
        for (const FaceDataRecord& f : s.ttfd.Entries) {
            const int level = f.Lod_Position;
            if (f.Mesh != m || f.Type != kFaceData || level < 0 || level >= kMaxLods) continue;
            if (faces.size() <= static_cast<size_t>(level)) faces.resize(static_cast<size_t>(level) + 1);
            faces[static_cast<size_t>(level)] += f.StoredFaces();
        }
        RecordWriter w(out, "mesh", m, s.txw.Jumps[m]);
        w.Int("vertices", vertices).Int("levels", static_cast<int64_t>(faces.size()));
        for (size_t lod = 0; lod < faces.size(); ++lod) w.Int("faces_lod" + std::to_string(lod), faces[lod]);
    }
}

void DescribeDescriptors(const TCB& tcb, std::vector<Record>& out) {
    for (int k = 0; k < tcb.Size(); ++k) {
        const DescriptorRecord& d = tcb[k];
        if (d.Type != kMeshDescriptor) continue;
        RecordWriter(out, "descriptor", k, d.Data_Offset)
            .Int("mesh", d.Mesh)
            .Int("type_code", d.Mesh_Type)
            .Text("type_name", std::string(MeshTypeName(d.Mesh_Type)))
            .Int("group", d.Group_ID)
            .Int("unknown", d.N2)
            .Triple("target", d.Target)
            .Triple("hit_zone_min", d.HZ_Min)
            .Triple("hit_zone_max", d.HZ_Max)
            .Triple("hit_zone_span", d.HZ_Span)
            .Triple("hit_zone_centre", d.HZ_Centre);
    }
}

void DescribeHardpoints(const TTBH& ttbh, std::vector<Record>& out) {
    for (int k = 0; k < ttbh.Size(); ++k) {
        const HardpointRecord& h = ttbh[k];
        if (h.Type != kHardpoint) continue;
        RecordWriter(out, "hardpoint", k, h.Data_Offset)
            .Int("mesh", h.Mesh)
            .Real("x", h.X)
            .Real("y", h.Y)
            .Real("z", h.Z)
            .Int("type_code", h.HP_Type)
            .Text("type_name", std::string(TypeName(h.HP_Type)));
    }
}

void DescribeLodSets(const TTMDH& ttmdh, std::vector<Record>& out) {
    for (int k = 0; k < ttmdh.Size(); ++k) {
        const LodSetRecord& l = ttmdh[k];
        if (l.Type != kLodSet) continue;
        const int n = LodDistanceCount(l);
        RecordWriter w(out, "lod-set", k, l.Data_Offset);
        w.Int("mesh", l.Mesh).Int("levels", n);
        for (int i = 0; i < n; ++i) w.Real("distance_" + std::to_string(i), l.Distance[i]);
    }
}

void DescribeRotScales(const TRSH& trsh, std::vector<Record>& out) {
    static constexpr const char* kNames[] = {"centre", "scale_1", "scale_2", "scale_3"};
    for (int k = 0; k < trsh.Size(); ++k) {
        const RotScaleRecord& r = trsh[k];
        if (r.Type != kRotScale) continue;
        RecordWriter w(out, "rotation-scale", k, r.Data_Offset);
        w.Int("mesh", r.Mesh);
        const float* triples[] = {r.Centre, r.Scale_1, r.Scale_2, r.Scale_3};
        for (int t = 0; t < 4; ++t) w.Triple(kNames[t], triples[t]);
    }
}

void DescribeTextures(const TTX& ttx, std::vector<Record>& out) {
    for (int k = 0; k < ttx.Textures.Size(); ++k) {
        const TextureRecord& t = ttx.Textures[k];
        if (t.Type != kTexture) continue;
        RecordWriter(out, "texture", k, t.Data_Offset)
            .Text("name", TextureName(t))
            .Int("width", t.Width)
            .Int("height", t.Height)
            .Int("size", t.Size)
            .Int("palette_slot", t.Palette_Set)
            .Int("palette_position", t.Palette_Offset);
    }
}

}  // namespace

ModelRecords DescribeModel(const ModelStore& store) {
    ModelRecords m;
    m.Header = {{"main_offset", int64_t{store.txw.Main_Offset}},
                {"top_level_entries", int64_t{store.txw.Num_Jumps}},
                {"jump_list_position", int64_t{store.txw.Jump_List_Offset}},
                {"top_level_textures", int64_t{store.Top_Textures}}};
    DescribeMeshes(store, m.Records);
    DescribeDescriptors(store.tcb, m.Records);
    DescribeHardpoints(store.ttbh, m.Records);
    DescribeLodSets(store.ttmdh, m.Records);
    DescribeRotScales(store.trsh, m.Records);
    DescribeTextures(store.ttx, m.Records);
    return m;
}

std::string ValueText(const FieldValue& v) {
    if (const auto* i = std::get_if<int64_t>(&v)) return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&v)) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", *d);
        return text;
    }
    return std::get<std::string>(v);
}

}  // namespace opt
