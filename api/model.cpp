// zedaruz::Model: one load of an OPT file, and what the library reads from it.
#include <algorithm>

#include "api/model_data.h"
#include "edit/core/block_runs.h"
#include "edit/core/hit_zones.h"
#include "edit/core/journal_history.h"
#include "edit/core/write_journal.h"
#include "export/export_scene.h"
#include "inspect/model_json.h"
#include "inspect/model_records.h"
#include "listings/registry.h"
#include "model/level_faces.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "model/store_records.h"
#include "platform/utf8_path.h"
#include "zedaruz/journal.h"

namespace zedaruz {

std::string CorePath(const std::filesystem::path& path) { return opt::Utf8Text(path); }

namespace {

std::array<float, 3> Triple(const float* v) { return {v[0], v[1], v[2]}; }

// The records of a mesh, or Error when the model has no such mesh or the mesh no vertex block.
opt::MeshRecords OwnRecords(const Model& model, int mesh) {
    const opt::ModelStore& s = *model.Internal().store;
    const opt::MeshRecords own = opt::StoreRecords(s).Records(mesh);
    if (own.Vertices == nullptr)
        throw Error(CorePath(model.File()) + " holds no vertices of mesh " + std::to_string(mesh) + ".");
    return own;
}

}  // namespace

Model::Model(std::unique_ptr<Data> data) : d_(std::move(data)) {}

Model Model::Open(const std::filesystem::path& file, const OpenOptions& options) {
    auto d = std::make_unique<Data>();
    d->file = file;
    d->store->Limits =
        options.tables == TableSizes::Classic ? opt::TableLimits::ClassicSizes() : opt::TableLimits::Grown();
    d->journal = CorePath(options.journal.empty() ? DefaultJournal() : options.journal);
    const std::string path = CorePath(file);
    Translated([&] { opt::Load(*d->store, path); });
    if (auto note = opt::InterruptedWriteNote(path, d->store->File_Image, d->journal))
        d->store->Warnings.push_back(*note);
    return Model(std::move(d));
}

Model::Model(const Model& other) : d_(std::make_unique<Data>()) {
    d_->file = other.d_->file;
    d_->store = std::make_unique<opt::ModelStore>(*other.d_->store);
    d_->journal = other.d_->journal;
}

Model::Model(Model&& other) noexcept = default;

Model& Model::operator=(const Model& other) {
    if (this != &other) *this = Model(other);
    return *this;
}

Model& Model::operator=(Model&& other) noexcept = default;

Model::~Model() = default;

const std::filesystem::path& Model::File() const { return d_->file; }

std::int64_t Model::FileSize() const { return static_cast<std::int64_t>(d_->store->File_Image.size()); }

const std::vector<std::string>& Model::Warnings() const { return d_->store->Warnings; }

std::vector<std::string> Model::Listing(std::string_view name) const {
    const opt::ListingEntry* entry = opt::FindListing(name);
    if (entry == nullptr) throw Error("Unknown listing '" + std::string(name) + "'.");
    opt::VectorSink lines;
    entry->run(*d_->store, lines);
    return std::move(lines.lines);
}

std::vector<std::string> Model::ListingNames() {
    std::vector<std::string> names;
    for (const opt::ListingEntry& entry : opt::Listings()) names.emplace_back(entry.name);
    return names;
}

int Model::MeshCount() const {
    const opt::ModelRecords records = opt::DescribeModel(*d_->store);
    return static_cast<int>(std::count_if(records.Records.begin(), records.Records.end(),
                                          [](const opt::Record& r) { return r.Table == "mesh"; }));
}

std::vector<int> Model::Levels() const {
    const std::vector<int32_t> levels = opt::LevelsInStore(*d_->store);
    return {levels.begin(), levels.end()};
}

std::vector<std::array<float, 3>> Model::Vertices(int mesh) const {
    const opt::VertexRecord& v = *OwnRecords(*this, mesh).Vertices;
    std::vector<std::array<float, 3>> out(static_cast<size_t>(opt::StoredElements(v)));
    for (size_t i = 0; i < out.size(); ++i) out[i] = {v.X[i], v.Y[i], v.Z[i]};
    return out;
}

std::vector<Face> Model::Faces(int mesh, int level) const {
    OwnRecords(*this, mesh);
    std::vector<Face> faces;
    opt::WalkLevelFaces(opt::StoreRecords(*d_->store), level,
                        [&](const opt::FaceDataRecord& fd, int j, const opt::MeshRecords&) {
                            if (fd.Mesh != mesh) return;
                            Face f{fd.Vertex(0)[j], fd.Vertex(1)[j], fd.Vertex(2)[j], -1};
                            if (opt::FaceCorners(fd, j) == 4) f[3] = fd.Vertex(3)[j];
                            faces.push_back(f);
                        });
    return faces;
}

std::vector<Hardpoint> Model::Hardpoints() const {
    std::vector<Hardpoint> out;
    const opt::TTBH& t = d_->store->ttbh;
    for (int k = 0; k < t.Size(); ++k) {
        const opt::HardpointRecord& h = t[k];
        if (h.Type == opt::kHardpoint) out.push_back({k, h.Mesh, h.HP_Type, h.X, h.Y, h.Z, h.Data_Offset});
    }
    return out;
}

std::vector<Descriptor> Model::Descriptors() const {
    std::vector<Descriptor> out;
    const opt::TCB& t = d_->store->tcb;
    for (int k = 0; k < t.Size(); ++k) {
        const opt::DescriptorRecord& d = t[k];
        if (d.Type != opt::kMeshDescriptor) continue;
        out.push_back({k, d.Mesh, d.Mesh_Type, d.Group_ID, d.N2, Triple(d.Target), Triple(d.HZ_Min),
                       Triple(d.HZ_Max), Triple(d.HZ_Span), Triple(d.HZ_Centre), d.Data_Offset});
    }
    return out;
}

std::vector<LodSet> Model::LodSets() const {
    std::vector<LodSet> out;
    const opt::TTMDH& t = d_->store->ttmdh;
    for (int k = 0; k < t.Size(); ++k) {
        const opt::LodSetRecord& l = t[k];
        if (l.Type != opt::kLodSet) continue;
        const int n = opt::LodDistanceCount(l);
        out.push_back({k, l.Mesh, std::vector<float>(l.Distance, l.Distance + n), l.Data_Offset});
    }
    return out;
}

std::vector<RotScale> Model::RotScales() const {
    std::vector<RotScale> out;
    const opt::TRSH& t = d_->store->trsh;
    for (int k = 0; k < t.Size(); ++k) {
        const opt::RotScaleRecord& r = t[k];
        if (r.Type != opt::kRotScale) continue;
        RotScale rs{k, r.Mesh, {}, r.Data_Offset};
        for (int i = 0; i < 12; ++i) rs.floats[static_cast<size_t>(i)] = r.Float(i);
        out.push_back(rs);
    }
    return out;
}

std::vector<Texture> Model::Textures() const {
    std::vector<Texture> out;
    const auto& t = d_->store->ttx.Textures;
    for (int k = 0; k < t.Size(); ++k) {
        const opt::TextureRecord& x = t[k];
        if (x.Type == opt::kTexture)
            out.push_back({k, opt::TextureName(x), x.Width, x.Height, x.Palette_Set, x.Data_Offset});
    }
    return out;
}

std::vector<HitZone> Model::HitZones(int level) const {
    const auto boxes = opt::MeshHitZones(*d_->store, level);
    std::vector<HitZone> out;
    const opt::TCB& t = d_->store->tcb;
    for (int k = 0; k < t.Size(); ++k) {
        const opt::DescriptorRecord& d = t[k];
        const auto box = boxes.find(d.Mesh);
        if (d.Type != opt::kMeshDescriptor || box == boxes.end()) continue;
        const opt::TheHZ& b = box->second;
        out.push_back({k, d.Mesh, {b.Min_X, b.Min_Y, b.Min_Z}, {b.Max_X, b.Max_Y, b.Max_Z}});
    }
    return out;
}

std::string Model::InfoJson() const {
    const opt::ModelStore& s = *d_->store;
    return opt::JsonText(
        opt::ModelJson(CorePath(d_->file), s.File_Image.size(), opt::DescribeModel(s), s.Warnings));
}

}  // namespace zedaruz
