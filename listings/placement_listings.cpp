// "Rotation Point " and "HardPoint ": rotation/scale blocks and weapon hardpoints.
#include "listings/listing_pieces.h"
#include "listings/listings.h"

namespace opt {

void List(const TRSH& trsh, LineSink& out, char separator) {
    TextLine line(separator);
    for (int e = 0; e < trsh.Size(); ++e) {
        const RotScaleRecord& r = trsh[e];
        if (r.Type == 0) continue;
        MeshAndOffset(line.Text("RSH (023) ").Int(e), r.Mesh, r.Data_Offset)
            .Text(" NUM ")
            .Int(r.Count)
            .SendTo(out);
        // Centre, Scale_1, Scale_2, Scale_3: three floats each, in file order.
        for (int k = 0; k < 12; k += 3) {
            line.Xyz("F=", r.Float(k), "F=", r.Float(k + 1), "F=", r.Float(k + 2)).SendTo(out);
        }
    }
}

void List(const TTBH& ttbh, LineSink& out, char separator) {
    TextLine line(separator);
    for (int e = 0; e < ttbh.Size(); ++e) {
        const HardpointRecord& r = ttbh[e];
        if (r.Type == 0) continue;
        // No space between "TBH (022)" and the entry number.
        MeshAndOffset(line.Text("TBH (022)").Int(e), r.Mesh, r.Data_Offset).Text(" HP_Type ").Int(r.HP_Type);
        line.Xyz("X=", r.X, "Y=", r.Y, "Z=", r.Z).SendTo(out);
    }
}

}  // namespace opt
