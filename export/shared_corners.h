// The corners that faces of one level share: a corner is shared where the mesh, the vertex, the
// texture vertex and the normal are all the same. The corners kept for a mesh are chained by vertex,
// from one head per vertex of the mesh; the heads of all meshes lie in one array and the links in
// another, both only appended to within a level and emptied with their capacity kept. A face looks
// up the heads of its own mesh only, so the lookups of a face-data record stay within a few
// kilobytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace opt {

class SharedCorners {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    // Makes room for a mesh whose faces use vertex indices 0 .. vertices - 1; returns its number.
    uint32_t AddMesh(int vertices);
    // The corner kept for (vertex, texVertex, normal) in mesh m, or kNone.
    uint32_t Find(uint32_t m, int32_t vertex, int32_t texVertex, int32_t normal) const;
    // Keeps corner for (vertex, texVertex, normal) in mesh m (which has none yet).
    void Add(uint32_t m, int32_t vertex, int32_t texVertex, int32_t normal, uint32_t corner);
    // Forgets every mesh and corner.
    void Clear();

private:
    struct Link {
        int32_t texVertex, normal;
        uint32_t corner;
        uint32_t next;  // the link kept before it for the same vertex, or kNone
    };
    uint32_t& Head(uint32_t m, int32_t vertex) { return heads_[firstHead_[m] + static_cast<size_t>(vertex)]; }

    std::vector<size_t> firstHead_;  // by mesh: where its heads start
    std::vector<uint32_t> heads_;    // by mesh, then vertex: its last link, or kNone
    std::vector<Link> links_;
};

}  // namespace opt
