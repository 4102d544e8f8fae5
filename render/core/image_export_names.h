// Names of the files that "Save Bmp" and "Save Pals" write into SaveDataDir. The part that comes from
// inside the model file (a texture name) is made safe first, so that no name can reach outside
// SaveDataDir; the model's own base name holds no directory by construction and is used as it is,
// so models whose names differ only in letters outside ASCII keep apart exports.
#pragma once

#include <string>
#include <string_view>

namespace opt {

// One file-name part with path separators, "..", control characters, bytes outside printable
// ASCII and the characters : * ? " < > | each replaced by '_'.
std::string SafeFileNamePart(std::string_view s);

// The model's file name without directory ('/' and '\' both end a directory) and without its
// extension (the part from the last '.'); "ship.opt" gives "ship".
std::string ModelBaseName(std::string_view modelPath);

// "Save Bmp": texture list entry + "_" + model name with ".bmp" ("TEX00001_ship.bmp").
std::string BmpFileName(std::string_view entryText, std::string_view modelPath);

// "Save Pals": decimal j + model name with ".pal" ("0ship.pal").
std::string PalFileName(int j, std::string_view modelPath);

// SaveDataDir as the messages show it and as file names are appended to it: ends with a separator.
std::string DirWithSeparator(std::string_view dir);

}  // namespace opt
