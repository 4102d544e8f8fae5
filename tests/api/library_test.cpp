// The public API as another program uses it: only <zedaruz/zedaruz.h>, and what it adds to the core
// (errors as zedaruz::Error, models as values, computed hit zones that write nothing, one journaled
// write per edit that leaves the model equal to the disk, the file a texture export wrote, the verdict
// on an opened model).
#include <gtest/gtest.h>
#include <zedaruz/zedaruz.h>

#include <filesystem>
#include <functional>
#include <limits>

#include "tests/render/export_temp_dir.h"

namespace {

namespace fs = std::filesystem;

class Library : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = dir_.path() / "ship.opt";
        fs::copy_file(DEMO_MODEL_PATH, path_);
        options_.journal = dir_.path() / "journal.jsonl";
    }
    opt::test::TempDir dir_;
    fs::path path_;
    zedaruz::OpenOptions options_;
};

TEST_F(Library, FailuresAreErrorsWithTheCommandLinesMessage) {
    const fs::path missing = dir_.path() / "missing.opt";
    try {
        zedaruz::Model::Open(missing, options_);
        FAIL() << "opened a missing file";
    } catch (const zedaruz::Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file " + missing.string() + ": no such file or directory");
    }
    const zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    EXPECT_THROW(model.Listing("no-such-listing"), zedaruz::Error);
    EXPECT_THROW(model.Vertices(999), zedaruz::Error);
    EXPECT_THROW(zedaruz::ExportGltf(model, dir_.path() / "x.glb", 99), zedaruz::Error);
    EXPECT_FALSE(fs::exists(dir_.path() / "x.glb"));
}

TEST_F(Library, HitZonesAreComputedFromEachMeshsFacesAndWriteNothing) {
    zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    const auto before = opt::test::ReadFileBytes(path_);
    const std::vector<zedaruz::HitZone> zones = model.HitZones();
    ASSERT_FALSE(zones.empty());
    for (const zedaruz::HitZone& z : zones) {
        float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
        const std::vector<std::array<float, 3>> vertices = model.Vertices(z.mesh);
        for (const zedaruz::Face& f : model.Faces(z.mesh))
            for (int32_t v : f) {
                if (v < 0) continue;
                const auto& p = vertices.at(static_cast<size_t>(v));
                for (int i = 0; i < 3; ++i) lo[i] = std::min(lo[i], p[i]), hi[i] = std::max(hi[i], p[i]);
            }
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(z.min[static_cast<size_t>(i)], lo[i]) << "descriptor " << z.descriptor;
            EXPECT_EQ(z.max[static_cast<size_t>(i)], hi[i]) << "descriptor " << z.descriptor;
        }
    }
    EXPECT_EQ(opt::test::ReadFileBytes(path_), before);
}

TEST_F(Library, AnEditIsOneJournaledWriteAfterWhichTheModelEqualsTheDisk) {
    zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    const zedaruz::Model copy = model;  // a value: the edit does not reach it
    const auto before = opt::test::ReadFileBytes(path_);
    const zedaruz::WriteReport report =
        zedaruz::Apply(model, zedaruz::SetHardpoint{0, zedaruz::Axis::X, 1.5f});
    EXPECT_GT(report.journal_id, 0);
    EXPECT_EQ(report.bytes_written, 40);
    EXPECT_EQ(model.Hardpoints().at(0).x, 1.5f);
    EXPECT_NE(copy.Hardpoints().at(0).x, 1.5f);
    EXPECT_EQ(model.Listing("hardpoint"), zedaruz::Model::Open(path_, options_).Listing("hardpoint"));

    const zedaruz::WriteReport again =
        zedaruz::Apply(model, zedaruz::SetHardpoint{0, zedaruz::Axis::X, 1.5f});
    EXPECT_EQ(again.bytes_written, 0);
    EXPECT_EQ(again.journal_id, 0);

    const std::vector<zedaruz::JournalEntry> history = zedaruz::History(path_, options_.journal);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].id, report.journal_id);
    EXPECT_EQ(history[0].state, "current");
    const zedaruz::RevertReport undone = zedaruz::Revert(path_, std::nullopt, options_.journal);
    EXPECT_EQ(undone.reverted_id, report.journal_id);
    EXPECT_EQ(undone.journal_id, report.journal_id + 1);
    EXPECT_EQ(opt::test::ReadFileBytes(path_), before);
}

TEST_F(Library, EveryKindOfEditReachesTheFileUnderItsOwnIdAndNonNumbersAreRefused) {
    zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    const auto before = opt::test::ReadFileBytes(path_);
    EXPECT_THROW(zedaruz::Apply(model, zedaruz::SetRotScale{0, 3, std::numeric_limits<float>::infinity()}),
                 zedaruz::Error);
    EXPECT_THROW(zedaruz::Apply(model, zedaruz::SetDescriptor{0, zedaruz::DescriptorField::Group, 2.5}),
                 zedaruz::Error);
    EXPECT_EQ(opt::test::ReadFileBytes(path_), before);

    const int type = model.Hardpoints().at(0).type + 1;
    const std::function<zedaruz::WriteReport()> edits[] = {
        [&] {
            return zedaruz::Apply(model, zedaruz::SetHardpointType{0, type});
        },
        [&] {
            return zedaruz::Apply(model, zedaruz::MoveHardpoints{{{0, 1, 2, 3, std::nullopt}}});
        },
        [&] {
            return zedaruz::Apply(model, zedaruz::SetDescriptor{0, zedaruz::DescriptorField::TargetY, -7.25});
        },
        [&] {
            return zedaruz::Apply(model, zedaruz::SetDescriptor{0, zedaruz::DescriptorField::Group, 5});
        },
        [&] {
            return zedaruz::Apply(model, zedaruz::SetLodDistance{0, 321});
        },
        [&] {
            return zedaruz::Apply(model, zedaruz::SetRotScale{0, 0, 99});
        },
        [&] { return zedaruz::Apply(model, zedaruz::ZeroHitZones{}); },
        [&] { return zedaruz::Apply(model, zedaruz::WriteHitZones{0}); },
        [&] { return zedaruz::Apply(model, zedaruz::CopyCentres{}); },
    };
    std::int64_t id = 0;
    for (const auto& edit : edits) {
        const zedaruz::WriteReport report = edit();
        EXPECT_GT(report.bytes_written, 0) << id;
        EXPECT_EQ(report.journal_id, ++id);
    }
    const zedaruz::Model fresh = zedaruz::Model::Open(path_, options_);
    EXPECT_EQ(fresh.Hardpoints().at(0).type, type);
    EXPECT_EQ(fresh.Hardpoints().at(0).z, 3.0f);
    for (const char* listing :
         {"hardpoint", "collision-box", "distances", "rotation-point", "mesh-data-header"})
        EXPECT_EQ(model.Listing(listing), fresh.Listing(listing)) << listing;
}

TEST_F(Library, ExportBmpReturnsTheFileItWrote) {
    const zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    const fs::path written = zedaruz::ExportBmp(model, "Hull", dir_.path());
    EXPECT_EQ(written.parent_path(), dir_.path());
    const std::vector<uint8_t> bytes = opt::test::ReadFileBytes(written);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
}

TEST_F(Library, TheVerdictOfAnOpenedModelIsTheChecks) {
    EXPECT_EQ(zedaruz::VerdictOf(zedaruz::Model::Open(path_, options_)), zedaruz::Verdict::Ok);
    std::vector<uint8_t> bytes = opt::test::ReadFileBytes(path_);
    bytes.resize(bytes.size() / 2);  // a file that ends inside its blocks
    const fs::path cut = dir_.path() / "cut.opt";
    opt::test::WriteBytes(cut, bytes);
    const zedaruz::Model damaged = zedaruz::Model::Open(cut, options_);
    EXPECT_EQ(zedaruz::VerdictOf(damaged), zedaruz::Verdict::Damaged);
    EXPECT_EQ(zedaruz::Check({cut}).at(0).verdict, zedaruz::Verdict::Damaged);
    const fs::path zeros = dir_.path() / "zeros.opt";
    opt::test::WriteBytes(zeros, std::vector<uint8_t>(1000, 0));  // no model at all
    EXPECT_EQ(zedaruz::VerdictOf(zedaruz::Model::Open(zeros, options_)), zedaruz::Verdict::Unreadable);
}

}  // namespace
