// A text file's lines read from the last to the first, as std::getline would give them forwards
// ('\n' ends a line and is not part of it; a last line without one is a line; an empty file has
// none). Only the lines asked for are read: the file is read backwards in chunks that grow with the
// line being assembled, so a long line costs its own length and a short tail costs a chunk.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace opt {

class BackwardLines {
public:
    // Opens the file (UTF-8 name); a file that cannot be read has no lines.
    explicit BackwardLines(const std::string& path);

    // The next line towards the start of the file; false when there is none left (or a read failed).
    bool Next(std::string& line);

private:
    // Puts the bytes before buffer_ in front of it; false at the start of the file or on a failure.
    bool ReadEarlier();

    std::ifstream in_;
    std::string buffer_;     // the file's bytes [start_, end_): the lines not given yet, or their end
    int64_t start_ = 0;      // file position of buffer_[0]
    size_t unsearched_ = 0;  // buffer_[0, unsearched_) has not been searched for a line end
    bool done_ = false;
};

}  // namespace opt
