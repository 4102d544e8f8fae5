// zedaruz-cli's parsing (help, version, bad words) and the info, check and diff commands.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "inspect/model_records.h"
#include "model/reader.h"
#include "tests/cli/cli_run.h"
#include "tests/render/export_temp_dir.h"
#include "tests/support/opt_builder.h"
#include "tests/support/sample_models.h"

namespace {

using cli_testing::RunCli;
using nlohmann::json;
namespace fs = std::filesystem;

const char* const kCommands[] = {"list",          "info",           "check",
                                 "diff",          "export-bmp",     "export-pals",
                                 "set-hardpoint", "set-descriptor", "set-lod-distance",
                                 "set-rsh",       "hitzones",       "set-hardpoints"};

TEST(CommandLine, EveryCommandHasHelpAndTheToolHasAVersion) {
    for (const char* command : kCommands) {
        const auto run = RunCli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find(std::string("Usage: zedaruz-cli ") + command), std::string::npos) << run.out;
    }
    const auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zedaruz-cli ", 0), 0u) << version.out;
}

TEST(CommandLine, BadWordsExitWithStatus2AndSayWhy) {
    struct Case {
        std::vector<std::string> words;
        std::string message;
    };
    const Case cases[] = {
        {{"info", DEMO_MODEL_PATH, "--bogus"}, "Unknown option '--bogus'."},
        {{"info", DEMO_MODEL_PATH, "extra"}, "Unexpected word 'extra'."},
        {{"diff", DEMO_MODEL_PATH}, "B is required"},
        {{"frobnicate"}, "Unknown command 'frobnicate'."},
        {{"hitzones", DEMO_MODEL_PATH, "--write", "--zero"}, "--write excludes --zero"},
        {{"set-rsh", DEMO_MODEL_PATH, "0", "0"}, "VALUE is required"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(c.words);
        EXPECT_EQ(run.status, 2) << c.words[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage:"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

// Every usage error: what is wrong, the command's usage line, where to read more; exit 2.
TEST(CommandLine, UsageErrorsSayWhatThenTheCommandsUsageLine) {
    struct Case {
        std::vector<std::string> words;
        std::string what, usage, more;
    };
    const Case cases[] = {
        {{"diff", DEMO_MODEL_PATH}, "B is required.", "diff A B [--json]", "zedaruz-cli diff"},
        {{"list", DEMO_MODEL_PATH, "no-such-listing"},
         "Unknown listing 'no-such-listing'.",
         "list FILE [NAME...]",
         "zedaruz-cli list"},
        {{"hitzones", DEMO_MODEL_PATH, "--write", "--zero"},
         "--write excludes --zero.",
         "hitzones FILE [--write | --zero | --copy-centres]",
         "zedaruz-cli hitzones"},
        {{"info", DEMO_MODEL_PATH, "--tables", "small"},
         "--tables: the sizes are grown or classic, not 'small'.",
         "info FILE [--json]",
         "zedaruz-cli info"},
        {{"frobnicate"},
         "Unknown command 'frobnicate'.",
         "[--tables grown|classic] COMMAND [WORDS...]",
         "zedaruz-cli"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(c.words);
        EXPECT_EQ(run.status, 2) << c.words[0];
        EXPECT_EQ(run.err,
                  c.what + "\nUsage: zedaruz-cli " + c.usage + "\nRun '" + c.more + " --help' for more\n");
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(InfoCommand, JsonHoldsTheStoresRecordsWithTheirPositions) {
    const auto run = RunCli({"info", DEMO_MODEL_PATH, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json j = json::parse(run.out);
    auto store = std::make_unique<opt::ModelStore>();
    opt::Load(*store, DEMO_MODEL_PATH);

    EXPECT_EQ(j["header"]["main_offset"], store->txw.Main_Offset);
    EXPECT_TRUE(j["warnings"].empty());
    EXPECT_FALSE(j["damaged"]);
    size_t hardpoints = 0;
    for (const auto& h : j["hardpoints"]) {
        const opt::HardpointRecord& r = store->ttbh[h["index"].get<int>()];
        EXPECT_EQ(h["position"], r.Data_Offset);
        EXPECT_EQ(h["x"], r.X);
        EXPECT_EQ(h["y"], r.Y);
        EXPECT_EQ(h["z"], r.Z);
        EXPECT_EQ(h["type_code"], r.HP_Type);
        ++hardpoints;
    }
    size_t stored = 0;
    for (const auto& r : store->ttbh.Entries) stored += r.Type == opt::kHardpoint ? 1 : 0;
    EXPECT_EQ(hardpoints, stored);
    ASSERT_EQ(j["meshes"].size(), 4u);
    for (const auto& m : j["meshes"]) {
        ASSERT_EQ(m["descriptors"].size(), 1u);
        const auto& d = m["descriptors"][0];
        const opt::DescriptorRecord& r = store->tcb[d["index"].get<int>()];
        EXPECT_EQ(d["mesh"], m["index"]);
        EXPECT_EQ(d["type_code"], r.Mesh_Type);
        EXPECT_EQ(d["hit_zone_max_y"], r.HZ_Max[1]);
        EXPECT_GT(m["faces_lod0"].get<int>(), 0);
    }
    ASSERT_EQ(j["textures"].size(), 2u);
    EXPECT_EQ(j["textures"][1]["name"], "Wing");
    EXPECT_EQ(j["textures"][1]["width"], 10);
    EXPECT_EQ(j["textures"][1]["height"], 6);
    EXPECT_EQ(j["lod_sets"][0]["distance_0"], store->ttmdh[0].Distance[0]);
}

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "pack" / "old");
        good = (dir.path() / "pack" / "Good.OPT").string();
        cut = (dir.path() / "pack" / "old" / "cut.op1").string();
        fs::copy_file(DEMO_MODEL_PATH, good);
        auto bytes = cli_testing::Slurp(DEMO_MODEL_PATH);
        bytes.resize(bytes.size() / 2);
        std::ofstream(cut, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(dir.path() / "pack" / "notes.txt") << "not a model";
    }
    opt::test::TempDir dir;
    std::string good, cut;
};

TEST_F(FileCommands, CheckNamesEveryFileAndFailsOnDamage) {
    auto run = RunCli({"check", (dir.path() / "pack").string()});
    EXPECT_EQ(run.status, 1);
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[0], good + ": ok");
    EXPECT_EQ(lines[1].rfind(cut + ": damaged: Warning: ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "2 files: 1 ok, 0 with notes, 1 damaged, 0 unreadable");

    EXPECT_EQ(RunCli({"check", good}).status, 0);
    run = RunCli({"check", good, "--json", (dir.path() / "missing.opt").string()});
    EXPECT_EQ(run.status, 1);
    const json j = json::parse(run.out);
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0]["status"], "ok");
    EXPECT_EQ(j[1]["status"], "unreadable");
}

TEST_F(FileCommands, DiffShowsExactlyTheFieldThatSetHardpointChanged) {
    const std::string patched = (dir.path() / "patched.opt").string();
    fs::copy_file(good, patched);
    ASSERT_EQ(RunCli({"set-hardpoint", patched, "3", "x", "-.5"}).status, 0);

    const auto same = RunCli({"diff", good, good});
    EXPECT_EQ(same.status, 0);
    EXPECT_TRUE(same.out.empty());
    const auto run = RunCli({"diff", good, patched});
    EXPECT_EQ(run.status, 1);
    auto store = std::make_unique<opt::ModelStore>();
    opt::Load(*store, good);
    const std::string pos = std::to_string(store->ttbh[3].Data_Offset);
    EXPECT_EQ(run.Lines(),
              std::vector<std::string>{"hardpoint 3 x: " + opt::ValueText(double{store->ttbh[3].X}) +
                                       " -> -0.50 (A " + pos + ", B " + pos + ")"});
    const json j = json::parse(RunCli({"diff", good, patched, "--json"}).out);
    ASSERT_EQ(j["changes"].size(), 1u);
    EXPECT_EQ(j["changes"][0]["b"], -0.5);

    const auto missing = RunCli({"diff", good, (dir.path() / "missing.opt").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Cannot open file"), std::string::npos);
}

// Files whose tables are equal but whose bytes are not differ (exit 1); a damaged file's warnings
// come before the differences.
TEST_F(FileCommands, DiffFailsOnAnyByteAndSaysADamagedFilesWarningsFirst) {
    const std::string touched = (dir.path() / "touched.opt").string();
    auto bytes = cli_testing::Slurp(DEMO_MODEL_PATH);
    bytes[bytes.size() - 1] ^= 0x01;  // the last palette's last colour
    std::ofstream(touched, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto run = RunCli({"diff", good, touched});
    EXPECT_EQ(run.status, 1);
    ASSERT_FALSE(run.Lines().empty()) << run.out;
    EXPECT_EQ(run.Lines().back().rfind("palette ", 0), 0u) << run.out;

    const auto damaged = RunCli({"diff", cut, good});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.Lines().at(0).rfind(cut + ": Warning: ", 0), 0u) << damaged.out;
    EXPECT_NE(damaged.Lines().back().find(" other bytes differ, the first at position "), std::string::npos)
        << damaged.out;
}

// A file that holds no model is no success: info fails saying why, check calls it unreadable.
TEST_F(FileCommands, FilesWithoutAModelFailInfoAndCheck) {
    const std::string zeros = (dir.path() / "zeros.opt").string();
    std::ofstream(zeros, std::ios::binary) << std::string(1000, '\0');
    auto run = RunCli({"info", zeros});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, zeros + " holds no model (its top-level jump list holds no entry)\n");
    EXPECT_TRUE(run.out.empty());
    const std::string empty = (dir.path() / "empty.opt").string();
    std::ofstream{empty};
    EXPECT_EQ(RunCli({"info", empty, "--json"}).err,
              empty + " holds no model (it is 0 bytes long, too short for the 22-byte header)\n");

    run = RunCli({"check", zeros});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.Lines(),
              (std::vector<std::string>{
                  zeros + ": unreadable: holds no model (its top-level jump list holds no entry)",
                  "1 file: 0 ok, 0 with notes, 0 damaged, 1 unreadable"}));
}

// Meshes are the top-level entries that are not textures; a LOD set's fifth face list is level 4 of
// info and of the exports, not part of level 3; a warning of two lines is one warning.
TEST_F(FileCommands, InfoAndExportsCountEveryLevelAndOnlyMeshes) {
    const std::string five = (dir.path() / "five.opt").string();
    optb::write_file(five, optb::build(optb::five_level_model()).bytes);
    auto run = RunCli({"info", five});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.Lines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Meshes: 1");
    EXPECT_EQ(lines[1], "Faces per level: level 0: 1, level 1: 2, level 2: 3, level 3: 4, level 4: 5");
    EXPECT_EQ(lines[5], "Warnings: 1");

    const json j = json::parse(RunCli({"info", five, "--json"}).out);
    ASSERT_EQ(j["meshes"].size(), 1u);
    EXPECT_EQ(j["meshes"][0]["levels"], j["lod_sets"][0]["levels"]);
    EXPECT_EQ(j["meshes"][0]["faces_lod4"], 5);

    const std::string gltf = (dir.path() / "five.gltf").string();
    run = RunCli({"export-gltf", five, gltf, "--all-lods"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Wrote " + gltf + ": 5 meshes, 15 triangles, 1 texture, ", 0), 0u) << run.out;
    EXPECT_EQ(json::parse(cli_testing::Slurp(gltf))["scenes"].size(), 5u);
}

}  // namespace
