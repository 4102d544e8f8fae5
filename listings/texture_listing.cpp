// "List Textures": each unique texture name with the texture record that first carried it.
#include "listings/listing_pieces.h"
#include "listings/listings.h"

namespace opt {

void List(const TTX& ttx, LineSink& out, char separator) {
    TextLine line(separator);
    for (size_t u = 0; u < ttx.Unique_Names.size(); ++u) {
        if (!ttx.EntryUsed(u)) continue;
        line.Text(ttx.Unique_Names[u]).Text(" index =").Int(ttx.Texture_Index[u]).SendTo(out);
    }
}

}  // namespace opt
