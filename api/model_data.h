// What a zedaruz::Model holds: the path it was opened from, the loaded store (tables, file image,
// reader's lists) and the journal its writes are recorded in. Private to the library and the
// programs built with it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "model/errors.h"
#include "model/store.h"
#include "platform/utf8_path.h"
#include "zedaruz/error.h"
#include "zedaruz/model.h"

namespace zedaruz {

struct Model::Data {
    std::filesystem::path file;
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    std::string journal;  // the journal file every write of this model is recorded in
};

// The model file's path as the core takes it (UTF-8).
std::string CorePath(const std::filesystem::path& path);

// Runs the work and turns the core's OptError into zedaruz::Error with the same message and, where
// the system refused a file, its reason.
template <class Work>
auto Translated(Work&& work) -> decltype(work()) {
    try {
        return work();
    } catch (const opt::OptError& e) {
        throw Error(e.WithReason());
    }
}

}  // namespace zedaruz
