// Test support for the edits: a synthetic model written to a temporary file and loaded into a store
// of the test's own, with helpers that compare the file's bytes before and after.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/errors.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "tests/render/export_temp_dir.h"
#include "tests/support/opt_builder.h"

namespace edit_test {

// A byte range [first, last] where two images of the same length differ; nothing when equal.
inline std::optional<std::pair<size_t, size_t>> Changed(const std::vector<uint8_t>& a,
                                                        const std::vector<uint8_t>& b) {
    std::optional<std::pair<size_t, size_t>> range;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i]) continue;
        if (!range) range.emplace(i, i);
        range->second = i;
    }
    return range;
}

// Whether the two images have the same length, differ somewhere, and only within [pos, pos + len).
inline ::testing::AssertionResult OnlyWithin(const std::vector<uint8_t>& before,
                                             const std::vector<uint8_t>& after, int64_t pos, int64_t len) {
    if (before.size() != after.size()) return ::testing::AssertionFailure() << "the length changed";
    const auto range = Changed(before, after);
    if (!range) return ::testing::AssertionFailure() << "nothing changed";
    if (int64_t(range->first) < pos || int64_t(range->second) >= pos + len)
        return ::testing::AssertionFailure() << "bytes " << range->first << ".." << range->second
                                             << " changed, not only " << pos << ".." << pos + len - 1;
    return ::testing::AssertionSuccess();
}

inline float FloatAt(const std::vector<uint8_t>& bytes, int64_t pos) {
    float f = 0;
    std::memcpy(&f, bytes.data() + pos, 4);
    return f;
}

inline int32_t IntAt(const std::vector<uint8_t>& bytes, int64_t pos) {
    int32_t v = 0;
    std::memcpy(&v, bytes.data() + pos, 4);
    return v;
}

// A face list with one face-data block. The texture reference before it makes the reader give the
// block a record of its own (without one, the next face-data block would take the same record).
inline optb::FaceList Faces(std::vector<optb::Face> faces) {
    return optb::FaceList{
        .children = {optb::TextureRef{.name = "HULL"}, optb::FaceData{.faces = std::move(faces)}}};
}

// Two meshes: mesh 0 with vertices, two hardpoints, a rotation/scale block, a descriptor and a LOD set
// of two levels; mesh 1 with vertices, a descriptor, a rotation/scale block and a one-level LOD set.
inline optb::Model TwoMeshModel() {
    using namespace optb;
    Model m;
    m.entries.push_back(
        Mesh{.children = {
                 Vertices{.points = {{0, 0, 0}, {2, 0, 0}, {0, 4, -6}, {9, 9, 9}}},
                 Hardpoint{.hp_type = 1, .pos = {1, 2, 3}, .label = "hp0"},
                 Hardpoint{.hp_type = 45, .pos = {12.5f, -3.25f, 0}, .label = "hp1"},
                 RotScale{.centre = {1, 1, 1}, .label = "rs0"},
                 Descriptor{.mesh_type = 5, .n2 = 7, .group_id = 3, .target = {1, 2, 3}, .label = "d0"},
                 LodSet{.distances = {1000.f, 2000.f},
                        .face_lists = {Faces({Face::tri(0, 1, 2)}), Faces({Face::tri(0, 1, 3)})},
                        .label = "lod0"},
             }});
    m.entries.push_back(Mesh{
        .children = {
            Vertices{.points = {{10, 10, 10}, {11, 12, 13}, {10, 14, 10}, {-5, 10, 10}}},
            Descriptor{.mesh_type = 0, .label = "d1"},
            RotScale{.centre = {5, 5, 5}, .label = "rs1"},
            LodSet{.distances = {3000.f}, .face_lists = {Faces({Face::quad(0, 1, 2, 3)})}, .label = "lod1"},
        }});
    return m;
}

class ModelFileFixture : public ::testing::Test {
protected:
    // Writes the model to model.opt in the test's directory and loads it as the viewer does.
    void Open(const optb::Model& model) {
        built = optb::build(model);
        file = dir.path() / "model.opt";
        optb::write_file(file, built.bytes);
        opt::Load(*store, file.string());
    }
    std::vector<uint8_t> Disk() const { return opt::test::ReadFileBytes(file); }
    void WriteLookup(const char* name, const std::string& text) const {
        const std::vector<uint8_t> bytes(text.begin(), text.end());
        opt::test::WriteBytes(dir.path() / name, bytes);
    }
    int64_t Data(const char* label) const { return built.layout.at(label).data_pos; }
    int64_t Block(const char* label) const { return built.layout.at(label).pos; }

    opt::test::TempDir dir;
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    optb::Built built;
    std::filesystem::path file;
};

}  // namespace edit_test
