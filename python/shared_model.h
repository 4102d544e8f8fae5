// A model as Python holds it: the model and a lock, so that its calls can run without the GIL. Calls
// that read the model take the lock shared, writes exclusive; the lock is taken only after the GIL
// was released, so a thread that waits for it never holds up one that needs the GIL. Two threads
// may use one model at once: reads run side by side, a write waits for them and they for it.
#pragma once

#include <zedaruz/model.h>

#include <functional>
#include <mutex>
#include <shared_mutex>
#include <utility>

#include "bindings.h"

namespace zedaruz::python {

class SharedModel {
public:
    explicit SharedModel(Model model) : model_(std::move(model)) {}

    template <class Work>
    auto Read(Work&& work) const {
        return WithoutGil([&] {
            std::shared_lock lock(mutex_);
            return std::invoke(work, model_);
        });
    }

    // The work reads this model and another one (which may be this one).
    template <class Work>
    auto ReadWith(const SharedModel& other, Work&& work) const {
        return WithoutGil([&] {
            if (&other == this) {
                std::shared_lock lock(mutex_);
                return work(model_, model_);
            }
            // Always in the same order, so that a write waiting for one of them cannot leave two threads
            // that read the same pair waiting for each other.
            const bool first = std::less<const SharedModel*>()(this, &other);
            std::shared_lock a(first ? mutex_ : other.mutex_);
            std::shared_lock b(first ? other.mutex_ : mutex_);
            return work(model_, other.model_);
        });
    }

    template <class Work>
    auto Write(Work&& work) {
        return WithoutGil([&] {
            std::unique_lock lock(mutex_);
            return work(model_);
        });
    }

private:
    Model model_;
    mutable std::shared_mutex mutex_;
};

}  // namespace zedaruz::python
