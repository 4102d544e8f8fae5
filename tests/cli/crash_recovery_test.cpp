// zedaruz-cli stopped by a crash in the middle of a patch: a small library loaded with LD_PRELOAD
// (tests/crash/write_crash_shim.cpp) ends the program at its Nth write-like system call (the
// journal's append and its flush, each run, the model's flush, the done mark), or tears that call's
// bytes in half first. After every such stop, `revert FILE` brings the file back byte for byte and
// the same edit then succeeds.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"
#include "tests/render/export_temp_dir.h"
#include "tests/support/opt_builder.h"

namespace {

using optb::Face;

constexpr int kStopped = 86;  // the library's exit status

class CrashRecovery : public ::testing::Test {
protected:
    CrashRecovery() {
        using namespace optb;
        Model m;
        // Two meshes with a LOD set each: a LOD distance is written as two runs.
        for (float base : {0.f, 10.f}) {
            Mesh mesh{
                .children = {
                    Vertices{.points = {{base, 0, 0}, {base + 2, 0, 0}, {base, 4, 0}}},
                    LodSet{.distances = {100.f + base},
                           .face_lists = {FaceList{.children = {FaceData{.faces = {Face::tri(0, 1, 2)}}}}}}}};
            if (base == 0.f) mesh.children.push_back(Hardpoint{.hp_type = 1, .pos = {1, 2, 3}});
            m.entries.push_back(mesh);
        }
        original = optb::build(m).bytes;
    }

    std::vector<uint8_t> Disk() const { return opt::test::ReadFileBytes(path); }
    // The model as built, and no journal.
    void Reset() const {
        opt::test::WriteBytes(path, original);
        std::filesystem::remove(journal);
    }
    // The shell's assignments that run the program with the library stopping it at call n.
    std::string StopAt(int n, bool tear) const {
        return "LD_PRELOAD=" + cli_testing::Quote(CRASH_SHIM_PATH) +
               " ZEDARUZ_CRASH_AT=" + std::to_string(n) + " ZEDARUZ_CRASH_TEAR=" + (tear ? "1" : "0") +
               // A sanitizer build's runtime would refuse to come after the library.
               " ASAN_OPTIONS=verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}";
    }
    // Runs the program with the test's journal, after the shell's assignments env.
    cli_testing::Run Cli(const std::vector<std::string>& words, const std::string& env = "") const {
        return cli_testing::StartedCli(words,
                                       "ZEDARUZ_JOURNAL=" + cli_testing::Quote(journal.string()) + " " + env)
            .Finish();
    }

    // Stops the edit at each of its write-like calls in turn, whole or torn, until it runs through.
    // Returns how many stops left a write interrupted (some runs written, some not).
    int StopAtEveryCall(const std::vector<std::string>& edit) {
        int interrupted = 0;
        Reset();
        EXPECT_EQ(Cli(edit).status, 0);
        const std::vector<uint8_t> edited = Disk();
        EXPECT_NE(edited, original);
        for (bool tear : {false, true}) {
            for (int n = 1;; ++n) {
                if (n == 50) {
                    ADD_FAILURE() << "the edit never ran through";
                    return interrupted;
                }
                Reset();
                const auto stopped = Cli(edit, StopAt(n, tear));
                if (stopped.status == 0) {
                    EXPECT_EQ(Disk(), edited);  // past its last call: the edit is whole
                    EXPECT_GT(n, 5) << "fewer calls than a journaled write makes";
                    break;
                }
                const std::string at =
                    edit[0] + (tear ? " torn at call " : " stopped at call ") + std::to_string(n);
                EXPECT_EQ(stopped.status, kStopped) << at << ": " << stopped.err;
                const auto left = Disk();
                EXPECT_EQ(left.size(), original.size()) << at;
                if (Cli({"history", path.string()}).out.find("interrupted\n") != std::string::npos) {
                    ++interrupted;
                    const auto loaded = Cli({"hitzones", path.string()});  // loads, writes nothing
                    EXPECT_NE(loaded.err.find(") was interrupted: "), std::string::npos) << at << loaded.err;
                }
                const auto revert = Cli({"revert", path.string()});
                if (revert.status != 0) {  // only when the stop came before any byte changed
                    EXPECT_EQ(left, original) << at << ": " << revert.err;
                    EXPECT_NE(revert.err.find("nothing to revert"), std::string::npos) << at << revert.err;
                }
                EXPECT_EQ(Disk(), original) << at;
                const auto again = Cli(edit);
                EXPECT_EQ(again.status, 0) << at << ": " << again.err;
                EXPECT_EQ(Disk(), edited) << at;
            }
        }
        return interrupted;
    }

    opt::test::TempDir dir;
    std::filesystem::path path = dir.path() / "ship.opt";
    std::filesystem::path journal = dir.path() / "journal.jsonl";
    std::vector<uint8_t> original;
};

TEST_F(CrashRecovery, AHardpointWriteStoppedAtAnyCallIsRevertedByteForByte) {
    StopAtEveryCall({"set-hardpoint", path.string(), "0", "x", "7"});  // one run: never a mix of runs
}

TEST_F(CrashRecovery, ALodDistanceWriteOfTwoRunsStoppedAtAnyCallIsRevertedByteForByte) {
    // 55.125 differs from 100 in the second of its four bytes, so a torn run holds a mix of both.
    EXPECT_GE(StopAtEveryCall({"set-lod-distance", path.string(), "0", "55.125"}), 3);
}

}  // namespace
