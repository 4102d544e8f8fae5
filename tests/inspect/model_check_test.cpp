// The verdict of `check` on one file, and which files a folder gives it.
#include "inspect/model_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "model/load_warnings.h"
#include "tests/render/export_temp_dir.h"
#include "tests/support/opt_builder.h"
#include "tests/support/sample_models.h"

namespace {

class ModelCheckTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, std::vector<uint8_t> bytes) {
        const auto path = (dir.path() / name).make_preferred();  // as a folder search gives it
        std::filesystem::create_directories(path.parent_path());
        optb::write_file(path, bytes);
        return path.string();
    }
    opt::test::TempDir dir;
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
};

TEST_F(ModelCheckTest, NotesAreNotDamageButStructuralWarningsAre) {
    const auto clean = opt::CheckModelFile(*store, Write("clean.opt", optb::build(optb::demo_model()).bytes));
    EXPECT_EQ(clean.Result, opt::Verdict::kOk);
    EXPECT_TRUE(clean.Lines.empty());

    // A texture at the top level: the reader's note, nothing broken.
    const auto notes =
        opt::CheckModelFile(*store, Write("notes.opt", optb::build(optb::top_level_texture_model()).bytes));
    EXPECT_EQ(notes.Result, opt::Verdict::kNotes);
    EXPECT_EQ(notes.Lines.front(), "Warning ***");
    EXPECT_FALSE(opt::IsDamageWarning(
        "Warning: more than 8 palette blocks; textures of the others use palette set 0"));
    opt::LoadWarnings replaced(opt::TableLimits::Grown());
    replaced.NoteReplacedFaceData(123);
    EXPECT_FALSE(opt::IsDamageWarning(replaced.Lines().front()));

    auto bytes = optb::build(optb::demo_model()).bytes;
    bytes.resize(bytes.size() / 2);
    const auto cut = opt::CheckModelFile(*store, Write("cut.opt", bytes));
    EXPECT_EQ(cut.Result, opt::Verdict::kDamaged);
    EXPECT_TRUE(opt::IsDamageWarning(cut.Lines.front()));

    const std::string missing = (dir.path() / "missing.opt").string();
    const auto unreadable = opt::CheckModelFile(*store, missing);
    EXPECT_EQ(unreadable.Result, opt::Verdict::kUnreadable);
    EXPECT_EQ(unreadable.Lines,
              std::vector<std::string>{"Cannot open file " + missing + ": no such file or directory"});
}

// A file is a model only when a top-level entry could be read as a mesh; the reason comes first.
TEST_F(ModelCheckTest, AFileWithoutAReadableMeshIsUnreadable) {
    auto verdict = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        const auto r = opt::CheckModelFile(*store, Write(name, bytes));
        EXPECT_EQ(r.Result, opt::Verdict::kUnreadable) << name;
        return r.Lines.empty() ? std::string() : r.Lines.front();
    };
    EXPECT_EQ(verdict("zeros.opt", std::vector<uint8_t>(1000, 0)),
              "holds no model (its top-level jump list holds no entry)");
    EXPECT_EQ(verdict("empty.opt", {}),
              "holds no model (it is 0 bytes long, too short for the 22-byte header)");
    auto outside = optb::build(optb::tiny_model()).bytes;
    outside[21] = 0x10;  // the stored jump-list offset's high byte: far past the end of the file
    EXPECT_EQ(verdict("outside.opt", outside),
              "holds no model (its top-level jump list lies outside the file)");
    optb::Model textureOnly = optb::top_level_texture_model();
    textureOnly.entries.pop_back();  // the mesh after the texture
    EXPECT_EQ(verdict("texture.opt", optb::build(textureOnly).bytes),
              "holds no model (none of its top-level entries could be read as a mesh)");
}

TEST_F(ModelCheckTest, FoldersGiveTheirModelFilesInAnyCaseSortedAndFilesStayAsGiven) {
    const auto bytes = optb::build(optb::tiny_model()).bytes;
    const std::string b = Write("pack/b.OPT", bytes);
    const std::string a = Write("pack/deep/a.Op1", bytes);
    Write("pack/readme.txt", {});
    Write("pack/model.opt.bak", {});
    const std::string single = (dir.path() / "anything.bin").string();
    EXPECT_EQ(opt::FilesToCheck({single, (dir.path() / "pack").string()}),
              (std::vector<std::string>{single, b, a}));
}

}  // namespace
