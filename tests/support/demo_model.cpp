// The demo ship: hull, wings, engine and bridge, each with two LODs.
#include <utility>

#include "tests/support/mesh_shape.h"
#include "tests/support/sample_models.h"
#include "tests/support/texture_patterns.h"

namespace optb {
namespace {

enum MeshTypeCode : int32_t { kMainHull = 1, kWing = 2, kEngine = 6, kBridge = 7 };
enum WeaponCode : int32_t { kRebelLaser = 1, kTurboRebelLaser = 2, kEmpireLaser = 3 };

// The detailed LOD is used up to 1500 units away, the coarse one beyond.
constexpr float kLod0Distance = 1500.0f;
constexpr float kLod1Distance = 6000.0f;

std::vector<MeshChild> mesh_children(const MeshShape& s, int32_t mesh_type, int32_t mesh_index, FaceList lod0,
                                     FaceList lod1, const std::vector<Hardpoint>& hardpoints) {
    std::vector<MeshChild> c{s.descriptor(mesh_type, mesh_index),
                             s.rot_scale(),
                             s.vertices(),
                             s.tex_vertices(),
                             s.normals(),
                             LodSet{.distances = {kLod0Distance, kLod1Distance},
                                    .face_lists = {std::move(lod0), std::move(lod1)}}};
    for (const Hardpoint& h : hardpoints) c.emplace_back(h);
    return c;
}

// A face list that names one texture by reference before its faces.
FaceList referenced(const char* texture, std::vector<Face> faces) {
    return FaceList{.children = {TextureRef{.name = texture}, face_data(std::move(faces))}};
}

Mesh hull() {
    MeshShape s;
    const auto back = s.ring(-80, 20, 15), mid = s.ring(0, 20, 15), front = s.ring(60, 16, 12);
    const int32_t tip = s.vertex({0, 120, 0});
    const Vec3 in{0, 0, 0};
    std::vector<Face> body, nose, coarse;
    s.tube(back, mid, in, body);
    s.tube(mid, front, in, body);
    body.push_back(s.face({back[0], back[1], back[2], back[3]}, in));
    for (size_t k = 0; k < 4; ++k) nose.push_back(s.face({front[k], front[(k + 1) % 4], tip}, in));
    s.tube(back, front, in, coarse);
    coarse.push_back(body.back());
    coarse.insert(coarse.end(), nose.begin(), nose.end());
    FaceList lod0{.children = {panel_texture("Hull", 0, 16, 16), face_data(body), TextureRef{.name = "Hull"},
                               face_data(nose)}};
    return Mesh{.children = mesh_children(s, kMainHull, 0, std::move(lod0), referenced("Hull", coarse),
                                          {{.hp_type = kRebelLaser, .pos = {-22, 50, 0}},
                                           {.hp_type = kRebelLaser, .pos = {22, 50, 0}},
                                           {.hp_type = kTurboRebelLaser, .pos = {0, 122, 0}}}),
                .label = "hull"};
}

// One delta wing on the side given by sign (-1 left, +1 right): a thin triangular slab.
void wing(MeshShape& s, float sign, std::vector<Face>& detailed, std::vector<Face>& coarse) {
    const auto v = [&](float x, float y, float z) { return s.vertex({sign * x, y, z}); };
    const int32_t front_top = v(20, 30, 3), back_top = v(20, -60, 3), tip_top = v(110, -60, 1.5f);
    const int32_t front_bot = v(20, 30, -3), back_bot = v(20, -60, -3), tip_bot = v(110, -60, -1.5f);
    const Vec3 in{sign * 50, -30, 0};
    const Face top = s.face({front_top, back_top, tip_top}, in);
    const Face bottom = s.face({front_bot, back_bot, tip_bot}, in);
    const Face trailing = s.face({back_top, tip_top, tip_bot, back_bot}, in);
    detailed.insert(detailed.end(),
                    {top, bottom, trailing, s.face({front_top, back_top, back_bot, front_bot}, in),
                     s.face({front_top, tip_top, tip_bot, front_bot}, in)});
    coarse.insert(coarse.end(), {top, bottom, trailing});
}

Mesh wings() {
    MeshShape s;
    std::vector<Face> detailed, coarse;
    wing(s, -1, detailed, coarse);
    wing(s, 1, detailed, coarse);
    FaceList lod0{.children = {stripe_texture("Wing", 1, 10, 6), face_data(detailed)}};
    FaceList lod1{
        .children = {TextureGroup{.children = {TextureRef{.name = "Wing"}, TextureRef{.name = "Hull"}}},
                     face_data(coarse)}};
    return Mesh{.children = mesh_children(s, kWing, 1, std::move(lod0), std::move(lod1),
                                          {{.hp_type = kTurboRebelLaser, .pos = {-110, -58, 0}},
                                           {.hp_type = kTurboRebelLaser, .pos = {110, -58, 0}}}),
                .label = "wings"};
}

Mesh engine() {
    MeshShape s;
    const auto front = s.ring(-80, 14, 14), mid = s.ring(-105, 14, 14), back = s.ring(-115, 9, 9);
    const int32_t fin_front = s.vertex({0, -85, 14}), fin_back = s.vertex({0, -112, 14}),
                  fin_top = s.vertex({0, -112, 45});
    const Vec3 in{0, -97, 0};
    // The fin is a plate: one triangle facing each side.
    const Face fin_left = s.face({fin_front, fin_back, fin_top}, {1, -100, 20});
    const Face fin_right = s.face({fin_front, fin_back, fin_top}, {-1, -100, 20});
    const Face back_cap = s.face({back[0], back[1], back[2], back[3]}, in);
    std::vector<Face> detailed, coarse;
    s.tube(front, mid, in, detailed);
    s.tube(mid, back, in, detailed);
    detailed.insert(detailed.end(),
                    {s.face({front[0], front[1], front[2], front[3]}, in), back_cap, fin_left, fin_right});
    s.tube(front, back, in, coarse);
    coarse.insert(coarse.end(), {back_cap, fin_left, fin_right});
    return Mesh{.children = mesh_children(s, kEngine, 2, referenced("Hull", detailed),
                                          referenced("Hull", coarse), {}),
                .label = "engine"};
}

// The bridge is a wedge on top of the hull; its blocks sit inside a node.
Mesh bridge() {
    MeshShape s;
    const int32_t la = s.vertex({-8, 20, 15}), lb = s.vertex({-8, 45, 15}), lc = s.vertex({-8, 20, 27});
    const int32_t ra = s.vertex({8, 20, 15}), rb = s.vertex({8, 45, 15}), rc = s.vertex({8, 20, 27});
    const Vec3 in{0, 28, 19};
    const std::vector<Face> coarse{s.face({la, lb, lc}, in), s.face({ra, rb, rc}, in),
                                   s.face({la, lc, rc, ra}, in), s.face({lb, lc, rc, rb}, in)};
    std::vector<Face> detailed = coarse;
    detailed.push_back(s.face({la, lb, rb, ra}, in));
    Node node{
        .children = mesh_children(s, kBridge, 3, referenced("Hull", detailed), referenced("Hull", coarse),
                                  {{.hp_type = kEmpireLaser, .pos = {0, 30, 27}}}),
        .label = "bridge_node"};
    return Mesh{.children = {std::move(node)}, .label = "bridge"};
}

}  // namespace

Model demo_model() {
    Model m;
    m.palettes = {PaletteBlock::ramp(0), PaletteBlock::ramp(1)};
    m.entries = {hull(), wings(), engine(), bridge()};
    return m;
}

}  // namespace optb
