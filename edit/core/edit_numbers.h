// Number texts of the edit box E: parsing what the user typed and showing the value being edited.
// Reals use the decimal separator given (the model's: '.', or the windows' locale's).
#pragma once

#include <cstdint>
#include <string>

namespace opt {

// A real typed into E, rounded to a 32-bit float: optional spaces around, an optional sign, digits
// with at most one decimal separator, an optional exponent (e or E, optional sign, digits). Throws
// OptError("'<text>' is not a valid floating point value") for anything else, including values
// beyond the range of a 32-bit float.
float ParseReal(const std::string& text, char separator = '.');

// A signed 32-bit integer: optional leading spaces, an optional sign, then decimal digits, or at most
// eight hexadecimal digits after "$", "x", "X", "0x" or "0X" (so $FFFFFFFF is -1). Decimal values
// outside -2147483648 .. 2147483647 are refused. Throws OptError("'<text>' is not a valid integer
// value") for anything else.
int32_t ParseInteger(const std::string& text);

// A coordinate in E: general notation with 15 significant digits (0.1f shows as 0.100000001490116).
std::string GeneralText(float v, char separator = '.');
// A distance or rotation/scale float in E: "%6.10F".
std::string TenDecimalsText(float v, char separator = '.');

}  // namespace opt
