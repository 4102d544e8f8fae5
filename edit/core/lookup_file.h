// The lookup files of type names ("HardPoints.txt", "MeshType.txt"): one name per line, the line
// number from 0 being the type code. Read again each time an entry is chosen; never written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace opt {

inline constexpr const char* kHardPointsFile = "HardPoints.txt";
// The name the window's start-up notice asks the user to create; read where HardPoints.txt is missing.
inline constexpr const char* kHardpointFileAsNoticed = "Hardpoint.txt";
inline constexpr const char* kMeshTypeFile = "MeshType.txt";

// The lines of a text whose lines end with CR LF, CR or LF (the last line may lack an ending).
std::vector<std::string> SplitLookupLines(std::string_view text);

// The lines of the named file; throws OptError("Cannot open file <path>", with the system's reason)
// when it cannot be read.
std::vector<std::string> ReadLookupFile(const std::string& path);

// The code of a chosen type name: the number of the last of lines 0 .. count - 2 equal to name
// (case-sensitive; the last line is never compared), or current when none is. Throws
// OptError("List index out of bounds (<count>)") when the list holds fewer than two lines.
int32_t LookupTypeCode(const std::vector<std::string>& lines, const std::string& name, int32_t current);

// Which lookup file a type belongs to.
enum class TypeLookup { kHardpoint, kMeshType };

// The lookup file of that kind in an AppData folder (named with its trailing separator). For
// hardpoints: HardPoints.txt, or Hardpoint.txt where only that one exists.
std::string LookupFilePath(const std::string& appDataDir, TypeLookup kind);

// A type value as a user writes it: a whole decimal number (a leading '-' allowed) within 32 bits is
// the code itself, and needs no lookup file; any other word is a name, coded as LookupTypeCode does.
// Throws OptError saying what to do: when the lookup file is missing, which file to create in which
// folder (or to give the code); when the name is not in it, that it is neither a code nor a name there.
int32_t ParseTypeValue(const std::string& value, const std::string& appDataDir, TypeLookup kind);

}  // namespace opt
