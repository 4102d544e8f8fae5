// Encodes a model description as OPT bytes: blocks are written depth first, each header followed by
// its child list and payload, then its children; palette blocks follow the last block. Links to
// blocks by path or label, and palette offsets, are patched in once everything is placed.
#include "tests/support/opt_builder.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>
#include <type_traits>

#include "model/bytes.h"
#include "model/format.h"

namespace optb {

Face Face::quad(int32_t a, int32_t b, int32_t c, int32_t d) {
    Face f;
    f.vertex = f.tex_vertex = f.vx_normal = {a, b, c, d};
    f.edge = {0, 1, 2, 3};
    return f;
}

Face Face::tri(int32_t a, int32_t b, int32_t c) {
    Face f;
    f.vertex = f.tex_vertex = f.vx_normal = {a, b, c, -1};
    f.edge = {0, 1, 2, -1};
    return f;
}

PaletteBlock PaletteBlock::ramp(int seed) {
    static constexpr int kBase[8][3] = {{255, 255, 255}, {255, 96, 64},  {96, 160, 255}, {96, 255, 128},
                                        {255, 224, 96},  {200, 96, 255}, {96, 255, 255}, {255, 128, 192}};
    PaletteBlock block;
    block.colours.resize(opt::kPalettesPerSlot * opt::kPaletteEntries);
    for (int p = 0; p < opt::kPalettesPerSlot; ++p) {
        const int* base = kBase[(seed * 3 + p) % 8];
        for (int e = 0; e < opt::kPaletteEntries; ++e) {
            // Brighter palettes for higher numbers, like shading levels; entry 0 is always black.
            auto c = [&](int k) { return base[k] * e / 255 * (p + 1) / opt::kPalettesPerSlot; };
            block.colours[static_cast<size_t>(p * opt::kPaletteEntries + e)] = rgb565(c(0), c(1), c(2));
        }
    }
    return block;
}

namespace {

const char* kind_name(const Vertices&) { return "vertices"; }
const char* kind_name(const TexVertices&) { return "tex_vertices"; }
const char* kind_name(const Normals&) { return "normals"; }
const char* kind_name(const Node&) { return "node"; }
const char* kind_name(const LodSet&) { return "lod_set"; }
const char* kind_name(const Hardpoint&) { return "hardpoint"; }
const char* kind_name(const RotScale&) { return "rot_scale"; }
const char* kind_name(const Descriptor&) { return "descriptor"; }
const char* kind_name(const RawBlock&) { return "raw"; }
const char* kind_name(const Texture&) { return "texture"; }
const char* kind_name(const TextureRef&) { return "texture_ref"; }
const char* kind_name(const TextureGroup&) { return "texture_group"; }
const char* kind_name(const FaceData&) { return "face_data"; }

std::string indexed(const std::string& parent, const char* name, int n) {
    std::string p = parent.empty() ? std::string() : parent + "/";
    return p + name + "[" + std::to_string(n) + "]";
}

class Writer {
public:
    explicit Writer(const Model& model) : model_(model) {
        layout_.global_offset = model.global_offset;
        layout_.main_offset = model.global_offset - 8;
    }

    Built run() {
        put_i32(0);
        put_i32(model_.word_4);
        put_i32(model_.global_offset);
        put_bytes(std::vector<uint8_t>(2, 0));
        const auto n = static_cast<int32_t>(model_.entries.size());
        put_i32(model_.num_jumps.value_or(n));
        put_i32(stored(size() + 4));  // the top-level list follows the header directly
        layout_.jump_list_pos = size();
        const int64_t list = reserve(4 * static_cast<int64_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            fill_entry(list + 4 * i, model_.entries[static_cast<size_t>(i)],
                       [&](const auto& block) { return write(block, indexed("", top_name(block), i)); });
        }
        write_palettes();
        resolve_refs();
        return Built{std::move(out_), std::move(layout_)};
    }

private:
    struct RefFixup {
        int64_t pos;
        std::string target;
    };
    struct PaletteFixup {
        int64_t pos;
        int palette;
    };

    const Model& model_;
    std::vector<uint8_t> out_;
    Layout layout_;
    std::vector<RefFixup> ref_fixups_;
    std::vector<PaletteFixup> palette_fixups_;

    // ---- bytes ----

    int64_t size() const { return static_cast<int64_t>(out_.size()); }
    int32_t stored(int64_t pos) const { return layout_.stored(pos); }
    int64_t reserve(int64_t n) {
        const int64_t at = size();
        out_.resize(out_.size() + static_cast<size_t>(n), 0);
        return at;
    }
    template <class T>
    void set(int64_t pos, T v) {
        if (!opt::write_at<T>(out_, pos, v)) throw std::logic_error("builder wrote outside its own bytes");
    }
    void set_i32(int64_t pos, int32_t v) { set<int32_t>(pos, v); }
    void put_i32(int32_t v) {
        const int64_t at = reserve(4);  // before any span over out_ is taken: reserve may reallocate
        set<int32_t>(at, v);
    }
    void put_f32(float v) {
        const int64_t at = reserve(4);
        set<float>(at, v);
    }
    void put_vec(const Vec3& v) {
        put_f32(v.x);
        put_f32(v.y);
        put_f32(v.z);
    }
    void put_bytes(const std::vector<uint8_t>& b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void put_name(const std::string& name) {
        std::vector<uint8_t> field(9, 0);
        std::copy_n(name.begin(), std::min<size_t>(name.size(), 9), field.begin());
        put_bytes(field);
    }

    // ---- block bookkeeping ----

    static const char* top_name(const Mesh&) { return "mesh"; }
    static const char* top_name(const Texture&) { return "texture"; }
    static const char* top_name(const RawBlock&) { return "raw"; }

    // Writes a header holding only the Type word and records the block; returns its index in the layout.
    size_t begin(Kind kind, int32_t type, const std::string& path, const std::string& label) {
        BlockInfo info{
            .kind = kind, .type = type, .pos = reserve(opt::kHeaderBytes), .path = path, .label = label};
        set_i32(info.pos + kTypeField, type);
        layout_.blocks.push_back(std::move(info));
        return layout_.blocks.size() - 1;
    }
    BlockInfo& info(size_t i) { return layout_.blocks[i]; }
    int64_t header_pos(size_t i) const { return layout_.blocks[i].pos; }

    // Points Data_Offset at the current end of the file, where the payload is about to go.
    void begin_payload(size_t i) {
        info(i).data_pos = size();
        set_i32(header_pos(i) + kDataOffsetField, stored(size()));
    }
    void end_payload(size_t i) { info(i).data_size = size() - info(i).data_pos; }

    void set_count(size_t i, int32_t count) {
        info(i).count = count;
        set_i32(header_pos(i) + kCountField, count);
    }

    // Reserves a child list of n entries and links it from the header.
    int64_t begin_jump_list(size_t i, size_t n) {
        const auto count = static_cast<int32_t>(n);
        const int64_t list = reserve(4 * static_cast<int64_t>(n));
        info(i).jump_list_pos = list;
        info(i).jumps = count;
        set_i32(header_pos(i) + kNumJumpsField, count);
        set_i32(header_pos(i) + kJumpListField, stored(list));
        return list;
    }

    size_t finish(size_t i, const HeaderOverride& h) {
        const int64_t p = header_pos(i);
        auto apply = [&](const std::optional<int32_t>& v, int64_t field) {
            if (v) set_i32(p + field, *v);
        };
        apply(h.lead, kLeadField);
        apply(h.type, kTypeField);
        apply(h.num_jumps, kNumJumpsField);
        apply(h.jump_list_offset, kJumpListField);
        apply(h.count, kCountField);
        apply(h.data_offset, kDataOffsetField);
        if (h.type) info(i).type = *h.type;
        return i;
    }

    // One jump-list entry: a link value, or a block written now whose position goes into the entry.
    template <class Variant, class WriteBlock>
    void fill_entry(int64_t entry_pos, const Variant& entry, WriteBlock&& write_block) {
        std::visit(
            [&](const auto& e) {
                using T = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<T, Zero>) {
                    set_i32(entry_pos, 0);
                } else if constexpr (std::is_same_v<T, Stored>) {
                    set_i32(entry_pos, e.value);
                } else if constexpr (std::is_same_v<T, Ref>) {
                    ref_fixups_.push_back({entry_pos, e.target});
                } else {
                    set_i32(entry_pos, stored(header_pos(write_block(e))));
                }
            },
            entry);
    }

    // Writes a child list after the header and then the children, naming them "kind[n]" per kind.
    template <class Children>
    void write_children(size_t i, const Children& children) {
        const int64_t list = begin_jump_list(i, children.size());
        write_listed_children(i, list, children);
    }
    template <class Children>
    void write_listed_children(size_t i, int64_t list, const Children& children) {
        std::map<std::string, int> seen;
        const std::string parent = info(i).path;
        for (size_t k = 0; k < children.size(); ++k) {
            fill_entry(list + 4 * static_cast<int64_t>(k), children[k], [&](const auto& block) {
                const char* name = kind_name(block);
                return write(block, indexed(parent, name, seen[name]++));
            });
        }
    }

    // ---- blocks ----

    // A block whose only content is its child list: mesh, node, face list, texture group.
    template <class Container>
    size_t write_container(Kind kind, int32_t type, const Container& c, const std::string& path) {
        const size_t i = begin(kind, type, path, c.label);
        write_children(i, c.children);
        return finish(i, c.header);
    }

    size_t write(const Mesh& m, const std::string& path) {
        return write_container(Kind::Mesh, m.type, m, path);
    }

    size_t write(const Node& n, const std::string& path) {
        return write_container(Kind::Node, opt::kNode, n, path);
    }

    template <class Element, class PutElement>
    size_t write_elements(Kind kind, int32_t type, const std::string& path, const std::string& label,
                          const std::vector<Element>& elements, const HeaderOverride& h, PutElement put) {
        const size_t i = begin(kind, type, path, label);
        set_count(i, static_cast<int32_t>(elements.size()));
        begin_payload(i);
        for (const auto& e : elements) put(e);
        end_payload(i);
        return finish(i, h);
    }

    size_t write(const Vertices& v, const std::string& path) {
        return write_elements(Kind::Vertices, opt::kVertices, path, v.label, v.points, v.header,
                              [&](const Vec3& p) { put_vec(p); });
    }
    size_t write(const Normals& v, const std::string& path) {
        return write_elements(Kind::Normals, opt::kVertexNormals, path, v.label, v.normals, v.header,
                              [&](const Vec3& p) { put_vec(p); });
    }
    size_t write(const TexVertices& v, const std::string& path) {
        return write_elements(Kind::TexVertices, opt::kTextureVertices, path, v.label, v.coords, v.header,
                              [&](const Vec2& c) {
                                  put_f32(c.u);
                                  put_f32(c.v);
                              });
    }

    // A block with one fixed record directly after its header.
    template <class PutPayload>
    size_t write_record(Kind kind, int32_t type, const std::string& path, const std::string& label,
                        const HeaderOverride& h, PutPayload put) {
        const size_t i = begin(kind, type, path, label);
        begin_payload(i);
        put();
        end_payload(i);
        return finish(i, h);
    }

    size_t write(const Hardpoint& b, const std::string& path) {
        return write_record(Kind::Hardpoint, opt::kHardpoint, path, b.label, b.header, [&] {
            put_i32(b.hp_type);
            put_vec(b.pos);
        });
    }
    size_t write(const RotScale& b, const std::string& path) {
        return write_record(Kind::RotScale, opt::kRotScale, path, b.label, b.header, [&] {
            for (const Vec3* v : {&b.centre, &b.scale_1, &b.scale_2, &b.scale_3}) put_vec(*v);
        });
    }
    size_t write(const Descriptor& b, const std::string& path) {
        return write_record(Kind::Descriptor, opt::kMeshDescriptor, path, b.label, b.header, [&] {
            put_i32(b.mesh_type);
            put_i32(b.n2);
            for (const Vec3* v : {&b.hz_span, &b.hz_centre, &b.hz_min, &b.hz_max}) put_vec(*v);
            put_i32(b.group_id);
            put_vec(b.target);
        });
    }
    size_t write(const RawBlock& b, const std::string& path) {
        return write_record(Kind::Raw, b.type, path, b.label, b.header, [&] { put_bytes(b.payload); });
    }
    size_t write(const TextureRef& b, const std::string& path) {
        return write_record(Kind::TextureRef, opt::kTextureRef, path, b.label, b.header,
                            [&] { put_name(b.name); });
    }

    size_t write(const LodSet& s, const std::string& path) {
        const size_t i = begin(Kind::LodSet, opt::kLodSet, path, s.label);
        const int64_t list = begin_jump_list(i, s.face_lists.size());
        begin_payload(i);
        for (float d : s.distances) put_f32(d);
        end_payload(i);
        for (size_t k = 0; k < s.face_lists.size(); ++k) {
            fill_entry(list + 4 * static_cast<int64_t>(k), s.face_lists[k], [&](const FaceList& f) {
                return write(f, indexed(path, "face_list", static_cast<int>(k)));
            });
        }
        return finish(i, s.header);
    }

    size_t write(const FaceList& f, const std::string& path) {
        return write_container(Kind::FaceList, f.type, f, path);
    }

    size_t write(const TextureGroup& g, const std::string& path) {
        return write_container(Kind::TextureGroup, opt::kTextureGroup, g, path);
    }

    size_t write(const FaceData& d, const std::string& path) {
        const size_t i = begin(Kind::FaceData, opt::kFaceData, path, d.label);
        set_count(i, static_cast<int32_t>(d.faces.size()));
        begin_payload(i);
        int32_t sides = 0;
        for (const Face& f : d.faces) sides += f.vertex[3] == -1 ? 3 : 4;
        put_i32(d.edges.value_or(sides));
        for (const Face& f : d.faces) {
            for (const auto* group : {&f.vertex, &f.edge, &f.tex_vertex, &f.vx_normal}) {
                for (int32_t v : *group) put_i32(v);
            }
        }
        for (const Face& f : d.faces) put_vec(f.normal);
        for (const Face& f : d.faces) {
            for (float v : f.mapping) put_f32(v);
        }
        end_payload(i);
        return finish(i, d.header);
    }

    // Header, pixels (Data_Offset = block start, so they start at Data_Offset + 24), name record (Lead).
    size_t write(const Texture& t, const std::string& path) {
        const size_t i = begin(Kind::Texture, opt::kTexture, path, t.label);
        set_i32(header_pos(i) + kDataOffsetField, stored(header_pos(i)));
        info(i).data_pos = size();
        put_bytes(t.pixels);
        end_payload(i);
        info(i).name_pos = size();
        set_i32(header_pos(i) + kLeadField, stored(size()));
        put_name(t.name);
        const int64_t palette_word = reserve(4);
        if (t.palette_offset) {
            set_i32(palette_word, *t.palette_offset);
        } else if (t.palette < 0 || t.palette >= static_cast<int>(model_.palettes.size())) {
            throw std::invalid_argument("texture " + path + " names palette block " +
                                        std::to_string(t.palette) + " of " +
                                        std::to_string(model_.palettes.size()));
        } else {
            palette_fixups_.push_back({palette_word, t.palette});
        }
        put_i32(t.tex_spare_1);
        put_i32(t.size.value_or(static_cast<int32_t>(t.pixels.size())));
        put_i32(t.tex_spare_2);
        put_i32(t.width);
        put_i32(t.height);
        return finish(i, t.header);
    }

    // ---- after the blocks ----

    void write_palettes() {
        std::vector<int64_t> at;
        for (size_t k = 0; k < model_.palettes.size(); ++k) {
            const PaletteBlock& p = model_.palettes[k];
            BlockInfo info{
                .kind = Kind::Palette, .type = -1, .pos = size(), .path = indexed("", "palette", int(k))};
            put_bytes(std::vector<uint8_t>(opt::kPaletteBlockSkip, p.filler));
            info.data_pos = size();
            std::vector<uint8_t> words(2 * opt::kPalettesPerSlot * opt::kPaletteEntries, 0);
            for (size_t e = 0; e < p.colours.size() && 2 * e + 1 < words.size(); ++e) {
                words[2 * e] = static_cast<uint8_t>(p.colours[e] & 0xFF);
                words[2 * e + 1] = static_cast<uint8_t>(p.colours[e] >> 8);
            }
            put_bytes(words);
            info.data_size = size() - info.data_pos;
            at.push_back(info.pos);
            layout_.blocks.push_back(std::move(info));
        }
        for (const auto& f : palette_fixups_) set_i32(f.pos, stored(at[static_cast<size_t>(f.palette)]));
    }

    void resolve_refs() {
        for (const auto& f : ref_fixups_) {
            try {
                set_i32(f.pos, stored(layout_.at(f.target).pos));
            } catch (const std::out_of_range&) {
                throw std::invalid_argument("no block named " + f.target);
            }
        }
    }
};

}  // namespace

const BlockInfo& Layout::nth(Kind kind, int n) const {
    int seen = 0;
    for (const auto& b : blocks) {
        if (b.kind == kind && seen++ == n) return b;
    }
    throw std::out_of_range("layout holds no block number " + std::to_string(n) + " of that kind");
}

const BlockInfo& Layout::at(std::string_view path_or_label) const {
    for (const auto& b : blocks) {
        if (b.path == path_or_label) return b;
    }
    for (const auto& b : blocks) {
        if (!b.label.empty() && b.label == path_or_label) return b;
    }
    throw std::out_of_range("layout holds no block " + std::string(path_or_label));
}

std::vector<const BlockInfo*> Layout::all(Kind kind) const {
    std::vector<const BlockInfo*> r;
    for (const auto& b : blocks) {
        if (b.kind == kind) r.push_back(&b);
    }
    return r;
}

Built build(const Model& model) { return Writer(model).run(); }

void write_file(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace optb
