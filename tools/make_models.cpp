// make_models OUT_DIR: writes the demo ship (demo.opt) and the max-capacity model (maxcap.opt).
#include <exception>
#include <filesystem>
#include <iostream>

#include "tests/support/opt_builder.h"
#include "tests/support/sample_models.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_models OUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        optb::write_file(dir / "demo.opt", optb::build(optb::demo_model()).bytes);
        optb::write_file(dir / "maxcap.opt", optb::build(optb::maxcap_model()).bytes);
    } catch (const std::exception& e) {
        std::cerr << "make_models: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
