// Loads builder models into a store of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/reader.h"
#include "model/store.h"
#include "tests/support/opt_builder.h"

namespace opt::testing {

class ReaderTest : public ::testing::Test {
protected:
    std::unique_ptr<ModelStore> store = std::make_unique<ModelStore>();

    // Loads the bytes (the store's lists start empty with every load).
    void LoadBytesFresh(const std::vector<uint8_t>& bytes) { LoadBytes(*store, bytes); }
    optb::Built LoadModel(const optb::Model& m) {
        auto built = optb::build(m);
        LoadBytesFresh(built.bytes);
        return built;
    }
    // Loads with the classic table sizes from now on (the tests of the classic cuts).
    void UseClassicSizes() { store->Limits = TableLimits::ClassicSizes(); }
    // Lines of the listing box that are damage reports (start with "Warning:").
    std::vector<std::string> DamageLines() const {
        std::vector<std::string> out;
        for (const auto& l : store->Warnings)
            if (l.rfind("Warning:", 0) == 0) out.push_back(l);
        return out;
    }
    bool HasDamage(const std::string& fragment) const {
        for (const auto& l : DamageLines())
            if (l.find(fragment) != std::string::npos) return true;
        return false;
    }
};

// A small mesh: a square of four vertices drawn as one quad face in one LOD.
inline optb::Mesh SquareMesh(const std::string& texture = "SKIN") {
    return optb::Mesh{.children =
                          {
                              optb::Vertices{.points = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}},
                              optb::LodSet{
                                  .distances = {100.f},
                                  .face_lists =
                                      {
                                          optb::FaceList{.children =
                                                             {
                                                                 optb::Texture{
                                                                     .name = texture, .width = 2, .height = 2, .pixels = {1, 2, 3, 4}},
                                                                 optb::FaceData{.faces =
                                                                                    {optb::Face::quad(0, 1, 2, 3)}},
                                                             }}}},
                          }};
}

inline optb::Model OneMeshModel(int32_t global_offset = optb::kDefaultGlobalOffset) {
    optb::Model m{.global_offset = global_offset};
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(SquareMesh());
    return m;
}

}  // namespace opt::testing
