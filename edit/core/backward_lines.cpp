#include "edit/core/backward_lines.h"

#include <algorithm>

#include "platform/utf8_path.h"

namespace opt {

namespace {
constexpr int64_t kFirstChunk = 1 << 16;
}  // namespace

BackwardLines::BackwardLines(const std::string& path) : in_(Utf8Path(path), std::ios::binary) {
    if (in_) in_.seekg(0, std::ios::end);
    const std::streamoff length = in_ ? static_cast<std::streamoff>(in_.tellg()) : -1;
    start_ = length > 0 ? length : 0;
    done_ = length <= 0;
}

bool BackwardLines::ReadEarlier() {
    if (start_ == 0) return false;
    // Twice what is held, so that a long line is read in a number of steps that grows with the
    // logarithm of its length.
    const int64_t chunk =
        std::min<int64_t>(start_, std::max<int64_t>(kFirstChunk, static_cast<int64_t>(buffer_.size())));
    std::string earlier(static_cast<size_t>(chunk), '\0');
    in_.seekg(start_ - chunk);
    if (!in_.read(earlier.data(), chunk)) return false;
    buffer_.insert(0, earlier);
    start_ -= chunk;
    unsearched_ += static_cast<size_t>(chunk);
    return true;
}

bool BackwardLines::Next(std::string& line) {
    if (done_) return false;
    for (;;) {
        // The last '\n' of the unsearched part ends the line before the one being given.
        const auto searched = std::string_view(buffer_).substr(0, unsearched_).rfind('\n');
        if (searched != std::string_view::npos) {
            line.assign(buffer_, searched + 1, std::string::npos);
            buffer_.resize(searched);
            unsearched_ = searched;
            return true;
        }
        unsearched_ = 0;
        if (!ReadEarlier()) {
            // The start of the file: what is held is its first line.
            done_ = true;
            if (start_ != 0) return false;
            line = std::move(buffer_);
            buffer_.clear();
            return true;
        }
    }
}

}  // namespace opt
