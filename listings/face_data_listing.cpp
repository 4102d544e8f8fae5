// "Face Data ": every face of every face-data block, and the memo summary of the selected block.
#include <algorithm>

#include "listings/listing_pieces.h"
#include "listings/listings.h"
#include "model/line_sink.h"
#include "state/selection_state.h"

namespace opt {

namespace {

// What each of the four index groups of a face line starts with.
constexpr std::string_view kGroupLead[4] = {"Face ", ",F a ", ",F b ", ",F c "};

// "Face f = v0,v1,v2,v3, Quad,F a f = e0,e1,e2,e3, Triangle,F b f = ...,F c f = ..."
void SendFaceLine(TextLine& line, const FaceDataRecord& r, int f, LineSink& out) {
    for (int g = 0; g < 4; ++g) {
        line.Text(kGroupLead[g]).Int(f).Text(" = ");
        for (int k = 0; k < 4; ++k) line.Int(r.Index(g, k)[f]).Text(",");
        line.Text(r.Quad[g][f] != 0 ? " Quad" : " Triangle");
    }
    line.SendTo(out);
}

void SendFaceReals(TextLine& line, const FaceDataRecord& r, int f, LineSink& out) {
    line.Text("normal ").Int(f, 3).Text("  I=").Real(r.Normal_I[f], 6, 10);
    line.Text(" J=").Real(r.Normal_J[f], 6, 10).Text(" k=").Real(r.Normal_K[f], 6, 10).SendTo(out);

    constexpr std::string_view kFloatLabel[6] = {"  f0=", " f1=", " f2=", " f3=", " f4=", " f5="};
    line.Text("Float ").Int(f, 3);
    for (int j = 0; j < 6; ++j) line.Text(kFloatLabel[j]).Real(r.F[j][f], 6, 10);
    line.SendTo(out);
}

}  // namespace

void List(const TTFD& ttfd, LineSink& out, char separator) {
    TextLine line(separator);
    for (int b = 0; b < ttfd.Size(); ++b) {
        const FaceDataRecord& r = ttfd[b];
        if (r.Type == 0) continue;
        MeshAndOffset(line.Text("Face_Data  ").Int(b), r.Mesh, r.Data_Offset);
        line.Text(" NUM Faces = ").Int(r.Count).Text(" Edges = ").Int(r.Edges).SendTo(out);
        const int faces = r.StoredFaces();
        for (int f = 0; f < faces; ++f) {
            SendFaceLine(line, r, f, out);
            SendFaceReals(line, r, f, out);
        }
        for (const std::string& name : r.Tex_Names) {
            if (!name.empty()) line.Text("Textures =").Text(name).SendTo(out);
        }
        line.Text("-----------").SendTo(out);
    }
}

void ShowFaceInfo(const TTFD& ttfd, const SelectionState& sel, MemoSink& memo, char separator) {
    memo.ClearMemo();
    TextLine line(separator);
    line.Text("Faces (for Header) ********").SendTo(memo);
    // A selection outside the table reads as an empty entry.
    int32_t mesh = 0;
    int32_t count = 0;
    if (ttfd.InRange(sel.SelectedFaceData)) {
        const FaceDataRecord& r = ttfd[sel.SelectedFaceData];
        const int32_t* v0 = r.Vertex(0);
        if (std::any_of(v0, v0 + r.Faces(), [](int32_t v) { return v != kUnsetIndex; })) mesh = r.Mesh;
        count = r.Count;
    }
    line.Text("Mesh =").Int(mesh).Text(" Header =").Int(sel.SelectedFaceData);
    line.Text(" Num Faces =").Int(count).SendTo(memo);
}

}  // namespace opt
