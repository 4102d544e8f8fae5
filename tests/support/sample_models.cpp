// Small models for seeds and tests: a triangle, nested nodes, a top-level texture, a texture group.
#include "tests/support/sample_models.h"

#include <utility>

#include "tests/support/texture_patterns.h"

namespace optb {
namespace {

Vertices triangle_vertices() { return Vertices{.points = {{0, 0, 0}, {40, 0, 0}, {0, 60, 0}}}; }

LodSet one_lod(std::vector<FaceListChild> children) {
    return LodSet{.distances = {1000.0f}, .face_lists = {FaceList{.children = std::move(children)}}};
}

Model with_one_palette(std::vector<TopLevel> entries) {
    Model m;
    m.palettes = {PaletteBlock::ramp(2)};
    m.entries = std::move(entries);
    return m;
}

}  // namespace

Model tiny_model() {
    return with_one_palette(
        {Mesh{.children = {triangle_vertices(), one_lod({checker_texture("Tiny", 0, 4, 1),
                                                         FaceData{.faces = {Face::tri(0, 1, 2)}}})}}});
}

Model nested_node_model() {
    Node inner{
        .children = {triangle_vertices(), Hardpoint{.hp_type = 1, .pos = {10, 10, 0}},
                     one_lod({checker_texture("Nest", 0, 4, 2), FaceData{.faces = {Face::tri(0, 1, 2)}}})},
        .label = "inner"};
    Node outer{.children = {std::move(inner), RotScale{.centre = {10, 20, 0}}}, .label = "outer"};
    return with_one_palette({Mesh{.children = {std::move(outer)}}});
}

Model top_level_texture_model() {
    return with_one_palette(
        {checker_texture("Top", 0, 4, 3),
         Mesh{.children = {triangle_vertices(),
                           one_lod({TextureRef{.name = "Top"}, FaceData{.faces = {Face::tri(0, 1, 2)}}})}}});
}

Model texture_group_model() {
    TextureGroup group{.children = {checker_texture("GroupA", 0, 4, 4), checker_texture("GroupB", 0, 8, 5)}};
    return with_one_palette(
        {Mesh{.children = {triangle_vertices(),
                           one_lod({std::move(group), FaceData{.faces = {Face::tri(0, 1, 2)}}})}}});
}

Model five_level_model() {
    LodSet five;
    for (int j = 0; j < 5; ++j) {
        five.distances.push_back(100.0f * static_cast<float>(j + 1));
        FaceData faces;
        for (int k = 0; k <= j; ++k) faces.faces.push_back(Face::tri(0, 1, 2));
        five.face_lists.push_back(FaceList{.children = {TextureRef{.name = "Five"}, std::move(faces)}});
    }
    return with_one_palette(
        {checker_texture("Five", 0, 4, 6), Mesh{.children = {triangle_vertices(), std::move(five)}}});
}

}  // namespace optb
