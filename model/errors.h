// The one error type the core raises: carries the message shown to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace opt {

class OptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace opt
