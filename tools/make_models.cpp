// make_models OUT_DIR: writes the demo ship (demo.opt), the max-capacity model (maxcap.opt) and the
// export tests' model of two meshes at two levels of detail (two-levels.opt).
#include <exception>
#include <filesystem>
#include <iostream>

#include "tests/support/export_models.h"
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
        optb::write_file(dir / "two-levels.opt", optb::build(optb::export_model()).bytes);
    } catch (const std::exception& e) {
        std::cerr << "make_models: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
