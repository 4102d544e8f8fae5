// "Main File Info ": the file header, the top-level jump list and each top-level mesh's children.
#include "listings/listing_pieces.h"
#include "listings/listings.h"

namespace opt {

void List(const TXW& txw, LineSink& out, char separator) {
    TextLine line(separator);
    line.Text("Main_Offset=").Int(txw.Main_Offset).Text(" Num_Jumps=").Int(txw.Num_Jumps);
    line.Text(" Jump List Offset=").Int(txw.Jump_List_Offset).SendTo(out);

    const int top = Clamped(txw.Num_Jumps, txw.Size());
    for (int i = 0; i < top; ++i) line.Text("Offset ").Int(i).Text("  =").Int(txw.Jumps[i]).SendTo(out);

    for (int m = 0; m < txw.Size(); ++m) {
        const MeshRecord& mesh = txw.Meshes[static_cast<size_t>(m)];
        if (mesh.Num_Jumps == 0) continue;
        const int children = Clamped(mesh.Num_Jumps, static_cast<int>(mesh.Jumps.size()));
        for (int k = 0; k < children; ++k) {
            // The "extra long" line stands before every child line.
            line.Text("extra long ").Int(mesh.Count).SendTo(out);
            line.Text("MMH Jumps ").Int(m).Text("  =").Int(mesh.Jumps[k]).SendTo(out);
        }
    }
}

}  // namespace opt
