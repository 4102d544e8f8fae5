// zedaruz-cli export-gltf and export-obj: one flow over the demo model, and the exit statuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/cli/cli_run.h"

namespace {

using cli_testing::RunCli;
using cli_testing::Slurp;

TEST(ExportModelCommand, WritesGltfAndObjAndSaysWhat) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zedaruz_export_model_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string glb = (dir / "demo.glb").string();

    auto r = RunCli({"export-gltf", DEMO_MODEL_PATH, glb, "--all-lods"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Wrote " + glb + ": 8 meshes, 108 triangles, 2 textures, 0 skipped faces\n");
    EXPECT_EQ(Slurp(glb).substr(0, 4), "glTF");

    r = RunCli({"export-obj", DEMO_MODEL_PATH, (dir / "demo.obj").string(), "--lod", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(Slurp(dir / "demo.obj").find("LOD 1"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "Hull.png"));

    // A level the model does not have is bad usage, named with the levels it has; the file stays.
    const std::string written = Slurp(glb);
    for (const std::string level : {"9", "-1", "", "abc"}) {
        r = RunCli({"export-gltf", DEMO_MODEL_PATH, glb, "--lod", level});
        EXPECT_EQ(r.status, 2) << level;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
                  "There is no level '" + level + "': " + DEMO_MODEL_PATH + " has levels 0–1.");
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(Slurp(glb), written) << level;
    }

    const std::string lost = (dir / "no" / "x.gltf").string();
    r = RunCli({"export-gltf", DEMO_MODEL_PATH, lost});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Cannot create file " + lost + ": the folder " + (dir / "no").string() + " does not exist\n");
    EXPECT_EQ(RunCli({"export-obj", DEMO_MODEL_PATH, lost, "--all-lods"}).status, 2);
    std::filesystem::remove_all(dir);
}

}  // namespace
