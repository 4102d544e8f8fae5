#include "listings/text_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "model/line_sink.h"

namespace opt {

namespace {

// Enough for the widest double in fixed notation with the largest precision we accept.
constexpr int kMaxDecimals = 60;
constexpr size_t kRealBuffer = 320 + kMaxDecimals;

}  // namespace

void TextLine::Pad(size_t len, int width) {
    if (width > 0 && len < static_cast<size_t>(width)) buf_.append(static_cast<size_t>(width) - len, ' ');
}

TextLine& TextLine::Text(std::string_view s, int width) {
    Pad(s.size(), width);
    buf_.append(s);
    return *this;
}

TextLine& TextLine::Int(int64_t v, int width) {
    char tmp[24];
    const auto res = std::to_chars(tmp, tmp + sizeof tmp, v);
    const size_t len = static_cast<size_t>(res.ptr - tmp);
    Pad(len, width);
    buf_.append(tmp, len);
    return *this;
}

TextLine& TextLine::RealField(double v, int width, int decimals, bool upper) {
    char tmp[kRealBuffer];
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    // to_chars in fixed notation with a precision rounds the exact binary value, as printf does.
    const auto res = std::to_chars(tmp, tmp + sizeof tmp, v, std::chars_format::fixed, decimals);
    const size_t len = static_cast<size_t>(res.ptr - tmp);
    for (size_t i = 0; i < len; ++i) {
        if (tmp[i] == '.') {
            tmp[i] = separator_;
        } else if (upper) {
            tmp[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(tmp[i])));
        }
    }
    Pad(len, width);
    buf_.append(tmp, len);
    return *this;
}

TextLine& TextLine::Real(double v, int width, int decimals) { return RealField(v, width, decimals, false); }

TextLine& TextLine::RealUpper(double v, int width, int decimals) {
    return RealField(v, width, decimals, true);
}

TextLine& TextLine::Xyz(std::string_view lx, double x, std::string_view ly, double y, std::string_view lz,
                        double z) {
    Text(lx, 7).Text(" ").Real(x, 10).Text(" ");
    Text(ly, 7).Text(" ").Real(y, 10).Text(" ");
    return Text(lz, 7).Text(" ").Real(z, 10);
}

void TextLine::SendTo(LineSink& sink) {
    sink.AddLine(buf_);
    buf_.clear();
}

std::string FormatInt(int64_t v, int width) { return TextLine().Int(v, width).str(); }

std::string FormatReal(double v, int width, int decimals, char separator) {
    return TextLine(separator).Real(v, width, decimals).str();
}

std::string FormatRealUpper(double v, int width, int decimals, char separator) {
    return TextLine(separator).RealUpper(v, width, decimals).str();
}

std::string FormatText(std::string_view s, int width) { return TextLine().Text(s, width).str(); }

std::string FormatXyz(double x, double y, double z, char separator) {
    return TextLine(separator).Xyz("X=", x, "Y=", y, "Z=", z).str();
}

}  // namespace opt
