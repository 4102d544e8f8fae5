// The large model for the benchmarks: written under the build directory by the first benchmark that
// needs it and reused by every later run (delete the file to make it again), and loaded once into a
// store shared by the benchmarks that only read the tables.
#pragma once

#include <memory>
#include <string>

#include "model/reader.h"
#include "model/store.h"
#include "tests/support/large_model.h"

namespace bench_large {

inline const char* ModelPath() {
    static const std::string path = optb::ensure_large_model(LARGE_MODEL_PATH).string();
    return path.c_str();
}

// Loads the model into the store; returns the number of warning lines the reader gave.
inline size_t LoadInto(opt::ModelStore& store) {
    opt::Load(store, ModelPath());
    return store.Warnings.size();
}

inline const opt::ModelStore& LoadedStore() {
    static const std::unique_ptr<opt::ModelStore> store = [] {
        auto s = std::make_unique<opt::ModelStore>();
        LoadInto(*s);
        return s;
    }();
    return *store;
}

}  // namespace bench_large
