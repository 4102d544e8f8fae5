// Text conventions of the listings and of every text that quotes model values: printf-style fields
// (%Ns, %Nd, %Nf with two decimals, %N.Pf), fields widened and never cut, single-precision values
// converted exactly, and the decimal separator the caller passes (the model's: '.', or the windows'
// locale's).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace opt {

class LineSink;

// Decimals of a real field written as %Nf without a precision.
inline constexpr int kDefaultDecimals = 2;

// Builds one line piece by piece into a reused buffer (no allocation once the buffer has grown).
// Every field is right-aligned in its width and widened when the text is longer.
class TextLine {
public:
    // separator: the decimal separator written into every real of the line.
    explicit TextLine(char separator = '.') : separator_(separator) { buf_.reserve(128); }

    // Verbatim text.
    TextLine& Text(std::string_view s) {
        buf_.append(s);
        return *this;
    }
    // %Ns
    TextLine& Text(std::string_view s, int width);
    // Plain decimal integer (%d).
    TextLine& Int(int64_t v) { return Int(v, 0); }
    // %Nd
    TextLine& Int(int64_t v, int width);
    // %N.Pf: fixed notation with exactly `decimals` decimals; the value is converted exactly, so a
    // float argument prints its stored binary value (0.1f with ten decimals is 0.1000000015).
    TextLine& Real(double v, int width, int decimals = kDefaultDecimals);
    // %N.PF: as Real, with NAN and INF in capitals.
    TextLine& RealUpper(double v, int width, int decimals = kDefaultDecimals);
    // "%7s %10f %7s %10f %7s %10f" with three labelled values.
    TextLine& Xyz(std::string_view lx, double x, std::string_view ly, double y, std::string_view lz,
                  double z);

    const std::string& str() const { return buf_; }
    void Clear() { buf_.clear(); }
    // Hands the line to the sink and starts a new one.
    void SendTo(LineSink& sink);

private:
    TextLine& RealField(double v, int width, int decimals, bool upper);
    void Pad(size_t len, int width);
    std::string buf_;
    char separator_;
};

// Single fields as strings, for message texts and edit boxes.
std::string FormatInt(int64_t v, int width = 0);
std::string FormatReal(double v, int width, int decimals = kDefaultDecimals, char separator = '.');
std::string FormatRealUpper(double v, int width, int decimals = kDefaultDecimals, char separator = '.');
std::string FormatText(std::string_view s, int width);
// "%7s %10f %7s %10f %7s %10f" from "X=", x, "Y=", y, "Z=", z.
std::string FormatXyz(double x, double y, double z, char separator = '.');

}  // namespace opt
