// Every file the program writes (exports, pictures, palettes, saved listings) goes through here: each
// file is written under a temporary name in the folder of the file it replaces, then renamed over
// it, so a reader never sees half a file. The files of one call are written together: all renamed
// once every one was written, or none left behind.
//
// A name that is a symbolic link is written through: the link stays and the file it names (in that
// file's own folder) is replaced. A name that exists and is neither a regular file nor a link to one
// (a named pipe, a device, a socket) is refused before anything is written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace opt {

struct OutputFile {
    std::string Path;  // UTF-8
    std::vector<uint8_t> Bytes;
    // When set, writes the content instead of Bytes (a large file need not be held in memory).
    std::function<void(std::ostream&)> Write = nullptr;
};

// What a write of a name replaces: the name itself, or the file at the end of its symbolic links.
struct OutputTarget {
    enum class Kind { kMissing, kRegular, kFolder, kOther };
    std::filesystem::path File;
    Kind What = Kind::kMissing;
};
OutputTarget ResolveOutputTarget(const std::filesystem::path& name);

// Writes the files. Throws OptError("PATH is not a regular file") for a name that is refused, before
// anything is written, and OptError("Cannot create file PATH") naming the first file that could not
// be written or renamed, with the reason beside it ("it is a folder", "the folder F does not exist",
// the system's reason); the temporary files are removed then, and the files already renamed too.
void WriteOutputFiles(const std::vector<OutputFile>& files);

// One file of bytes, the same way.
void WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace opt
