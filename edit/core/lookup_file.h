// The lookup files of type names ("HardPoints.txt", "MeshType.txt"): one name per line, the line
// number from 0 being the type code. Read again each time an entry is chosen; never written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace opt {

inline constexpr const char* kHardPointsFile = "HardPoints.txt";
inline constexpr const char* kMeshTypeFile = "MeshType.txt";

// The lines of a text whose lines end with CR LF, CR or LF (the last line may lack an ending).
std::vector<std::string> SplitLookupLines(std::string_view text);

// The lines of the named file; throws OptError("Cannot open file <path>") when it cannot be read.
std::vector<std::string> ReadLookupFile(const std::string& path);

// The code of a chosen type name: the number of the last of lines 0 .. count - 2 equal to name
// (case-sensitive; the last line is never compared), or current when none is. Throws
// OptError("List index out of bounds (<count>)") when the list holds fewer than two lines.
int32_t LookupTypeCode(const std::vector<std::string>& lines, const std::string& name, int32_t current);

}  // namespace opt
