// The program's version: the About box shows it and exported files name it as their generator.
#pragma once

namespace opt {

inline constexpr const char* kProgramVersion = "4.0a";

}  // namespace opt
