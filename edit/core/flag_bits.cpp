#include "edit/core/flag_bits.h"

#include "edit/core/edit_numbers.h"

namespace opt {

FlagView ShowFlags(int32_t value) {
    FlagView view;
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < kFlagBits; ++i) {
        view.Captions[static_cast<size_t>(i)] = "Flag " + std::to_string(i);
        view.Checked[static_cast<size_t>(i)] = ((bits >> i) & 1u) != 0;
    }
    return view;
}

FlagView FE1DblClick(const std::string& fe1Text) { return ShowFlags(ParseInteger(fe1Text)); }

}  // namespace opt
