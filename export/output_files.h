// The files of one export, written together: each under a temporary name in its own folder, then
// all renamed to their names once every one was written, so a failed export leaves no partial file.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace opt {

struct OutputFile {
    std::string Path;
    std::vector<uint8_t> Bytes;
    // When set, writes the content instead of Bytes (a large file need not be held in memory).
    std::function<void(std::ostream&)> Write = nullptr;
};

// Writes the files. Throws OptError("Cannot create file <path>") naming the first file that could
// not be written or renamed; the temporary files are removed then.
void WriteOutputFiles(const std::vector<OutputFile>& files);

}  // namespace opt
