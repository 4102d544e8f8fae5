// Every listing by the name the command line knows it by, in Lists-menu order, then the LOD distances.
#pragma once

#include <span>
#include <string_view>

#include "model/store.h"

namespace opt {

class LineSink;

struct ListingEntry {
    std::string_view name;     // command-line name, e.g. "vertex"
    std::string_view caption;  // Lists-menu caption; empty for the distance table, which has no menu item
    void (*run)(const ModelStore& store, LineSink& out);
};

// The thirteen listings in order.
std::span<const ListingEntry> Listings();
// The entry of that name, or nullptr.
const ListingEntry* FindListing(std::string_view name);

}  // namespace opt
