// "Vertex ", "Texture Vertex " and "Vertex Normal": the coordinate blocks, one line per element that
// holds a value, and the memo text of the selected vertex.
#include "listings/listing_pieces.h"
#include "listings/listings.h"
#include "model/line_sink.h"
#include "state/selection_state.h"

namespace opt {

namespace {

// tag + e + " Mesh " + Mesh + " Offset " + Data_Offset + " NUM VX = " + Count
template <class Record>
void SendBlockHead(TextLine& line, std::string_view tag, int e, const Record& r, LineSink& out) {
    MeshAndOffset(line.Text(tag).Int(e), r.Mesh, r.Data_Offset).Text(" NUM VX = ").Int(r.Count).SendTo(out);
}

// Blocks of three components per element (vertices, normals); elements whose X is unset are left out.
template <class Table>
void ListXyzBlocks(const Table& table, std::string_view tag, std::string_view heading, LineSink& out,
                   char separator) {
    TextLine line(separator);
    for (int e = 0; e < table.Size(); ++e) {
        const auto& r = table[e];
        if (r.Type == 0) continue;
        SendBlockHead(line, tag, e, r, out);
        line.Text(heading).SendTo(out);
        for (int v = 0; v < r.Elements(); ++v) {
            if (r.X[v] == kUnsetReal) continue;
            line.Int(v, 3).Text(" ").Real(r.X[v], 10).Text(" ").Real(r.Y[v], 10).Text(" ").Real(r.Z[v], 10);
            line.SendTo(out);
        }
    }
}

// "%3s %10s %10s %10s" with "Vx#" and the three component names.
std::string XyzHeading(std::string_view a, std::string_view b, std::string_view c) {
    TextLine line;
    return line.Text("Vx#", 3).Text(" ").Text(a, 10).Text(" ").Text(b, 10).Text(" ").Text(c, 10).str();
}

}  // namespace

void List(const TVX& tvx, LineSink& out, char separator) {
    ListXyzBlocks(tvx, "VX (03) ", XyzHeading("X", "Y", "Z"), out, separator);
}

void List(const TTVN& ttvn, LineSink& out, char separator) {
    ListXyzBlocks(ttvn, "VXN (11) ", XyzHeading("I", "J", "K"), out, separator);
}

void List(const TTVX& ttvx, LineSink& out, char separator) {
    TextLine line(separator);
    for (int e = 0; e < ttvx.Size(); ++e) {
        const TexVertexRecord& r = ttvx[e];
        if (r.Type == 0) continue;
        SendBlockHead(line, "TVX (13) ", e, r, out);
        line.Text("Vx#", 3).Text(" ").Text("u", 10).Text("  ").Text("v", 10).SendTo(out);
        for (int v = 0; v < r.Elements(); ++v) {
            if (r.U[v] == kUnsetReal) continue;
            line.Int(v, 3).Text(" ").Real(r.U[v], 10).Text(" ").Real(r.V[v], 10).SendTo(out);
        }
    }
}

void ShowVertexInfo(const TVX& tvx, const SelectionState& sel, MemoSink& memo, char separator) {
    memo.ClearMemo();
    TextLine line(separator);
    line.Text("Vertex ********").SendTo(memo);
    line.Text("Mesh =").Int(sel.SelectedMesh).Text(" Vx Num =").Int(sel.SelectedVertex).SendTo(memo);
    // A selection outside the table shows as an empty slot.
    float x = kUnsetReal, y = kUnsetReal, z = kUnsetReal;
    if (tvx.InRange(sel.SelectedMesh) && sel.SelectedVertex >= 0 &&
        sel.SelectedVertex < tvx[sel.SelectedMesh].Elements()) {
        const VertexRecord& r = tvx[sel.SelectedMesh];
        x = r.X[sel.SelectedVertex];
        y = r.Y[sel.SelectedVertex];
        z = r.Z[sel.SelectedVertex];
    }
    line.Xyz("X=", x, "Y=", y, "Z=", z).SendTo(memo);
}

}  // namespace opt
