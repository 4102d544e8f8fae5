// OBJ export: the files beside each other, quads kept, flipped V against the PNG rows, hardpoint
// comments, file names cleaned and made unique, and all-or-nothing writing.
#include <fstream>
#include <sstream>

#include "export/export_run.h"
#include "model/errors.h"
#include "tests/export/export_test_support.h"
#include "tests/render/export_temp_dir.h"
#include "tests/support/export_models.h"

namespace {

using export_test::Load;
using export_test::Options;

std::string Text(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int CountLines(const std::string& text, const std::string& prefix, int corners = -1) {
    std::istringstream in(text);
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) != 0) continue;
        if (corners < 0 || std::count(line.begin(), line.end(), ' ') == corners) ++n;
    }
    return n;
}

TEST(ObjExport, WritesObjMtlAndPngsWithQuadsKept) {
    const opt::test::TempDir dir;
    const auto m = Load(optb::export_model());
    const auto obj = dir.path() / "ship.obj";
    const opt::ExportResult r = opt::ExportObj(*m.store, m.bytes, Options(), obj.string());
    EXPECT_EQ(r.Summary, "Wrote " + obj.string() +
                             " (with ship.mtl and 2 PNG files): 2 meshes, 6 triangles, " +
                             "2 textures, 1 skipped faces");
    const std::string text = Text(obj);
    EXPECT_NE(text.find("mtllib ship.mtl\n"), std::string::npos);
    EXPECT_NE(text.find("\no mesh_0_"), std::string::npos);
    EXPECT_NE(text.find("\no mesh_1_"), std::string::npos);
    EXPECT_NE(text.find("\nusemtl Hull\n"), std::string::npos);
    EXPECT_EQ(CountLines(text, "f ", 4), 2);  // the two quads
    EXPECT_EQ(CountLines(text, "f ", 3), 2);  // the two triangles left at level 0
    EXPECT_NE(text.find("\n# hardpoint 0 1 2 0 -1\n"), std::string::npos);
    // OBJ counts V from the image's bottom row: (0.25, 0.25) of the file is written as (0.25, 0.75).
    EXPECT_NE(text.find("\nvt 0.25 0.75\n"), std::string::npos);
    const std::string mtl = Text(dir.path() / "ship.mtl");
    EXPECT_NE(mtl.find("newmtl Wing\nKd 1 1 1\nmap_Kd Wing.png\n"), std::string::npos);
    EXPECT_EQ(opt::test::ReadFileBytes(dir.path() / "Hull.png").size() > 8, true);
    EXPECT_EQ(opt::test::ReadFileBytes(dir.path() / "Wing.png").size() > 8, true);
}

TEST(ObjExport, TextureNamesAreCleanedAndMadeUnique) {
    const opt::test::TempDir dir;
    const auto m = Load(optb::export_model("../A:1", "../a?1"));
    opt::ExportObj(*m.store, m.bytes, Options(), (dir.path() / "out.obj").string());
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "__A_1.png"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "__a_1_2.png"));
    EXPECT_NE(Text(dir.path() / "out.mtl").find("map_Kd __a_1_2.png"), std::string::npos);
}

// The .mtl cannot take its name (a folder holds it): nothing of the export is left behind.
TEST(ObjExport, AFileThatCannotBeWrittenLeavesNoneBehind) {
    const opt::test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "out.mtl");
    const auto m = Load(optb::export_model());
    try {
        opt::ExportObj(*m.store, m.bytes, Options(), (dir.path() / "out.obj").string());
        FAIL() << "no error";
    } catch (const opt::OptError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + (dir.path() / "out.mtl").string());
    }
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"out.mtl"});
}

}  // namespace
