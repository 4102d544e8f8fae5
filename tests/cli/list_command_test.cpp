// zedaruz-cli list: what it prints, in which order, and how it fails.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "listings/registry.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "tests/cli/cli_run.h"
#include "tests/support/board_model.h"

namespace {

using cli_testing::RunCli;

// The lines the same listings give in-process, after the reader's own lines.
std::vector<std::string> Expected(const std::string& path, const std::vector<std::string>& names) {
    auto store = std::make_unique<opt::ModelStore>();
    opt::Load(*store, path);
    opt::VectorSink lines;
    lines.lines = store->Warnings;
    for (const auto& name : names) opt::FindListing(name)->run(*store, lines);
    return lines.lines;
}

std::vector<std::string> AllNames() {
    std::vector<std::string> names;
    for (const auto& e : opt::Listings()) names.emplace_back(e.name);
    return names;
}

TEST(ListCommand, WithoutNamesPrintsEveryListingOfTheDemoModelInOrder) {
    const auto run = RunCli({"list", DEMO_MODEL_PATH});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const auto lines = run.Lines();
    EXPECT_EQ(lines, Expected(DEMO_MODEL_PATH, AllNames()));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().rfind("Main_Offset=", 0), 0u);
    EXPECT_EQ(run.out.back(), '\n');
    // Every kind of block of the demo model shows up.
    for (const char* head :
         {"MIH (004) ", "MDH (021) ", "MFaceH  ", "Face_Data  ", "MDB (025) ", "RSH (023) ", "TBH (022)",
          "VX (03) ", "TVX (13) ", "VXN (11) ", " index =", "Mesh= "}) {
        bool found = false;
        for (const auto& l : lines) found = found || l.find(head) != std::string::npos;
        EXPECT_TRUE(found) << head;
    }
}

TEST(ListCommand, NamedListingsComeInTheOrderGivenAndMayRepeat) {
    const std::vector<std::string> names = {"hardpoint", "main-file-info", "hardpoint", "distances"};
    std::vector<std::string> words = {"list", DEMO_MODEL_PATH};
    words.insert(words.end(), names.begin(), names.end());
    const auto run = RunCli(words);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.Lines(), Expected(DEMO_MODEL_PATH, names));
}

TEST(ListCommand, ReaderWarningsComeFirst) {
    const auto path =
        std::filesystem::temp_directory_path() / ("zedaruz_cli_cut_" + std::to_string(::getpid()) + ".opt");
    auto bytes = cli_testing::Slurp(DEMO_MODEL_PATH);
    bytes.resize(bytes.size() / 3);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto run = RunCli({"list", path.string(), "vertex"});
    std::filesystem::remove(path);
    ASSERT_EQ(run.status, 0);
    const auto lines = run.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().rfind("Warning:", 0), 0u);
}

TEST(ListCommand, TablesClassicCutsAModelPastTheClassicSizesAndSaysHowToReadItWhole) {
    const auto path =
        std::filesystem::temp_directory_path() / ("zedaruz_cli_board_" + std::to_string(::getpid()) + ".opt");
    const auto bytes = optb::build(optb::board_model()).bytes;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto grown = RunCli({"list", path.string(), "main-file-info"});
    const auto classic = RunCli({"--tables", "classic", "list", path.string(), "main-file-info"});
    const auto wrong = RunCli({"--tables", "small", "list", path.string()});
    // The option may follow the command name as well.
    const auto after = RunCli({"list", path.string(), "main-file-info", "--tables", "classic"});
    std::filesystem::remove(path);
    EXPECT_EQ(after.status, 0) << after.err;
    EXPECT_EQ(after.out, classic.out);
    ASSERT_EQ(grown.status, 0) << grown.err;
    EXPECT_EQ(grown.out.find("top-level entries"), std::string::npos);
    EXPECT_EQ(grown.out.find("--tables classic"), std::string::npos);
    EXPECT_NE(grown.out.find("Offset 59  ="), std::string::npos);
    ASSERT_EQ(classic.status, 0) << classic.err;
    EXPECT_NE(classic.out.find("more than 50 top-level entries"), std::string::npos);
    EXPECT_NE(classic.out.find("leave out --tables classic"), std::string::npos);
    EXPECT_EQ(classic.out.find("Offset 59  ="), std::string::npos);
    EXPECT_EQ(wrong.status, 2);
}

TEST(ListCommand, FailuresSayWhyAndExitWithTheirStatus) {
    const std::string missing = "/nonexistent/dir/ship.opt";
    auto run = RunCli({"list", missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Cannot open file " + missing + ": no such file or directory\n");
    EXPECT_TRUE(run.out.empty());
    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(RunCli({"list", folder}).err, "Cannot open file " + folder + ": is a directory\n");

    run = RunCli({"list", DEMO_MODEL_PATH, "vertex", "no-such-listing"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no-such-listing"), std::string::npos);
    EXPECT_NE(run.err.find("Usage"), std::string::npos);
    EXPECT_TRUE(run.out.empty());

    EXPECT_EQ(RunCli({"list"}).status, 2);
    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).status, 2);
}

TEST(ListCommand, HelpNamesEveryListing) {
    const auto run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const auto& name : AllNames())
        EXPECT_NE(run.out.find("  " + name + "\n"), std::string::npos) << name;
}

}  // namespace
