#include "render/core/frame_builder.h"

#include <optional>

#include "render/core/frame_face_draw.h"
#include "render/core/frame_overlays.h"
#include "render/core/frame_resolution.h"
#include "render/core/frame_texture_lookup.h"

namespace opt {

namespace {

constexpr Rgb kLevelQuad{0.0f, 0.1f, 0.9f};
constexpr Rgb kLevelTri{0.0f, 0.4f, 0.9f};
constexpr Rgb kAllLevels{0.0f, 1.0f, 0.0f};
constexpr Rgb kSelMeshQuad{1.0f, 0.0f, 0.0f};
constexpr Rgb kSelMeshTri{1.0f, 0.0f, 0.5f};
constexpr Rgb kSelFaceQuad{1.0f, 0.0f, 0.0f};
constexpr Rgb kSelFaceTri{1.0f, 0.0f, 0.4f};

bool IsQuad(const FaceDataRecord& fd, int j) { return fd.Quad[kGroupVertex][j] != 0; }

class ModelFrame {
public:
    ModelFrame(const ModelStore& store, const SelectionState& selection, Frame& frame)
        : store_(store),
          selection_(selection),
          frame_(frame),
          textured_(selection.DisplayMode.IsDown(SBWire)),
          draw_(store, frame),
          resolution_(selection.Resolution) {}

    void Build() {
        MainPass();
        Overlays();
    }

private:
    void MainPass() {
        const int start = draw_.Shift();
        std::optional<TextureLookup> lookup;
        if (textured_) lookup.emplace(store_.ttx);
        const int records = store_.ttfd.Size();
        for (int i = start; i < records; ++i) {
            const FaceDataRecord& fd = store_.ttfd[i];
            if (fd.Count <= 0) continue;
            // The texture of an entry depends only on its first pending name: look it up once, at
            // its first visited face.
            bool looked = false;
            const int faces = fd.StoredFaces();
            const int32_t m = fd.Mesh;
            for (int j = 0; j < faces; ++j) {
                if (!fd.Holds(j)) continue;
                draw_.LoadFace(fd, j);
                if (lookup && !looked) {
                    if (auto found = lookup->Find(fd.Tex_Names[0])) texture_ = *found;
                    looked = true;
                }
                if (selection_.AllRes) {
                    DrawFace(fd, j, m, kAllLevels, kAllLevels);
                } else if (resolution_.Value() == fd.LOD) {
                    if (textured_) {
                        DrawTexFace(fd, j, m);
                    } else {
                        DrawFace(fd, j, m, kLevelQuad, kLevelTri);
                    }
                }
            }
        }
    }

    void DrawFace(const FaceDataRecord& fd, int j, int32_t m, Rgb quad, Rgb tri) {
        if (IsQuad(fd, j)) {
            draw_.DrawQuad(m, quad);
        } else {
            draw_.DrawTri(m, tri);
        }
    }

    void DrawTexFace(const FaceDataRecord& fd, int j, int32_t m) {
        if (IsQuad(fd, j)) {
            draw_.DrawTexQuad(m, texture_);
        } else {
            draw_.DrawTexTri(m, texture_);
        }
    }

    void Overlays() {
        const ModeGroup& mode = selection_.DisplayMode;
        if (mode.IsDown(SBMESH)) ShowSelMesh();
        if (mode.IsDown(SBFace)) ShowSelFace();
        if (mode.IsDown(SBVx)) {
            frame_.WriteVertexInfo =
                ShowSelVertex(store_, selection_.SelectedMesh, selection_.SelectedVertex, frame_);
        }
        if (mode.IsDown(SBSHoHP)) ShowHardpoints(store_, frame_);
        if (mode.IsDown(SBHP)) ShowSelHardpoint(store_, selection_.Edit_Index, frame_);
        if (mode.IsDown(SBShoHZ)) ShowHitZones(store_, frame_);
        if (mode.IsDown(SBHZED)) ShowTargetBox(store_, selection_.Edit_Index, frame_);
        if (mode.IsDown(SBShoCenters)) ShowCentres(store_, frame_);
    }

    // The selected mesh at the chosen level. The scan skips the first entry when the first top-level
    // entry has no children, and stops at the first entry whose Count is 0.
    void ShowSelMesh() {
        const int start = store_.txw.Meshes[0].Num_Jumps == 0 ? 1 : 0;
        for (int i = start; i < store_.ttfd.Size(); ++i) {
            const FaceDataRecord& fd = store_.ttfd[i];
            if (fd.Count == 0) return;
            if (fd.Count < 0 || fd.Mesh != selection_.SelectedMesh) continue;
            for (int j = 0; j < fd.StoredFaces(); ++j) {
                if (!fd.Holds(j)) continue;
                draw_.LoadFace(fd, j);
                if (resolution_.Value() == fd.LOD) DrawFace(fd, j, fd.Mesh, kSelMeshQuad, kSelMeshTri);
            }
        }
    }

    // Every face of the selected face-data entry, at any level.
    void ShowSelFace() {
        if (!store_.ttfd.InRange(selection_.SelectedFaceData)) return;
        const FaceDataRecord& fd = store_.ttfd[selection_.SelectedFaceData];
        for (int j = 0; j < fd.StoredFaces(); ++j) {
            if (!fd.Holds(j)) continue;
            draw_.LoadFace(fd, j);
            DrawFace(fd, j, fd.Mesh, kSelFaceQuad, kSelFaceTri);
        }
        frame_.WriteFaceInfo = true;
    }

    const ModelStore& store_;
    const SelectionState& selection_;
    Frame& frame_;
    bool textured_;  // SBWire is down
    FaceDraw draw_;
    ResolutionText resolution_;
    TextureBinding texture_;  // t: the texture found last in this frame
};

}  // namespace

void DrawModel(const ModelStore& store, const SelectionState& selection, Frame& frame) {
    frame.Clear();
    if (!selection.ModelLoaded) return;
    ModelFrame(store, selection, frame).Build();
}

}  // namespace opt
