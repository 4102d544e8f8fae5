#include "export/shared_corners.h"

#include <algorithm>

namespace opt {

uint32_t SharedCorners::AddMesh(int vertices) {
    firstHead_.push_back(heads_.size());
    heads_.resize(heads_.size() + static_cast<size_t>(std::max(vertices, 0)), kNone);
    return static_cast<uint32_t>(firstHead_.size() - 1);
}

uint32_t SharedCorners::Find(uint32_t m, int32_t vertex, int32_t texVertex, int32_t normal) const {
    for (uint32_t i = heads_[firstHead_[m] + static_cast<size_t>(vertex)]; i != kNone; i = links_[i].next) {
        const Link& link = links_[i];
        if (link.texVertex == texVertex && link.normal == normal) return link.corner;
    }
    return kNone;
}

void SharedCorners::Add(uint32_t m, int32_t vertex, int32_t texVertex, int32_t normal, uint32_t corner) {
    uint32_t& head = Head(m, vertex);
    links_.push_back(Link{texVertex, normal, corner, head});
    head = static_cast<uint32_t>(links_.size() - 1);
}

void SharedCorners::Clear() {
    firstHead_.clear();
    heads_.clear();
    links_.clear();
}

}  // namespace opt
