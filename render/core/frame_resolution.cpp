#include "render/core/frame_resolution.h"

#include <charconv>

#include "model/errors.h"

namespace opt {

int32_t ResolutionValue(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    // from_chars takes a leading minus but not a plus.
    if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-') ++begin;
    int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc{} || ptr != end) {
        throw OptError("'" + text + "' is not a valid integer value");
    }
    return value;
}

}  // namespace opt
