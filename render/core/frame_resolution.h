// The level of detail chosen in the resolution box, read from its text with a strict integer
// conversion: an optional sign and decimal digits, nothing else, within int32.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace opt {

// The integer value of text; throws OptError "'<text>' is not a valid integer value" otherwise.
int32_t ResolutionValue(const std::string& text);

// Converts the text on first use only, as the draw reads it for every face but the text does not
// change during one frame. Until the first face asks, a bad text raises nothing.
class ResolutionText {
public:
    explicit ResolutionText(const std::string& text) : text_(text) {}
    int32_t Value() {
        if (!value_) value_ = ResolutionValue(text_);
        return *value_;
    }

private:
    const std::string& text_;
    std::optional<int32_t> value_;
};

}  // namespace opt
