// The one guard at the boundary of every event handler: an error that stops a handler is shown in
// the error box and the program goes on with whatever state the handler had reached.
#pragma once

#include <functional>
#include <utility>

namespace opt {

// Runs the handler; an OptError or any other std::exception it throws reaches the user through
// TheDialogs().Error with its message.
void RunGuarded(const std::function<void()>& handler) noexcept;

// The handler wrapped for a signal connection.
template <class Handler>
auto Guarded(Handler handler) {
    return [h = std::move(handler)]() { RunGuarded(h); };
}

}  // namespace opt
