// "List Textures": each unique texture name with the texture record that first carried it.
#include "listings/listing_pieces.h"
#include "listings/listings.h"

namespace opt {

void List(const TTX& ttx, LineSink& out) {
    TextLine line;
    for (int u = 0; u < kMaxUniqueNames; ++u) {
        if (ttx.Texture_Index[u] == kUnsetIndex) continue;
        line.Text(ttx.Unique_Names[u]).Text(" index =").Int(ttx.Texture_Index[u]).SendTo(out);
    }
}

}  // namespace opt
