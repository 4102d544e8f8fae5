// glTF export: validator verdicts, what a reader finds in the asset, axes, winding and texture
// orientation against the view, and a path that cannot be written.
#include <cmath>

#include "export/export_run.h"
#include "export/gltf_writer.h"
#include "model/errors.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_load.h"
#include "render/core/texture_pixels.h"
#include "tests/export/export_test_support.h"
#include "tests/render/export_temp_dir.h"
#include "tests/support/export_models.h"
#include "tests/support/sample_models.h"
#include "zedaruz/version.h"

namespace {

using export_test::Floats;
using export_test::Indices;
using export_test::Load;
using export_test::Options;
using export_test::ReadBack;
using Vec = std::array<float, 3>;

std::vector<uint8_t> Gltf(const export_test::LoadedModel& m, std::vector<int32_t> lods = {0}) {
    return opt::GltfBytes(opt::BuildExportScene(*m.store, m.bytes, Options(std::move(lods))),
                          opt::GltfForm::Binary);
}

const tinygltf::Node& MeshNode(const tinygltf::Model& g, size_t scene, size_t k) {
    return g.nodes.at(static_cast<size_t>(g.scenes.at(scene).nodes.at(k)));
}

// Mesh 0's one primitive at level 0 ("Hull").
const tinygltf::Primitive& Mesh0Primitive(const tinygltf::Model& g) {
    return g.meshes.at(static_cast<size_t>(MeshNode(g, 0, 0).mesh)).primitives.at(0);
}

int TrianglesOf(const tinygltf::Model& g, const tinygltf::Node& node) {
    int n = 0;
    for (const auto& p : g.meshes.at(static_cast<size_t>(node.mesh)).primitives)
        n += static_cast<int>(g.accessors.at(static_cast<size_t>(p.indices)).count / 3);
    return n;
}

Vec At(const std::vector<float>& v, size_t i, size_t n = 3) {
    return {v[i * n], v[i * n + 1], n == 3 ? v[i * n + 2] : 0.0f};
}
Vec Minus(Vec a, Vec b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec Cross(Vec a, Vec b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

void ExpectNear(Vec got, Vec want) {
    for (size_t k = 0; k < 3; ++k) EXPECT_NEAR(got[k], want[k], 1e-5) << "component " << k;
}

TEST(GltfExport, EveryExportPassesTheValidator) {
    const opt::test::TempDir dir;
    const auto demo = Load(opt::test::ReadFileBytes(DEMO_MODEL_PATH));
    const auto sample = Load(optb::export_model());
    const auto lacking = Load(optb::export_model_lacking_records());
    const struct {
        const export_test::LoadedModel& model;
        std::vector<int32_t> lods;
        const char* name;
    } cases[] = {{demo, {0}, "demo.glb"},        {demo, {0, 1}, "demo_all.gltf"},
                 {sample, {0}, "sample.glb"},    {sample, {0, 1}, "sample_all.glb"},
                 {sample, {1}, "sample_1.gltf"}, {sample, {9}, "empty.glb"},
                 {lacking, {0}, "lacking.glb"}};
    for (const auto& c : cases) {
        const auto path = dir.path() / c.name;
        opt::ExportGltf(*c.model.store, c.model.bytes, Options(c.lods), path.string());
        EXPECT_EQ(export_test::Validate(path), "errors 0 warnings 0") << c.name;
    }
}

TEST(GltfExport, ReadBackHoldsMeshesHardpointsAndTheModdersData) {
    const auto m = Load(optb::export_model());
    const tinygltf::Model g = ReadBack(Gltf(m, {0, 1}));
    EXPECT_EQ(g.asset.generator, std::string("Zedaruz ") + zedaruz::kVersion);
    EXPECT_EQ(g.extras.Get("source").Get<std::string>(), "model.opt");
    EXPECT_EQ(g.extras.Get("sourceBytes").GetNumberAsInt(), static_cast<int>(m.bytes.size()));
    ASSERT_EQ(g.scenes.size(), 2u);
    EXPECT_EQ(g.scenes[0].name, "LOD 0");
    EXPECT_EQ(g.scenes[1].name, "LOD 1");
    EXPECT_EQ(g.defaultScene, 0);
    ASSERT_EQ(g.scenes[0].nodes.size(), 2u);

    const tinygltf::Node& asym = MeshNode(g, 0, 0);
    const tinygltf::Node& wing = MeshNode(g, 0, 1);
    EXPECT_EQ(TrianglesOf(g, asym), optb::kExportMesh0Lod0Triangles);
    EXPECT_EQ(TrianglesOf(g, wing), optb::kExportMesh1Lod0Triangles);
    EXPECT_EQ(TrianglesOf(g, MeshNode(g, 1, 0)), 1);
    // The face after a name found nowhere keeps the texture before it: one material for mesh 0.
    const auto& asymPrims = g.meshes.at(static_cast<size_t>(asym.mesh)).primitives;
    ASSERT_EQ(asymPrims.size(), 1u);
    EXPECT_EQ(g.materials.at(static_cast<size_t>(asymPrims[0].material)).name, "Hull");

    ASSERT_EQ(asym.children.size(), 1u);
    const tinygltf::Node& hp = g.nodes.at(static_cast<size_t>(asym.children[0]));
    EXPECT_EQ(hp.name, "hardpoint 0 1");
    ASSERT_EQ(hp.translation.size(), 3u);
    ExpectNear({float(hp.translation[0]), float(hp.translation[1]), float(hp.translation[2])}, {2, 0, -1});
    EXPECT_EQ(hp.extras.Get("index").GetNumberAsInt(), 0);
    EXPECT_EQ(hp.extras.Get("type").GetNumberAsInt(), 1);
    const tinygltf::Node& hp1 = g.nodes.at(static_cast<size_t>(wing.children.at(0)));
    EXPECT_EQ(hp1.name, "hardpoint 1 7");
    ExpectNear({float(hp1.translation[0]), float(hp1.translation[1]), float(hp1.translation[2])}, {0, 1, 0});

    const auto& d = asym.extras.Get("descriptor");
    EXPECT_EQ(d.Get("meshType").GetNumberAsInt(), 5);
    EXPECT_EQ(d.Get("groupId").GetNumberAsInt(), 3);
    EXPECT_EQ(d.Get("target").Get(2).GetNumberAsDouble(), 3.0);
    EXPECT_EQ(d.Get("hitZoneMax").Get(1).GetNumberAsDouble(), 41.0);
    ASSERT_EQ(asym.extras.Get("rotationScale").ArrayLen(), 12u);
    EXPECT_EQ(asym.extras.Get("rotationScale").Get(1).GetNumberAsDouble(), 6.0);
    EXPECT_FALSE(wing.extras.Has("rotationScale"));
}

TEST(GltfExport, ImagesHoldThePaletteColoursTheViewUploads) {
    const auto m = Load(optb::export_model());
    const tinygltf::Model g = ReadBack(Gltf(m));
    const struct {
        const char* name;
        int slot;
        std::vector<uint8_t> pixels;
    } textures[] = {{"Hull", 0, {1, 2, 3, 4}}, {"Wing", 1, {9, 8, 7, 6, 5, 4, 3, 2}}};
    ASSERT_EQ(g.images.size(), 2u);
    for (const auto& t : textures) {
        const auto it =
            std::find_if(g.images.begin(), g.images.end(), [&](const auto& i) { return i.name == t.name; });
        ASSERT_NE(it, g.images.end()) << t.name;
        const auto& planes = m.store->Palettes[opt::PaletteNumber(t.slot, 6)];
        for (size_t i = 0; i < t.pixels.size(); ++i)
            for (size_t c = 0; c < 3; ++c)
                EXPECT_EQ(it->image.at(i * static_cast<size_t>(it->component) + c), planes[c][t.pixels[i]])
                    << t.name << " pixel " << i;
    }
    const auto& sampler = g.samplers.at(0);
    EXPECT_EQ(sampler.magFilter, TINYGLTF_TEXTURE_FILTER_NEAREST);
    EXPECT_EQ(sampler.wrapS, TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE);
}

// The export of the sample model's level 0, read back, and its mesh 0's primitive.
class Mesh0Export : public ::testing::Test {
protected:
    const export_test::LoadedModel m = Load(optb::export_model());
    const tinygltf::Model g = ReadBack(Gltf(m));
    const tinygltf::Primitive& prim = Mesh0Primitive(g);
    const std::vector<float> pos = Floats(g, prim.attributes.at("POSITION"));
};

// OPT x, y, z of mesh 0's vertices 1, 3 and 4 (20.5, 41 and 61.5 units along one axis each) land on
// +x, -z and +y in metres: a rotation, so no mirror image, with OPT's height up.
TEST_F(Mesh0Export, AxesTurnOptZUpWithoutMirroring) {
    auto has = [&](Vec want) {
        for (size_t i = 0; i * 3 < pos.size(); ++i)
            if (At(pos, i) == want) return true;
        return false;
    };
    const Vec x{1, 0, 0}, y{0, 0, -2}, z{0, 3, 0};
    EXPECT_TRUE(has(x));
    EXPECT_TRUE(has(y));
    EXPECT_TRUE(has(z));
    // The images of the x, y and z axes still form a right-handed frame.
    const Vec c = Cross(x, y);
    EXPECT_GT(c[0] * z[0] + c[1] * z[1] + c[2] * z[2], 0.0f);
}

// The view's front side (corners clockwise, glFrontFace(GL_CW)) is glTF's front side
// (counter-clockwise): the quad in OPT's z = 0 plane faces OPT +z, glTF +y; the triangle with a
// zero normal gets its front's geometric normal (OPT +y, glTF -z).
TEST_F(Mesh0Export, WindingKeepsTheViewsFrontSide) {
    const std::vector<float> nrm = Floats(g, prim.attributes.at("NORMAL"));
    const std::vector<uint32_t> idx = Indices(g, prim.indices);
    int quadTriangles = 0, zeroNormalTriangles = 0;
    for (size_t t = 0; t + 2 < idx.size(); t += 3) {
        const Vec a = At(pos, idx[t]), b = At(pos, idx[t + 1]), c = At(pos, idx[t + 2]);
        const Vec front = Cross(Minus(b, a), Minus(c, a));
        if (a[1] == 0 && b[1] == 0 && c[1] == 0) {  // the quad
            ++quadTriangles;
            EXPECT_GT(front[1], 0.0f);
            for (size_t k = 0; k < 3; ++k) ExpectNear(At(nrm, idx[t + k]), {0, 1, 0});
        } else if (a[2] == 0 && b[2] == 0 && c[2] == 0) {  // triangle 0, 1, 4 of normal 4 = 0
            ++zeroNormalTriangles;
            EXPECT_LT(front[2], 0.0f);
            for (size_t k = 0; k < 3; ++k)
                if (At(pos, idx[t + k])[1] > 0) ExpectNear(At(nrm, idx[t + k]), {0, 0, -1});  // vertex 4
        }
    }
    EXPECT_EQ(quadTriangles, 2);
    EXPECT_EQ(zeroNormalTriangles, 1);
}

// At every corner's texture coordinate the exported image shows the colour the view's upload puts
// there (GL's first texel row, t = 0, is the first stored row).
TEST_F(Mesh0Export, TextureOrientationMatchesTheView) {
    const std::vector<float> uv = Floats(g, prim.attributes.at("TEXCOORD_0"));
    const auto& image = g.images.at(
        static_cast<size_t>(g.textures
                                .at(static_cast<size_t>(g.materials.at(static_cast<size_t>(prim.material))
                                                            .pbrMetallicRoughness.baseColorTexture.index))
                                .source));

    // The view: texture record 0 ("Hull") uploaded through its palette, vertex v drawn with the
    // store's texture vertex v (faces of this mesh use equal vertex and texture-vertex indices).
    const opt::ModelStore& s = *m.store;
    const opt::TextureRecord& hull = s.ttx.Textures[0];
    const auto texels = opt::ExpandToRgb8(opt::FetchTexturePixels(m.bytes, hull).Indices,
                                          opt::SetPalette(s, opt::UploadPaletteNumber(s, 0)));
    auto colour = [](const std::vector<uint8_t>& rgb, size_t comps, int w, int h, float u, float v) {
        const size_t i = static_cast<size_t>(std::floor(v * float(h)) * w + std::floor(u * float(w))) * comps;
        return std::array<uint8_t, 3>{rgb.at(i), rgb.at(i + 1), rgb.at(i + 2)};
    };
    int checked = 0;
    for (int v = 0; v < s.tvx[0].Count; ++v) {
        const Vec p{s.tvx[0].X[v] / 20.5f, s.tvx[0].Z[v] / 20.5f, -s.tvx[0].Y[v] / 20.5f};
        for (size_t c = 0; c * 3 < pos.size(); ++c) {
            if (At(pos, c) != p) continue;
            EXPECT_EQ(colour(image.image, static_cast<size_t>(image.component), image.width, image.height,
                             uv[c * 2], uv[c * 2 + 1]),
                      colour(texels, 3, hull.Width, hull.Height, s.ttvx[0].U[v], s.ttvx[0].V[v]))
                << "vertex " << v;
            ++checked;
        }
    }
    EXPECT_GE(checked, 4);
}

// A texture at the top level shifts the view's vertex entries and hides its first face-data record;
// the export takes every face with its own mesh's records.
TEST(GltfExport, ATopLevelTextureLosesNoFaces) {
    const auto m = Load(optb::export_model_after_top_texture());
    ASSERT_EQ(m.store->Top_Textures, 1);
    const opt::ExportScene scene = opt::BuildExportScene(*m.store, m.bytes, Options());
    ASSERT_EQ(scene.Levels.at(0).Nodes.size(), 2u);
    EXPECT_EQ(scene.Levels[0].Nodes[0].Mesh, 1);
    EXPECT_EQ(scene.Levels[0].Nodes[0].Triangles(), optb::kExportMesh0Lod0Triangles);
    EXPECT_EQ(scene.Levels[0].Nodes[1].Triangles(), optb::kExportMesh1Lod0Triangles);
    EXPECT_EQ(scene.SkippedFaces(), optb::kExportSkippedLod0);
}

// Only a vertex index outside its mesh skips a face: a face without a normal takes its own flat
// normal, a textured face whose texture vertices are not all there goes to the plain material
// without texture coordinates; the summary counts each kind.
TEST(GltfExport, FacesLackingNormalsOrTextureVerticesAreKeptAndCounted) {
    const opt::test::TempDir dir;
    const auto m = Load(optb::export_model_lacking_records());
    const std::string path = (dir.path() / "lacking.glb").string();
    const opt::ExportResult r = opt::ExportGltf(*m.store, m.bytes, Options(), path);
    EXPECT_EQ(r.Summary,
              "Wrote " + path +
                  ": 2 meshes, 6 triangles, 2 textures, 1 faces without texture coordinates, 4 with "
                  "computed normals, 1 skipped: vertex index outside its mesh");
    // The command line says one of a kind as one; the window keeps its summary as it was.
    EXPECT_EQ(
        r.ExactSummary.substr(r.ExactSummary.find(": ")),
        ": 2 meshes, 6 triangles, 2 textures, 1 face without texture coordinates, 4 with computed normals, "
        "1 skipped: vertex index outside its mesh");
    EXPECT_EQ(r.Warning, "");
    const opt::ExportScene scene = opt::BuildExportScene(*m.store, m.bytes, Options());
    const opt::ExportMeshNode& wing = scene.Levels.at(0).Nodes.at(1);
    ASSERT_EQ(wing.Primitives.size(), 1u);
    EXPECT_EQ(scene.Materials.at(static_cast<size_t>(wing.Primitives[0].Material)).Name,
              opt::kUntexturedMaterial);
    EXPECT_EQ(wing.Primitives[0].Sides, std::vector<uint8_t>{4});
    for (const opt::ExportCorner& c : wing.Corners) EXPECT_EQ(c.Normal, (std::array<float, 3>{0, 1, 0}));
}

// Faces of one mesh share a corner where vertex, texture vertex and normal are the same, also
// across face-data records; a corner whose zero normal was replaced belongs to its face alone.
TEST(GltfExport, CornersAreSharedUnlessTheNormalWasReplaced) {
    const auto m = Load(optb::export_model());
    const opt::ExportScene scene = opt::BuildExportScene(*m.store, m.bytes, Options());
    const opt::ExportMeshNode& mesh0 = scene.Levels.at(0).Nodes.at(0);
    // quad 0,3,2,1; tri 0,1,4 and, in the next record, tri 1,2,4 (vertex 4's normal is zero).
    EXPECT_EQ(mesh0.Primitives.at(0).Indices, (std::vector<uint32_t>{0, 1, 2, 3, 0, 3, 4, 3, 2, 5}));
    EXPECT_EQ(mesh0.Corners.size(), 6u);
}

// Names are bytes of any value; the JSON holds them as Latin-1 characters in UTF-8.
TEST(GltfExport, NamesOfAnyBytesBecomeUtf8) {
    const auto m = Load(optb::export_model("Hull\xE9", "W\x96ng"));
    const tinygltf::Model g = ReadBack(Gltf(m));
    ASSERT_EQ(g.materials.size(), 2u);
    EXPECT_EQ(g.materials[0].name, "Hull\xC3\xA9");
    EXPECT_EQ(g.materials[1].name, "W\xC2\x96ng");
}

// The view folds the fifth face list of a LOD set into its level 3; the export keeps every face list
// at its own position in the set, a scene each.
TEST(GltfExport, EachFaceListOfALodSetIsALevelOfItsOwn) {
    const auto m = Load(optb::five_level_model());
    const std::vector<int32_t> levels = opt::LevelsInStore(*m.store);
    ASSERT_EQ(levels, (std::vector<int32_t>{0, 1, 2, 3, 4}));
    const opt::ExportScene scene = opt::BuildExportScene(*m.store, m.bytes, Options(levels));
    ASSERT_EQ(scene.Levels.size(), 5u);
    for (int32_t level : levels)  // face list j holds j + 1 triangles
        EXPECT_EQ(scene.Levels[static_cast<size_t>(level)].Nodes.at(0).Triangles(), level + 1) << level;
}

TEST(GltfExport, NoFacesAtTheLevelGivesAnEmptySceneAndAWarning) {
    const opt::test::TempDir dir;
    const auto m = Load(optb::export_model());
    const auto path = (dir.path() / "empty.glb").string();
    const opt::ExportResult r = opt::ExportGltf(*m.store, m.bytes, Options({5}), path);
    EXPECT_EQ(r.Warning, "Warning: no faces at level 5: the export holds no meshes");
    const tinygltf::Model g = ReadBack(opt::test::ReadFileBytes(path));
    EXPECT_TRUE(g.meshes.empty());
    // Hardpoints still have their meshes' nodes.
    EXPECT_EQ(g.scenes.at(0).nodes.size(), 2u);
}

TEST(GltfExport, AnUnwritablePathFailsAndLeavesNoFile) {
    const opt::test::TempDir dir;
    const auto m = Load(optb::export_model());
    const std::string path = (dir.path() / "missing" / "out.glb").string();
    try {
        opt::ExportGltf(*m.store, m.bytes, Options(), path);
        FAIL() << "no error";
    } catch (const opt::OptError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
