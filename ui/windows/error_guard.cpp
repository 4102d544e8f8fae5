#include "ui/windows/error_guard.h"

#include <exception>

#include "model/errors.h"
#include "ui/windows/dialogs.h"

namespace opt {

namespace {
void Report(const char* message) noexcept {
    try {
        TheDialogs().Error(message);
    } catch (...) {
        // Showing the box failed as well (out of memory): nothing more can be told to the user.
    }
}
}  // namespace

void RunGuarded(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const OptError& e) {
        Report(e.what());
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("Unknown error");
    }
}

}  // namespace opt
