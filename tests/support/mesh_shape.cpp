// Geometry helpers for the sample models: oriented faces, bounds and per-vertex data.
#include "tests/support/mesh_shape.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace optb {
namespace {

Vec3 sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 unit(Vec3 a) {
    const float n = std::sqrt(dot(a, a));
    return n > 0 ? Vec3{a.x / n, a.y / n, a.z / n} : Vec3{0, 0, 1};
}

}  // namespace

int32_t MeshShape::vertex(Vec3 p) {
    points_.push_back(p);
    return static_cast<int32_t>(points_.size() - 1);
}

std::vector<int32_t> MeshShape::ring(float y, float w, float h) {
    return {vertex({-w, y, -h}), vertex({w, y, -h}), vertex({w, y, h}), vertex({-w, y, h})};
}

Face MeshShape::face(std::initializer_list<int32_t> corners, Vec3 inside) const {
    std::vector<int32_t> c(corners);
    const auto at = [&](size_t k) { return points_[static_cast<size_t>(c[k])]; };
    // Clockwise seen from outside means (c - a) x (b - a) points outwards.
    Vec3 n = cross(sub(at(2), at(0)), sub(at(1), at(0)));
    Vec3 mid{};
    for (size_t k = 0; k < c.size(); ++k) mid = {mid.x + at(k).x, mid.y + at(k).y, mid.z + at(k).z};
    const float k = 1.0f / static_cast<float>(c.size());
    mid = {mid.x * k, mid.y * k, mid.z * k};
    if (dot(n, sub(mid, inside)) < 0) {
        std::reverse(c.begin() + 1, c.end());
        n = {-n.x, -n.y, -n.z};
    }
    Face f = c.size() == 4 ? Face::quad(c[0], c[1], c[2], c[3]) : Face::tri(c[0], c[1], c[2]);
    f.normal = unit(n);
    // Planar mapping axes, shown in the listings only.
    f.mapping = {1, 0, 0, 0, 1, 0};
    return f;
}

void MeshShape::tube(const std::vector<int32_t>& a, const std::vector<int32_t>& b, Vec3 inside,
                     std::vector<Face>& out) const {
    for (size_t k = 0; k < 4; ++k) {
        const size_t n = (k + 1) % 4;
        out.push_back(face({a[k], a[n], b[n], b[k]}, inside));
    }
}

Vec3 MeshShape::min() const {
    Vec3 m = points_.front();
    for (const Vec3& p : points_) m = {std::min(m.x, p.x), std::min(m.y, p.y), std::min(m.z, p.z)};
    return m;
}

Vec3 MeshShape::max() const {
    Vec3 m = points_.front();
    for (const Vec3& p : points_) m = {std::max(m.x, p.x), std::max(m.y, p.y), std::max(m.z, p.z)};
    return m;
}

Vec3 MeshShape::centre() const {
    const Vec3 a = min(), b = max();
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

Vertices MeshShape::vertices() const { return Vertices{.points = points_}; }

TexVertices MeshShape::tex_vertices() const {
    const Vec3 a = min(), b = max();
    const auto span = [](float lo, float hi) { return hi > lo ? hi - lo : 1.0f; };
    TexVertices t;
    for (const Vec3& p : points_)
        t.coords.push_back({(p.x - a.x) / span(a.x, b.x), (p.y - a.y) / span(a.y, b.y)});
    return t;
}

Normals MeshShape::normals() const {
    const Vec3 c = centre();
    Normals n;
    for (const Vec3& p : points_) n.normals.push_back(unit(sub(p, c)));
    return n;
}

Descriptor MeshShape::descriptor(int32_t mesh_type, int32_t group_id) const {
    const Vec3 a = min(), b = max();
    return Descriptor{.mesh_type = mesh_type,
                      .hz_span = sub(b, a),
                      .hz_centre = centre(),
                      .hz_min = a,
                      .hz_max = b,
                      .group_id = group_id,
                      .target = centre()};
}

RotScale MeshShape::rot_scale() const { return RotScale{.centre = centre()}; }

FaceData face_data(std::vector<Face> faces) {
    std::map<std::pair<int32_t, int32_t>, int32_t> edges;
    for (Face& f : faces) {
        const int sides = f.vertex[3] == -1 ? 3 : 4;
        for (int k = 0; k < sides; ++k) {
            const int32_t a = f.vertex[static_cast<size_t>(k)];
            const int32_t b = f.vertex[static_cast<size_t>((k + 1) % sides)];
            const auto key = std::minmax(a, b);
            const auto it = edges.emplace(key, static_cast<int32_t>(edges.size())).first;
            f.edge[static_cast<size_t>(k)] = it->second;
        }
    }
    const auto count = static_cast<int32_t>(edges.size());
    return FaceData{.faces = std::move(faces), .edges = count};
}

}  // namespace optb
