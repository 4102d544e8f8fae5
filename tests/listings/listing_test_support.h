// Shared pieces of the listing tests: a cleared store on the heap and the lines of one listing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/line_sink.h"
#include "model/store.h"

namespace opt::testing {

inline std::unique_ptr<ModelStore> EmptyStore() { return std::make_unique<ModelStore>(); }

template <class Table>
std::vector<std::string> Lines(const Table& table) {
    VectorSink sink;
    List(table, sink);
    return sink.lines;
}

}  // namespace opt::testing
