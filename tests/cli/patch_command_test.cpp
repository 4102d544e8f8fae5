// zedaruz-cli's patch commands: each changes exactly the named field in place, prints what it wrote,
// and fails with status 1 (message on standard error) or 2 (usage) without touching the file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "tests/cli/cli_run.h"
#include "tests/render/export_temp_dir.h"
#include "tests/support/opt_builder.h"

namespace {

using cli_testing::RunCli;
using optb::Face;

float FloatAt(const std::vector<uint8_t>& b, int64_t pos) {
    float f = 0;
    std::memcpy(&f, b.data() + pos, 4);
    return f;
}

int32_t IntAt(const std::vector<uint8_t>& b, int64_t pos) {
    int32_t v = 0;
    std::memcpy(&v, b.data() + pos, 4);
    return v;
}

optb::FaceList Faces(std::vector<Face> faces) {
    return optb::FaceList{
        .children = {optb::TextureRef{.name = "HULL"}, optb::FaceData{.faces = std::move(faces)}}};
}

class PatchCommand : public ::testing::Test {
protected:
    PatchCommand() {
        using namespace optb;
        Model m;
        m.entries.push_back(
            Mesh{.children = {
                     Vertices{.points = {{0, 0, 0}, {2, 0, 0}, {0, 4, -6}}},
                     Hardpoint{.hp_type = 1, .pos = {1, 2, 3}, .label = "hp0"},
                     Descriptor{.mesh_type = 5, .group_id = 3, .label = "d0"},
                     RotScale{.centre = {}, .label = "rs0"},
                     LodSet{.distances = {100.f, 200.f},
                            .face_lists = {Faces({Face::tri(0, 1, 2)}), Faces({Face::tri(0, 1, 2)})},
                            .label = "lod0"},
                 }});
        m.entries.push_back(Mesh{
            .children = {
                Vertices{.points = {{10, 10, 10}, {12, 10, 10}, {10, 11, 10}, {10, 10, 15}}},
                Descriptor{.label = "d1"},
                RotScale{.centre = {}, .label = "rs1"},
                LodSet{
                    .distances = {300.f}, .face_lists = {Faces({Face::quad(0, 1, 2, 3)})}, .label = "lod1"},
            }});
        built = optb::build(m);
        optb::write_file(path, built.bytes);
        ::setenv("ZEDARUZ_JOURNAL", (dir.path() / "journal.jsonl").c_str(), 1);
    }
    std::vector<uint8_t> Disk() const { return opt::test::ReadFileBytes(path); }
    int64_t Data(const char* label) const { return built.layout.at(label).data_pos; }
    int64_t Block(const char* label) const { return built.layout.at(label).pos; }
    // The bytes that differ from the file as built: every one must lie in [pos, pos + len).
    void ExpectOnlyWithin(int64_t pos, int64_t len) const {
        const auto now = Disk();
        ASSERT_EQ(now.size(), built.bytes.size());
        bool any = false;
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i] == built.bytes[i]) continue;
            any = true;
            EXPECT_TRUE(int64_t(i) >= pos && int64_t(i) < pos + len) << "byte " << i << " changed";
        }
        EXPECT_TRUE(any) << "nothing changed";
    }
    bool Unchanged() const { return Disk() == built.bytes; }

    opt::test::TempDir dir;
    std::filesystem::path path = dir.path() / "ship.opt";
    optb::Built built;
};

TEST_F(PatchCommand, SetHardpointCoordinate) {
    const auto run = RunCli({"set-hardpoint", path.string(), "0", "y", "-12.25"});
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectOnlyWithin(Data("hp0") + 8, 4);
    EXPECT_EQ(FloatAt(Disk(), Data("hp0") + 8), -12.25f);
    EXPECT_NE(run.out.find("Wrote 40 bytes at position " + std::to_string(Block("hp0")) + ": hardpoint 0"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("New Hardpoint ********"), std::string::npos);
}

TEST_F(PatchCommand, SetDescriptorGroupWritesOnlyTheDescriptorWhoseBytesChange) {
    const auto run = RunCli({"set-descriptor", path.string(), "0", "group", "9"});
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectOnlyWithin(Block("d0") + 80, 4);
    EXPECT_EQ(IntAt(Disk(), Block("d0") + 80), 9);
    EXPECT_NE(
        run.out.find("Wrote 96 bytes at position " + std::to_string(Block("d0")) + ": mesh descriptor 0"),
        std::string::npos);
    EXPECT_EQ(run.out.find("mesh descriptor 1"), std::string::npos) << run.out;
}

TEST_F(PatchCommand, SetLodDistanceChangesDistanceKOfEverySet) {
    const auto run = RunCli({"set-lod-distance", path.string(), "0", "50"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto now = Disk();
    EXPECT_EQ(FloatAt(now, Data("lod0")), 50.0f);
    EXPECT_EQ(FloatAt(now, Data("lod0") + 4), 200.0f);
    EXPECT_EQ(FloatAt(now, Data("lod1")), 50.0f);
    EXPECT_NE(run.out.find(path.string() + " LOD`s updated"), std::string::npos);
    EXPECT_EQ(RunCli({"set-lod-distance", path.string(), "3", "50"}).status, 2);
}

TEST_F(PatchCommand, SetRshFloat) {
    const auto run = RunCli({"set-rsh", path.string(), "1", "4", "2.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectOnlyWithin(Data("rs1") + 16, 4);
    EXPECT_EQ(FloatAt(Disk(), Data("rs1") + 16), 2.5f);
    EXPECT_NE(run.out.find("File updated.. "), std::string::npos);
}

TEST_F(PatchCommand, HitZonesAreComputedAtResolutionZeroAndWrittenOnRequest) {
    const auto dry = RunCli({"hitzones", path.string()});
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_TRUE(Unchanged());
    EXPECT_NE(dry.out.find("descriptor 0  HZ_Min 0 0 -6  HZ_Max 2 4 0  HZ_Span 2 4 6  HZ_Centre 1 2 -3"),
              std::string::npos)
        << dry.out;
    EXPECT_NE(dry.out.find("descriptor 1  HZ_Min 10 10 10  HZ_Max 12 11 15"), std::string::npos) << dry.out;
    const auto write = RunCli({"hitzones", path.string(), "--write"});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(FloatAt(Disk(), Block("d0") + 56 + 8), -6.0f);  // HZ_Min Z
    EXPECT_EQ(FloatAt(Disk(), Block("d1") + 68 + 8), 15.0f);  // HZ_Max Z
    EXPECT_NE(write.out.find(path.string() + " Updated with new HitZone(s)"), std::string::npos);
    // The window's warning as it stands, then what is true of the command line.
    EXPECT_NE(write.out.find("there is no undo feature for hitzones\n(zedaruz-cli revert " + path.string() +
                             " undoes this write)\n"),
              std::string::npos)
        << write.out;
    EXPECT_EQ(dry.out.find("undoes this write"), std::string::npos);
    const auto centres = RunCli({"hitzones", path.string(), "--copy-centres"});
    ASSERT_EQ(centres.status, 0) << centres.err;
    EXPECT_EQ(FloatAt(Disk(), Data("rs0") + 8), -3.0f);
    const auto zero = RunCli({"hitzones", path.string(), "--zero"});
    ASSERT_EQ(zero.status, 0) << zero.err;
    EXPECT_EQ(FloatAt(Disk(), Block("d0") + 56 + 8), 0.0f);
    EXPECT_EQ(FloatAt(Disk(), Block("d0") + 32 + 8), 6.0f);  // the span stays
    EXPECT_EQ(Disk().size(), built.bytes.size());
}

// The type names come from the AppData folder next to the executable, as in the window. The test
// puts its own lookup files there and restores whatever was there before.
class LookupFilesBesideTheProgram {
public:
    LookupFilesBesideTheProgram() : dir_(std::filesystem::path(CLI_PATH).parent_path() / "AppData") {
        made_ = std::filesystem::create_directory(dir_);
        Put("HardPoints.txt", "None\nRebelLaser\nTurboRebelLaser\nCockpit\n");
        Put("MeshType.txt", "DEFAULT\nMAINHULL\nWING\nEND\n");
    }
    ~LookupFilesBesideTheProgram() {
        for (auto& [name, old] : saved_) {
            if (old) {
                opt::test::WriteBytes(dir_ / name, *old);
            } else {
                std::filesystem::remove(dir_ / name);
            }
        }
        if (made_) std::filesystem::remove(dir_);
    }

private:
    void Put(const std::string& name, const std::string& text) {
        std::optional<std::vector<uint8_t>> old;
        if (std::filesystem::exists(dir_ / name)) old = opt::test::ReadFileBytes(dir_ / name);
        saved_.emplace_back(name, old);
        opt::test::WriteBytes(dir_ / name, std::vector<uint8_t>(text.begin(), text.end()));
    }
    std::filesystem::path dir_;
    bool made_ = false;
    std::vector<std::pair<std::string, std::optional<std::vector<uint8_t>>>> saved_;
};

TEST_F(PatchCommand, TypeNamesAreResolvedAgainstTheLookupFiles) {
    LookupFilesBesideTheProgram lookup;
    auto run = RunCli({"set-hardpoint", path.string(), "0", "type", "TurboRebelLaser"});
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectOnlyWithin(Data("hp0"), 4);
    EXPECT_EQ(IntAt(Disk(), Data("hp0")), 2);
    run = RunCli({"set-descriptor", path.string(), "1", "type", "WING"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(IntAt(Disk(), Block("d1") + 24), 2);
    const auto before = Disk();
    run = RunCli({"set-hardpoint", path.string(), "0", "type", "Cockpit"});  // the last line is never used
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("'Cockpit' is neither a type code nor a type name"), std::string::npos) << run.err;
    EXPECT_EQ(Disk(), before);
    // A code is taken as it is, with or without a lookup file.
    run = RunCli({"set-hardpoint", path.string(), "0", "type", "4"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(IntAt(Disk(), Data("hp0")), 4);
}

// Every usage error of a patch command: what is wrong, the command's usage line, where to read more;
// exit 2 and the file as it was.
TEST_F(PatchCommand, UsageErrorsSayWhatThenTheCommandsUsageLine) {
    struct Case {
        std::vector<std::string> words;
        std::string what, usage;
    };
    const std::string p = path.string();
    for (const Case& c : {
             Case{{"revert", p, "abc"},
                  "'abc' is not a write id: give a number, or ID:LINE as 'zedaruz-cli history' names it.",
                  "revert FILE [ID]"},
             Case{{"set-hardpoint", p, "abc", "x", "1"},
                  "'abc' is not an entry number.",
                  "set-hardpoint FILE INDEX PART VALUE"},
             Case{{"set-hardpoint", p, "0", "z", "-inf"},  // a value, never taken for an option
                  "'-inf' is not a valid floating point value.",
                  "set-hardpoint FILE INDEX PART VALUE"},
             Case{{"import-texture", p, "HULL", p, "--level", "abc"},
                  "The palette level must be 0 to 15.",
                  "import-texture FILE TEXTURE_NAME IMAGE [--level N]"},
         }) {
        const auto run = RunCli(c.words);
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_EQ(run.err, c.what + "\nUsage: zedaruz-cli " + c.usage + "\nRun 'zedaruz-cli " + c.words[0] +
                               " --help' for more\n");
        EXPECT_TRUE(Unchanged()) << c.what;
    }
}

TEST_F(PatchCommand, FailuresLeaveTheFileAsItWas) {
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string message;
    };
    const std::string p = path.string();
    const std::string missing = (dir.path() / "missing.opt").string();
    for (const Case& c : {
             Case{{"set-hardpoint", p, "0", "x"}, 2, "Usage:"},
             Case{{"set-hardpoint", p, "0", "w", "1"}, 2, "'w' is not a part name."},
             Case{{"set-hardpoint", p, "-1", "x", "1"}, 2, "'-1' is not an entry number."},
             Case{{"set-rsh", p, "0", "12", "1"}, 2, "FLOAT_NO must be 0 to 11."},
             Case{{"hitzones", p, "--all"}, 2, "Unknown option '--all'."},
             Case{{"set-hardpoint", p, "0", "x", "abc"}, 2, "'abc' is not a valid floating point value"},
             Case{{"set-descriptor", p, "0", "unknown", "1.5"}, 2, "'1.5' is not a valid integer value"},
             Case{{"set-hardpoint", p, "5", "x", "1"}, 1, p + " holds no hardpoint 5"},
             Case{{"set-rsh", p, "7", "0", "1"}, 1, p + " holds no rotation/scale block 7"},
             Case{{"set-hardpoint", missing, "0", "x", "1"},
                  1,
                  "Cannot open file " + missing + ": no such file or directory"},
         }) {
        const auto run = RunCli(c.words);
        EXPECT_EQ(run.status, c.status) << c.words[0] << " " << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(Unchanged()) << c.message;
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace

namespace {

TEST_F(PatchCommand, EveryWriteIsJournaledAndCanBeReverted) {
    auto r = RunCli({"history", path.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "No writes recorded for " + path.string() + "\n");
    ASSERT_EQ(RunCli({"set-hardpoint", path.string(), "0", "x", "9"}).status, 0);
    r = RunCli({"history", path.string()});
    ASSERT_EQ(r.Lines().size(), 1u);
    EXPECT_NE(r.out.find("1 run, 40 bytes  hardpoint 0  current"), std::string::npos) << r.out;
    r = RunCli({"revert", path.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.Lines().front(), "Reverted write 1 of " + path.string());
    EXPECT_EQ(Disk(), built.bytes);
    r = RunCli({"revert", path.string(), "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("later write 2"), std::string::npos) << r.err;
    EXPECT_EQ(Disk(), built.bytes);
    // A write of the values the file holds says so once.
    r = RunCli({"set-hardpoint", path.string(), "0", "x", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Nothing written: " + path.string() + " already holds these values.\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("Nothing written"), r.out.rfind("Nothing written")) << r.out;
    // A folder in the journal's place is named as such, not taken for a journal without writes.
    r = cli_testing::StartedCli({"history", path.string()},
                                "ZEDARUZ_JOURNAL=" + cli_testing::Quote(dir.path().string()))
            .Finish();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Cannot read the write journal " + dir.path().string() + ": it is a folder, not a file\n");
}

}  // namespace

namespace {

TEST_F(PatchCommand, WritersAtTheSameMomentTakeTurnsAndEveryWriteReportedIsOnDisk) {
    // Three fields of hardpoint 0 (one 40-byte block) and a rotation/scale float, started together,
    // five times over. Each writer either writes, and its value is on disk when all have ended, or
    // refuses because the block changed on disk since its load; none waits in vain.
    struct Writer {
        std::vector<std::string> words;
        int64_t position;
        std::string what;
    };
    const std::string p = path.string();
    int written = 0;
    for (int round = 1; round <= 5; ++round) {
        const auto value = [&](int k) { return std::to_string(round * 10 + k); };
        const std::vector<Writer> writers{
            {{"set-hardpoint", p, "0", "x", value(1)}, Data("hp0") + 4, "hardpoint 0"},
            {{"set-hardpoint", p, "0", "y", value(2)}, Data("hp0") + 8, "hardpoint 0"},
            {{"set-hardpoint", p, "0", "z", value(3)}, Data("hp0") + 12, "hardpoint 0"},
            {{"set-rsh", p, "1", "4", value(4)}, Data("rs1") + 16, "rotation"},
        };
        std::vector<std::unique_ptr<cli_testing::StartedCli>> started;
        for (const auto& w : writers) started.push_back(std::make_unique<cli_testing::StartedCli>(w.words));
        std::vector<cli_testing::Run> runs;
        for (auto& s : started) runs.push_back(s->Finish());
        const auto now = Disk();
        for (size_t k = 0; k < writers.size(); ++k) {
            const auto& run = runs[k];
            if (run.status == 0) {
                ++written;
                EXPECT_EQ(FloatAt(now, writers[k].position), std::stof(writers[k].words.back()))
                    << round << k;
            } else {
                EXPECT_EQ(run.status, 1) << run.err;
                EXPECT_NE(run.err.find("no longer holds the bytes read there at load time"),
                          std::string::npos)
                    << run.err;
                EXPECT_EQ(writers[k].what, "hardpoint 0");  // the other block never conflicts
            }
        }
    }
    // One record per write made, with its own id; of each block's writes only the newest is current.
    const auto history = RunCli({"history", p}).Lines();
    ASSERT_EQ(history.size(), static_cast<size_t>(written));
    std::set<std::string> ids, currentBlocks;
    for (const auto& line : history) {
        EXPECT_TRUE(ids.insert(line.substr(0, line.find(' '))).second) << line;
        const std::string block = line.find("hardpoint 0") != std::string::npos ? "hp" : "rs";
        const bool current = line.ends_with("  current");
        EXPECT_TRUE(current || line.ends_with("  changed since")) << line;
        EXPECT_EQ(current, currentBlocks.insert(block).second) << line;  // newest first
    }
}

}  // namespace
