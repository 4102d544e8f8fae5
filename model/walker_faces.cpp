// LOD sets, their face lists and the face data, with the pending texture names that face data takes.
#include <algorithm>
#include <bit>

#include "model/walker.h"

namespace opt::walk {

void Walker::ReadLodSet(int mesh) {
    const int r = NextRecord(kCountLodSets, s_.ttmdh, FullTable::TTMDH);
    if (r < 0) return;
    ++s_.Counters[kCountLodSets];
    auto& lod = s_.ttmdh[r];
    lod.Mesh = mesh;
    ReadHeader(lod);
    lod.Jump_List_Offset = Convert(lod.Jump_List_Offset);
    lod.Data_Offset = Convert(lod.Data_Offset);
    const int n = Fit(lod.Num_Jumps, kMaxLods, LoadProblem::kJumpListFull);
    cur_.Seek(lod.Data_Offset);
    for (int k = 0; k < n; ++k) cur_.Read(lod.Distance[k]);
    // Summary distances: the last one-, two- and three-LOD set of the file decides each.
    if (lod.Num_Jumps == 1) s_.Dist_1 = lod.Distance[0];
    if (lod.Num_Jumps == 2) s_.Dist_2 = lod.Distance[1];
    if (lod.Num_Jumps == 3) s_.Dist_3 = lod.Distance[2];
    cur_.Seek(lod.Jump_List_Offset);
    int32_t raw[kMaxLods] = {};
    ReadJumpList(n, lod.Jumps, raw, /*convert_all=*/false);
    for (int j = 0; j < n; ++j) {
        if (!Followable(raw[j], lod.Jumps[j])) continue;
        if (NextRecord(kCountFaceLists, s_.ttmfh, FullTable::TTMFH) < 0) return;
        current_lod_position_ = j;
        if (j <= 3) {
            current_lod_ = j;
            if (lod_seen_[j] == 0) s_.Lod_Numbers.push_back(j);
            ++lod_seen_[j];
        } else {
            current_lod_ = 3;
        }
        ReadFaceList(mesh, lod.Jumps[j]);
    }
}

void Walker::ReadFaceList(int mesh, int32_t pos) {
    auto& f = s_.ttmfh[s_.Counters[kCountFaceLists]];
    f.Mesh = mesh;
    cur_.Seek(pos);
    ReadHeader(f);
    if (f.Jump_List_Offset != 0) f.Jump_List_Offset = Convert(f.Jump_List_Offset);
    cur_.Seek(f.Jump_List_Offset);
    const int n = Fit(f.Num_Jumps, kMaxLods, LoadProblem::kJumpListFull);
    int32_t raw[kMaxLods] = {};
    ReadJumpList(n, f.Jumps, raw, /*convert_all=*/false);
    pending_flag_ = false;
    for (int l = 0; l < n; ++l) {
        if (!Followable(raw[l], f.Jumps[l])) continue;
        cur_.Seek(f.Jumps[l]);
        Peek();
        pending_count_ = 0;
        switch (s_.txw.Peek[1]) {
            // A texture, reference or group sets the pending flag whether or not its own table had
            // room, so the face data after it still takes a record of its own.
            case kTexture:
                f.Child_Type[l] = kTexture;
                ReadTextureCounted();
                pending_flag_ = true;
                break;
            case kFaceData: {
                f.Child_Type[l] = kFaceData;
                const int d = NextRecord(kCountFaceData, s_.ttfd, FullTable::TTFD);
                if (d < 0) break;
                auto& rec = s_.ttfd[d];
                if (waiting_block_ >= 0) {
                    // The record still holds a block read with nothing pending: this one replaces
                    // it whole, so nothing of the earlier block shows through.
                    warn_.NoteReplacedFaceData(waiting_block_);
                    rec.Clear();
                }
                ReadFaceData(rec, mesh);
                // Without a texture, reference or group before it, the record is filled but the
                // counter waits, so the next face-data block of the file takes the same record.
                if (pending_flag_) {
                    for (int t = 0; t < kMaxPendingNames; ++t) {
                        rec.Tex_Names[t] = pending_[t];
                        pending_[t].clear();
                    }
                    ++s_.Counters[kCountFaceData];
                    pending_flag_ = false;
                    waiting_block_ = -1;
                } else {
                    waiting_block_ = f.Jumps[l];
                }
                break;
            }
            case kTextureGroup:
                f.Child_Type[l] = kTextureGroup;
                pending_flag_ = true;
                if (NextRecord(kCountTextureGroups, s_.ttx.Groups, FullTable::Groups) < 0) break;
                ReadGroup();
                break;
            case kTextureRef:
                f.Child_Type[l] = kTextureRef;
                ReadReferenceCounted();
                pending_flag_ = true;
                break;
            default:
                break;
        }
    }
    ++s_.Counters[kCountFaceLists];
}

// Each group's flag comes from its own fourth index: a triangle ends the group with -1.
void Walker::SetQuad(FaceDataRecord& d, int group, int face) {
    d.Quad[group][face] = d.Index(group, 3)[face] == -1 ? 0 : 1;
}

void Walker::ReadFaceData(FaceDataRecord& d, int mesh) {
    d.Mesh = mesh;
    d.LOD = current_lod_;
    d.Lod_Position = current_lod_position_;
    ReadHeader(d);
    d.Data_Offset = Convert(d.Data_Offset);
    cur_.Seek(d.Data_Offset);
    cur_.Read(d.Edges);
    const int64_t faces = d.Count;
    const int n = Slots(d.Count, kMaxFaces, limits_.Faces, kFaceFileBytes, kFaceSlotBytes);
    d.GrowFaces(n);
    // Face records (16 indices), then all face normals (3 floats), then all mapping records (6 floats).
    const int64_t base = int64_t{d.Data_Offset} + 4;
    if (const uint8_t* run = cur_.Run(base, kFaceFileBytes * faces)) {
        DecodeFaces(d, n, run, run + 64 * faces, run + 76 * faces);
        d.Faces_Read = n;
        cur_.Seek(base + kFaceFileBytes * faces);
        return;
    }
    // The file ends inside the block: field by field, keeping what is not in the file.
    const int64_t whole = (cur_.Size() - base - 4) / 64 + 1;  // faces whose first index is in the file
    d.Faces_Read =
        static_cast<int32_t>(std::clamp<int64_t>(base >= 0 && cur_.Size() - base >= 4 ? whole : 0, 0, n));
    for (int i = 0; i < n; ++i) {
        for (int g = 0; g < 4; ++g) {
            for (int k = 0; k < 4; ++k) cur_.Read(d.Index(g, k)[i]);
            SetQuad(d, g, i);
        }
    }
    cur_.Seek(base + 64 * faces);
    for (int i = 0; i < n; ++i) {
        cur_.Read(d.Normal_I[i]);
        cur_.Read(d.Normal_J[i]);
        cur_.Read(d.Normal_K[i]);
    }
    cur_.Seek(base + 76 * faces);
    for (int i = 0; i < n; ++i)
        for (auto& f : d.F) cur_.Read(f[i]);
}

void Walker::DecodeFaces(FaceDataRecord& d, int n, const uint8_t* records, const uint8_t* normals,
                         const uint8_t* mapping) {
    auto real = [](const uint8_t* p) { return std::bit_cast<float>(FileCursor::Load32(p)); };
    for (int i = 0; i < n; ++i, records += 64) {
        for (int g = 0; g < 4; ++g) {
            for (int k = 0; k < 4; ++k)
                d.Index(g, k)[i] = static_cast<int32_t>(FileCursor::Load32(records + 16 * g + 4 * k));
            SetQuad(d, g, i);
        }
    }
    for (int i = 0; i < n; ++i, normals += 12) {
        d.Normal_I[i] = real(normals);
        d.Normal_J[i] = real(normals + 4);
        d.Normal_K[i] = real(normals + 8);
    }
    for (int i = 0; i < n; ++i, mapping += 24)
        for (int k = 0; k < 6; ++k) d.F[k][i] = real(mapping + 4 * k);
}

}  // namespace opt::walk
