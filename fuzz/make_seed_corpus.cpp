// make_seed_corpus OUT_DIR: writes small, valid OPT files for the fuzzer to start from.
#include <exception>
#include <filesystem>
#include <iostream>
#include <utility>
#include <vector>

#include "tests/support/opt_builder.h"
#include "tests/support/sample_models.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seed_corpus OUT_DIR\n";
        return 2;
    }
    const std::vector<std::pair<const char*, optb::Model (*)()>> seeds{
        {"demo.opt", optb::demo_model},
        {"tiny.opt", optb::tiny_model},
        {"nested_nodes.opt", optb::nested_node_model},
        {"top_level_texture.opt", optb::top_level_texture_model},
        {"texture_group.opt", optb::texture_group_model},
    };
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        for (const auto& [name, make] : seeds) optb::write_file(dir / name, optb::build(make()).bytes);
    } catch (const std::exception& e) {
        std::cerr << "make_seed_corpus: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
