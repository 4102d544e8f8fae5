// The faces of one level of detail, each with the records of its own mesh: the one walk over the
// face-data records that the exporters and the hit zones share. A face belongs to the mesh whose
// face list held its record (the record's Mesh) and takes its vertices, texture vertices and normals
// from the first block of each kind found under that mesh, so a top-level texture shifts nothing and
// the first face-data record counts like any other.
#pragma once

#include <cstdint>

#include "model/store_records.h"

namespace opt {

// Corners of face j of a record: 4 for a quadrilateral, 3 for a triangle (Vertex_3 is -1).
inline int FaceCorners(const FaceDataRecord& fd, int j) { return fd.Quad[kGroupVertex][j] != 0 ? 4 : 3; }

// Visits the face-data records that hold a face, in reading order: onRecord(record) once for each,
// whatever its level (a face's texture depends on the records before it), then, when the record is
// of level lod, onFace(record, j, own) for each face j it holds, own being its mesh's records. A
// record's level is its face list's own position in its LOD set (Lod_Position), so a fifth face list
// is level 4, not the view's level 3.
template <class OnRecord, class OnFace>
void WalkLevelFaces(const StoreRecords& records, int32_t lod, OnRecord&& onRecord, OnFace&& onFace) {
    for (const FaceDataRecord& fd : records.FaceData()) {
        if (fd.Count <= 0) continue;
        const int faces = fd.StoredFaces();
        int j = 0;
        while (j < faces && !fd.Holds(j)) ++j;
        if (j == faces) continue;
        onRecord(fd);
        if (fd.Lod_Position != lod) continue;
        const MeshRecords own = records.Records(fd.Mesh);
        for (; j < faces; ++j)
            if (fd.Holds(j)) onFace(fd, j, own);
    }
}

// The same walk for callers that need only the faces.
template <class OnFace>
void WalkLevelFaces(const StoreRecords& records, int32_t lod, OnFace&& onFace) {
    WalkLevelFaces(
        records, lod, [](const FaceDataRecord&) {}, onFace);
}

}  // namespace opt
