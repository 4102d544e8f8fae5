#include "zedaruz/error.h"

namespace zedaruz {

Error::Error(const std::string& message) : std::runtime_error(message) {}

Error::~Error() = default;

}  // namespace zedaruz
