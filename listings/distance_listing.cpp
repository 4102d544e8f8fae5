// The LOD distance table that the distance editor writes into the memo.
#include "listings/listing_pieces.h"
#include "listings/listings.h"

namespace opt {

namespace {
// The in-game HUD shows distances in these units per file unit.
constexpr float kHudScale = 100000.0f;
}  // namespace

void ListDistances(const TTMDH& ttmdh, LineSink& memo, char separator) {
    TextLine line(separator);
    line.Text("Dist \"0\" is HI res model ").SendTo(memo);
    line.Text("If closer to Dist, switches to next Hi res ").SendTo(memo);
    line.Text("Lowest Res should always be \"0\"").SendTo(memo);
    line.Text(" ").SendTo(memo);
    for (int e = 0; e < ListedLodSets(ttmdh); ++e) {
        const LodSetRecord& r = ttmdh[e];
        if (r.Type == 0) continue;
        line.Text("Mesh= ").Int(e).SendTo(memo);
        const int n = Clamped(r.Num_Jumps, kMaxLods);
        for (int k = 0; k < n; ++k) {
            const float hud = r.Distance[k] * kHudScale;  // the product in single precision
            line.Text("Distance ").Int(k, 2).Text("   ").Real(r.Distance[k], 6, 10);
            line.Text("  HUD Dist = ").RealUpper(hud, 6, 2).SendTo(memo);
        }
        line.Text(" ").SendTo(memo);
    }
}

}  // namespace opt
