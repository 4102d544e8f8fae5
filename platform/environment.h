// Environment variables as UTF-8 on every system (Windows' narrow getenv gives the ANSI code page).
#pragma once

#include <optional>
#include <string>

namespace opt {

// The variable's value, or nothing when it is not set.
std::optional<std::string> EnvironmentUtf8(const char* name);

}  // namespace opt
