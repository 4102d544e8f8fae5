// A model past the classic table sizes, small enough for every test run: a board of waved grids,
// one mesh each, faced with quads and triangles in turn, one texture per mesh.
#pragma once

#include "tests/support/opt_builder.h"

namespace optb {

struct BoardSize {
    int meshes = 60;         // past the 50 top-level entries
    int gridW = 40;          // vertices across a grid
    int gridH = 30;          // rows: 40 x 30 = 1,200 vertices, past the 1,000 of a block
    int facesPerBlock = 60;  // past the 50 faces of a face-data block
};

// Mesh m's grid lies at column m % 10, row m / 10 of a board centred on the origin; its cells become a quad, or two
// triangles where (column + row) % 3 == 0, so runs of equal primitives stay short and varied.
Model board_model(const BoardSize& size = {});

}  // namespace optb
