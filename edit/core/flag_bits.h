// The flag viewer TFlagEdit: the 32 bits of the number typed into FE1, shown as 32 check boxes. A
// viewer only: nothing is read back from the boxes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace opt {

inline constexpr int kFlagBits = 32;

// What the dialog shows for one number: box i is checked exactly when bit i is set.
struct FlagView {
    std::array<bool, kFlagBits> Checked{};
    std::array<std::string, kFlagBits> Captions;  // "Flag 0" .. "Flag 31"
};

// SetCaptions and SetBits for value.
FlagView ShowFlags(int32_t value);

// FE1DblClick: parses FE1's text (ParseInteger: decimal, $, x or 0x hex) and gives the dialog's
// contents; throws OptError("'<text>' is not a valid integer value") and the dialog does not open.
FlagView FE1DblClick(const std::string& fe1Text);

}  // namespace opt
