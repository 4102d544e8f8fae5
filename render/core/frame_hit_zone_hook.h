// Where the hit-zone computation rides on the model drawing. While SBHZ is down, DrawModel starts a
// pass (Begin: create Current_HZ and Reset it), calls FaceHZ from every untextured quad and triangle
// draw of the main face pass (never from the overlays, which come after Main_Pass_Done), and ends
// with the final store (Finish). Nothing is called in any other mode.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace opt {

// The 16 indices of the face being drawn: Vertex[4], Edge[4], TexVertex[4], VxNormal[4].
using CurFace = std::array<int32_t, 16>;

class HitZoneHook {
public:
    virtual ~HitZoneHook() = default;

    // Start of a computation pass: a new Current_HZ, Reset.
    virtual void Begin() = 0;

    // Called before a face of the main pass is drawn untextured.
    // vertexEntry: the face's table mesh number a = Mesh - s, always within 0..49 (faces whose entry
    //   lies outside the vertex table are not drawn and not passed on).
    // face: CurFace as copied from the face-data entry; the vertex indices are as read, so the
    //   accumulation must itself leave out indices outside 0..999 (e.g. Vertex_3 = -1).
    // meshChanged: Mesh_Changed, i.e. this face's Mesh differs from the Mesh of the face visited before
    //   it (the first visited face is compared with s).
    // mesh: the face-data entry's Mesh as read.
    virtual void FaceHZ(int vertexEntry, const CurFace& face, bool meshChanged, int32_t mesh) = 0;

    // End of the pass: the final store into lastVertexEntry = m_last - s, where m_last is the Mesh of
    // the last face visited by the main pass; no value when no face was visited or the entry lies
    // outside 0..49. Then Current_HZ is freed. Not called when the draw stops on a resolution text
    // that is not an integer (the pass is then abandoned; the next Begin starts afresh).
    virtual void Finish(std::optional<int> lastVertexEntry) = 0;
};

}  // namespace opt
