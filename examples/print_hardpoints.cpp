// Prints every hardpoint of the OPT files it is given, in metres.
//   print_hardpoints ship.opt station.opt
#include <zedaruz/zedaruz.h>

#include <cstdio>

int main(int argc, char** argv) {
    constexpr double kUnitsPerMetre = 20.5;
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        try {
            const zedaruz::Model model = zedaruz::Model::Open(argv[i]);
            for (const std::string& warning : model.Warnings()) std::fprintf(stderr, "%s\n", warning.c_str());
            for (const zedaruz::Hardpoint& h : model.Hardpoints())
                std::printf("%s: hardpoint %d (mesh %d, type %d) at %.2f %.2f %.2f m\n", argv[i], h.index,
                            h.mesh, h.type, h.x / kUnitsPerMetre, h.y / kUnitsPerMetre, h.z / kUnitsPerMetre);
        } catch (const zedaruz::Error& e) {
            std::fprintf(stderr, "%s\n", e.what());
            status = 1;
        }
    }
    return status;
}
