#include "tests/support/export_models.h"

namespace optb {

namespace {

constexpr float kU = 20.5f;  // one metre in file units

std::vector<Vec2> CornerCoords() {
    return {{0.25f, 0.25f}, {0.75f, 0.25f}, {0.75f, 0.75f}, {0.25f, 0.75f}, {0.25f, 0.75f}};
}

FaceList List(std::vector<FaceListChild> children) { return FaceList{.children = std::move(children)}; }

Mesh AsymMesh(const std::string& name) {
    Texture hull{.name = name, .palette = 0, .width = 2, .height = 2, .pixels = {1, 2, 3, 4}};
    return Mesh{
        .children = {
            Vertices{.points = {{0, 0, 0}, {kU, 0, 0}, {kU, 2 * kU, 0}, {0, 2 * kU, 0}, {0, 0, 3 * kU}}},
            TexVertices{.coords = CornerCoords()},
            Normals{.normals = {{0, 0, 2}, {0, 0, 2}, {0, 0, 2}, {0, 0, 2}, {0, 0, 0}}},
            Descriptor{.mesh_type = 5,
                       .hz_span = {kU, 2 * kU, 3 * kU},
                       .hz_centre = {kU / 2, kU, 1.5f * kU},
                       .hz_min = {0, 0, 0},
                       .hz_max = {kU, 2 * kU, 3 * kU},
                       .group_id = 3,
                       .target = {1, 2, 3}},
            RotScale{.centre = {5, 6, 7}},
            Hardpoint{.hp_type = 1, .pos = {2 * kU, kU, 0}},
            LodSet{.distances = {1000.0f, 3000.0f},
                   .face_lists = {List({hull, FaceData{.faces = {Face::quad(0, 3, 2, 1), Face::tri(0, 1, 4)}},
                                        TextureRef{.name = "NOPE"}, FaceData{.faces = {Face::tri(1, 2, 4)}}}),
                                  List({TextureRef{.name = name}, FaceData{.faces = {Face::tri(0, 3, 2)}}})}},
        }};
}

Mesh WingMesh(const std::string& name) {
    Texture wing{.name = name, .palette = 1, .width = 4, .height = 2, .pixels = {9, 8, 7, 6, 5, 4, 3, 2}};
    return Mesh{
        .children = {
            Vertices{.points = {{0, 0, 0}, {kU, 0, 0}, {kU, kU, 0}, {0, kU, 0}}},
            TexVertices{.coords = CornerCoords()},
            Normals{.normals = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}}},
            Descriptor{.mesh_type = 1, .group_id = 4, .target = {4, 5, 6}},
            Hardpoint{.hp_type = 7, .pos = {0, 0, kU}},
            LodSet{.distances = {1000.0f, 3000.0f},
                   .face_lists = {List({wing,
                                        FaceData{.faces = {Face::quad(0, 3, 2, 1), Face::tri(0, 99, 2)}}}),
                                  List({TextureRef{.name = name}, FaceData{.faces = {Face::tri(0, 3, 2)}}})}},
        }};
}

}  // namespace

Model export_model(const std::string& hull, const std::string& wing) {
    Model m;
    m.palettes = {PaletteBlock::ramp(0), PaletteBlock::ramp(1)};
    m.entries = {AsymMesh(hull), WingMesh(wing)};
    return m;
}

Model export_model_after_top_texture() {
    Model m = export_model();
    m.entries.insert(m.entries.begin(),
                     Texture{.name = "Top", .palette = 0, .width = 2, .height = 2, .pixels = {5, 6, 7, 8}});
    return m;
}

Model export_model_lacking_records() {
    Model m = export_model();
    for (TopLevel& entry : m.entries) {
        auto& mesh = std::get<Mesh>(entry);
        std::erase_if(mesh.children, [](const MeshChild& c) { return std::holds_alternative<Normals>(c); });
        if (&entry != &m.entries[1]) continue;
        auto& lod = std::get<LodSet>(mesh.children.back());
        auto& quad = std::get<FaceData>(std::get<FaceList>(lod.face_lists[0]).children[1]).faces[0];
        quad.tex_vertex[3] = 7;  // the wing's five texture vertices end at 4
    }
    return m;
}

}  // namespace optb
