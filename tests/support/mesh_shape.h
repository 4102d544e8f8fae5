// Collects the geometry of one mesh and turns it into OPT blocks: vertices, texture vertices, vertex
// normals, face data with face normals and edge numbers, and the descriptor and rotation/scale
// records that match its bounds.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tests/support/opt_builder.h"

namespace optb {

class MeshShape {
public:
    // Adds a vertex; returns its index.
    int32_t vertex(Vec3 p);
    // A ring of four corners around the Y axis at height y: (-w,-h), (w,-h), (w,h), (-w,h) in X, Z.
    std::vector<int32_t> ring(float y, float w, float h);

    // A quad or triangle of the given vertices, turned so that it winds clockwise seen from outside,
    // outside being away from `inside`, and carrying that outward face normal. Texture-vertex and
    // vertex-normal indices equal the vertex indices.
    Face face(std::initializer_list<int32_t> corners, Vec3 inside) const;
    // The four side quads between two rings of four.
    void tube(const std::vector<int32_t>& a, const std::vector<int32_t>& b, Vec3 inside,
              std::vector<Face>& out) const;

    Vec3 min() const;
    Vec3 max() const;
    Vec3 centre() const;

    Vertices vertices() const;
    TexVertices tex_vertices() const;  // planar X/Y mapping over the bounds, 0..1
    Normals normals() const;           // unit vectors from the centre

    // Hit zone = the bounds, target = the centre.
    Descriptor descriptor(int32_t mesh_type, int32_t group_id) const;
    RotScale rot_scale() const;

private:
    std::vector<Vec3> points_;
};

// A face-data block of these faces, numbering the distinct edges (per block) into the faces' edge
// groups and setting Edges to their number.
FaceData face_data(std::vector<Face> faces);

}  // namespace optb
