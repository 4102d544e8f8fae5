// The one error type the core raises: carries the message shown to the user and, where the system
// refused a file, the system's reason ("permission denied", "read-only file system", ...).
#pragma once

#include <cctype>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

namespace opt {

class OptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // message is what() (the window shows it as it is); reason is kept beside it.
    OptError(const std::string& message, std::string reason)
        : std::runtime_error(message), reason_(std::move(reason)) {}

    // Why the system refused, in lower case; empty when the message says it all.
    const std::string& Reason() const { return reason_; }
    // The message followed by ": " and the reason, when there is one (the command line's text).
    std::string WithReason() const { return reason_.empty() ? what() : std::string(what()) + ": " + reason_; }

private:
    std::string reason_;
};

// The system's text of an error, its first letter in lower case to follow a colon ("permission
// denied"; "I/O error" keeps its capitals); empty when there is no error.
inline std::string SystemReason(const std::error_code& ec) {
    if (!ec) return {};
    std::string text = ec.message();
    if (text.size() > 1 && std::isupper(static_cast<unsigned char>(text[0])) &&
        std::islower(static_cast<unsigned char>(text[1])))
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}
// The same for an errno value (0: no reason).
inline std::string SystemReason(int errorNumber) {
    return SystemReason(std::error_code(errorNumber, std::generic_category()));
}

}  // namespace opt
