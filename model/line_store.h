// The lines of a list box, kept the way the ".vxs" text file holds them: one buffer with every line
// followed by CR LF, and where each line starts. A line costs its characters plus ten bytes and no
// allocation of its own, so the vertex listing of a million-vertex model fills one growing buffer,
// and saving the lines is one write of that buffer.
//
// Given the pixel advance of every Latin-1 character, the store also sums each line's width as the
// line arrives and remembers the widest, so a list box sizes its rows without a second pass.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/line_sink.h"

namespace opt {

class LineStore : public LineSink {
public:
    using Advances = std::array<int, 256>;
    static constexpr size_t kNone = static_cast<size_t>(-1);

    void AddLine(const std::string& line) override { Append(line); }
    void Append(std::string_view line);

    size_t Count() const { return starts_.size(); }
    // Line i (i < Count()) without its line end.
    std::string_view Line(size_t i) const;
    // Every line followed by CR LF, in order.
    const std::string& Text() const { return text_; }
    // Every line as a string of its own, in order.
    std::vector<std::string> Copy() const;

    // From now on sums each line's width with these advances; the lines already held are measured
    // again unless they were measured with the same advances.
    void MeasureWith(const Advances& advances);
    // The first of the widest lines by summed advances, or kNone while no measured line is wider
    // than nothing.
    size_t WidestLine() const { return widestLine_; }
    int64_t WidestWidth() const { return widestWidth_; }

private:
    void Measure(size_t i, std::string_view line);

    std::string text_;
    std::vector<size_t> starts_;
    Advances advances_{};
    bool measuring_ = false;
    size_t widestLine_ = kNone;
    int64_t widestWidth_ = 0;
};

}  // namespace opt
