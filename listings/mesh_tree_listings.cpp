// "Mesh Info", "Mesh Data Header" and "Mesh Face Header": node blocks, LOD sets and face lists.
#include "listings/listing_pieces.h"
#include "listings/listings.h"

namespace opt {

void List(const TTMIH& ttmih, LineSink& out, char separator) {
    TextLine line(separator);
    for (int e = 0; e < ttmih.Size(); ++e) {
        const NodeRecord& r = ttmih[e];
        if (r.Num_Jumps == 0) continue;
        MeshAndOffset(line.Text("MIH (004) ").Int(e), r.Mesh, r.Jump_List_Offset);
        line.Text(" NUM  = ").Int(r.Num_Jumps).Text(" RV  = ").Int(r.Data_Offset);
        line.Text(" NUM?  = ").Int(r.Count).SendTo(out);
        line.Text("pad 0 = ").Int(r.Lead).Text(" pad 1 = ").Int(r.Type).SendTo(out);
        const int n = Clamped(r.Num_Jumps, static_cast<int>(r.Jumps.size()));
        for (int k = 0; k < n; ++k) SendJumpLine(line, k, r.Jumps[k], out);
    }
}

void List(const TTMDH& ttmdh, LineSink& out, char separator) {
    TextLine line(separator);
    for (int e = 0; e < ListedLodSets(ttmdh); ++e) {
        const LodSetRecord& r = ttmdh[e];
        if (r.Type == 0) continue;
        line.Text("MDH (021) ").Int(e).Text(" Mesh ").Int(r.Mesh);
        line.Text(" Offset to MFH ").Int(r.Jump_List_Offset).Text(" Offset to Float ").Int(r.Data_Offset);
        line.Text(" NUM  = ").Int(r.Count).Text(" Num?= ").Int(r.Num_Jumps).SendTo(out);
        const int n = Clamped(r.Num_Jumps, kMaxLods);
        for (int k = 0; k < n; ++k) {
            line.Text("Distance ").Int(k, 3).Text(" ").Real(r.Distance[k], 6, 10).Text(" ").SendTo(out);
        }
        for (int k = 0; k < n; ++k) SendJumpLine(line, k, r.Jumps[k], out);
    }
}

void List(const TTMFH& ttmfh, LineSink& out, char separator) {
    TextLine line(separator);
    for (int e = 0; e < ttmfh.Size(); ++e) {
        const FaceListRecord& r = ttmfh[e];
        if (r.Num_Jumps == 0) continue;
        MeshAndOffset(line.Text("MFaceH  ").Int(e), r.Mesh, r.Jump_List_Offset);
        line.Text(" NUM  = ").Int(r.Num_Jumps).Text(" RV= ").Int(r.Data_Offset);
        line.Text(" NUm?= ").Int(r.Count).SendTo(out);
        const int n = Clamped(r.Num_Jumps, kMaxLods);
        for (int k = 0; k < n; ++k)
            line.Text("Jump ").Int(k, 3).Text(" =").Int(r.Jumps[k], 10).Text(" ").SendTo(out);
        for (int k = 0; k < n; ++k) {
            line.Text("BLock Type @ Jumps, ")
                .Int(k, 3)
                .Text("  =")
                .Int(r.Child_Type[k], 10)
                .Text(" ")
                .SendTo(out);
        }
    }
}

}  // namespace opt
