// Every editor action on damaged files: nothing crashes, the file keeps its length, and every byte
// that changes lies inside a run the edit area reported as written.
#include <fstream>
#include <functional>
#include <random>

#include "model/bytes.h"
#include "tests/ui_edit/edit_fixture.h"

namespace edit_test {
namespace {

using opt::test::ReadFileBytes;
using opt::test::TempDir;

using opt::test::WriteBytes;

// Runs every handler of the edit area over the file, checking the file after each one; returns how
// many bytes the editors changed in all.
size_t ExerciseEditors(const std::filesystem::path& file, const std::string& appData) {
    size_t changed = 0;
    auto store = std::make_unique<opt::ModelStore>();
    opt::SelectionState selection;
    RecordingHost host(*store, selection);
    opt::Load(*store, file.string());
    selection.ModelLoaded = true;
    opt::EditArea area(*store, selection, host);
    area.FileName = file.string();
    area.AppDataDir = appData;
    area.OnLoad();

    std::vector<uint8_t> before = ReadFileBytes(file);
    bool failed = false;
    auto step = [&](const char* what, const std::function<void()>& action) {
        try {
            action();
        } catch (const opt::OptError&) {
            // Refusals are expected on damaged files; what matters is the file below.
        }
        const auto after = ReadFileBytes(file);
        if (after.size() != before.size()) {
            ADD_FAILURE() << what << " changed the file's length";
            failed = true;
            return;
        }
        if (after == before) return;
        for (size_t i = 0; i < after.size(); ++i) {
            if (after[i] == before[i]) continue;
            ++changed;
            bool reported = false;
            for (const auto& run : area.LastWrites())
                reported = reported || (int64_t(i) >= run.Position && int64_t(i) < run.Position + run.Length);
            if (!reported) {
                ADD_FAILURE() << what << " changed byte " << i << " outside the runs it reported";
                failed = true;
            }
        }
        before = after;
    };
    const std::function<void()> modes[] = {[&] { area.SBHPClick(); }, [&] { area.SBHZEDClick(); },
                                           [&] { area.SBResClick(); }, [&] { area.SBRSHClick(); }};
    for (const auto& enter : modes) {
        step("enter", enter);
        for (int line = -1; line < 6; ++line) {
            step("LBED", [&] { area.LBEDClick(line); });
            for (int item = -1; item < 13; item += 3) {
                step("RG1", [&] { area.RG1Click(item); });
                step("Update", [&] {
                    area.Widgets().EText = "1.5";
                    area.Widgets().EHPTypeText = "Ion";
                    area.SBUpdateClick();
                });
                step("Undo", [&] { area.SBUndoClick(); });
            }
        }
    }
    step("SBHZ", [&] { area.SBHZClick(); });
    step("WriteHZ", [&] { area.SBHZWriteClick(); });
    step("HZ 0", [&] { area.SBHZ0Click(); });
    step("centres", [&] { area.SBCopyCentersClick(); });
    step("All Res", [&] { area.CBAllRESClick(true); });
    return failed ? 0 : changed;
}

class DamagedFileEdit : public ::testing::Test {
protected:
    TempDir dir;
    std::vector<uint8_t> demo = ReadFileBytes(DEMO_MODEL_PATH);
    std::string appData;
    void SetUp() override {
        ASSERT_FALSE(demo.empty());
        appData = dir.WithSeparator();
        std::ofstream(dir.path() / "HardPoints.txt") << "Laser\r\nIon\r\nMissile\r\nend\r\n";
        std::ofstream(dir.path() / "MeshType.txt") << "DEFAULT\nMAINHULL\nWING\nend\n";
    }
};

TEST_F(DamagedFileEdit, TruncatedFilesAreEditedOnlyWhereTheEditorsSay) {
    const auto file = dir.path() / "cut.opt";
    size_t changed = 0;
    for (size_t cut = 22; cut <= demo.size(); cut += demo.size() / 23) {
        SCOPED_TRACE(cut);
        WriteBytes(file, std::vector<uint8_t>(demo.begin(), demo.begin() + static_cast<std::ptrdiff_t>(cut)));
        changed += ExerciseEditors(file, appData);
    }
    EXPECT_GT(changed, 0u);  // the editors did write where the file allowed it
}

TEST_F(DamagedFileEdit, FilesWithRandomWordsAreEditedOnlyWhereTheEditorsSay) {
    const auto file = dir.path() / "noisy.opt";
    std::mt19937 random(12345);
    size_t changed = 0;
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        auto bytes = demo;
        // Overwrite a few aligned words with small, negative or huge values: counts, offsets, types.
        for (int k = 0; k < 12; ++k) {
            const size_t pos = (random() % (bytes.size() / 4)) * 4;
            const int32_t values[] = {0, -1, 25, 22, 23, 1000, int32_t(random()), INT32_MIN, 1 << 20};
            ASSERT_TRUE(opt::write_at(std::span(bytes), int64_t(pos), values[random() % std::size(values)]));
        }
        WriteBytes(file, bytes);
        changed += ExerciseEditors(file, appData);
    }
    EXPECT_GT(changed, 0u);
}

}  // namespace
}  // namespace edit_test
