// The one exception the library throws for anything a user can cause: a file that cannot be read
// or written, a record that is not there, a value out of range, a write the disk refused.
#pragma once

#include <stdexcept>
#include <string>

#include "zedaruz/visibility.h"

namespace zedaruz {

// what() is the message zedaruz-cli prints for the same failure.
class ZEDARUZ_API Error : public std::runtime_error {
public:
    explicit Error(const std::string& message);
    ~Error() override;
};

}  // namespace zedaruz
