// Moves every hardpoint of a model by a vector (in file units) in one journaled write.
//   move_hardpoints ship.opt 0 0 10       (zedaruz-cli revert ship.opt undoes it)
#include <zedaruz/zedaruz.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: move_hardpoints FILE DX DY DZ\n");
        return 2;
    }
    const float dx = std::strtof(argv[2], nullptr), dy = std::strtof(argv[3], nullptr),
                dz = std::strtof(argv[4], nullptr);
    try {
        zedaruz::Model model = zedaruz::Model::Open(argv[1]);
        zedaruz::MoveHardpoints move;
        for (const zedaruz::Hardpoint& h : model.Hardpoints())
            move.moves.push_back({h.index, h.x + dx, h.y + dy, h.z + dz, std::nullopt});
        const zedaruz::WriteReport report = zedaruz::Apply(model, move);
        std::printf("Moved %zu hardpoints of %s: %lld bytes written, journal id %lld\n", move.moves.size(),
                    argv[1], static_cast<long long>(report.bytes_written),
                    static_cast<long long>(report.journal_id));
    } catch (const zedaruz::Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
