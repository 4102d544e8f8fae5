// Number texts of the status bar: fixed notation ("%6.0f") and the general format with 15
// significant digits, with the decimal separator of the user's locale.
#pragma once

#include <string>

namespace opt {

// printf "%W.Df": right-aligned in at least `width` characters, `decimals` decimals.
std::string FormatFixed(double v, int width, int decimals, char decimalSeparator);

// General format with at most 15 significant digits and no trailing zeros: fixed notation while
// the value has at most 15 integer digits and is at least 0.00001 in size, otherwise scientific
// as "1.5E-7" / "1E20" (no plus sign, no leading exponent zeros). 2.0 gives "2".
std::string FormatGeneral15(double v, char decimalSeparator);

}  // namespace opt
