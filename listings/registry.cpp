#include "listings/registry.h"

#include <algorithm>

#include "listings/listings.h"

namespace opt {

namespace {

// Runs the List of one table of the store, with the store's decimal separator.
template <auto Member>
void RunList(const ModelStore& store, LineSink& out) {
    List(store.*Member, out, store.Decimal_Separator);
}

void RunDistances(const ModelStore& store, LineSink& out) {
    ListDistances(store.ttmdh, out, store.Decimal_Separator);
}

constexpr ListingEntry kListings[] = {
    {"main-file-info", "Main File Info ", &RunList<&ModelStore::txw>},
    {"mesh-info", "Mesh Info", &RunList<&ModelStore::ttmih>},
    {"mesh-data-header", "Mesh Data Header", &RunList<&ModelStore::ttmdh>},
    {"mesh-face-header", "Mesh Face Header", &RunList<&ModelStore::ttmfh>},
    {"face-data", "Face Data ", &RunList<&ModelStore::ttfd>},
    {"collision-box", "Collision box ", &RunList<&ModelStore::tcb>},
    {"rotation-point", "Rotation Point ", &RunList<&ModelStore::trsh>},
    {"hardpoint", "HardPoint ", &RunList<&ModelStore::ttbh>},
    {"vertex", "Vertex ", &RunList<&ModelStore::tvx>},
    {"texture-vertex", "Texture Vertex ", &RunList<&ModelStore::ttvx>},
    {"vertex-normal", "Vertex Normal", &RunList<&ModelStore::ttvn>},
    {"textures", "List Textures", &RunList<&ModelStore::ttx>},
    {"distances", "", &RunDistances},
};

}  // namespace

std::span<const ListingEntry> Listings() { return kListings; }

const ListingEntry* FindListing(std::string_view name) {
    const auto it = std::find_if(std::begin(kListings), std::end(kListings),
                                 [name](const ListingEntry& e) { return e.name == name; });
    return it == std::end(kListings) ? nullptr : it;
}

}  // namespace opt
