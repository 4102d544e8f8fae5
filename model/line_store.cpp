#include "model/line_store.h"

namespace opt {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

void LineStore::Append(std::string_view line) {
    starts_.push_back(text_.size());
    text_.append(line);
    text_.append(kLineEnd);
    if (measuring_) Measure(starts_.size() - 1, line);
}

std::string_view LineStore::Line(size_t i) const {
    const size_t end = (i + 1 < starts_.size() ? starts_[i + 1] : text_.size()) - kLineEnd.size();
    return std::string_view(text_).substr(starts_[i], end - starts_[i]);
}

std::vector<std::string> LineStore::Copy() const {
    std::vector<std::string> lines;
    lines.reserve(Count());
    for (size_t i = 0; i < Count(); ++i) lines.emplace_back(Line(i));
    return lines;
}

void LineStore::MeasureWith(const Advances& advances) {
    if (measuring_ && advances == advances_) return;
    advances_ = advances;
    measuring_ = true;
    widestLine_ = kNone;
    widestWidth_ = 0;
    for (size_t i = 0; i < Count(); ++i) Measure(i, Line(i));
}

void LineStore::Measure(size_t i, std::string_view line) {
    int64_t sum = 0;
    for (unsigned char c : line) sum += advances_[c];
    if (sum <= widestWidth_) return;
    widestWidth_ = sum;
    widestLine_ = i;
}

}  // namespace opt
