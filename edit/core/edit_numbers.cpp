#include "edit/core/edit_numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "listings/text_format.h"
#include "model/errors.h"
#include "render/core/view_number_text.h"

namespace opt {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

[[noreturn]] void NotReal(const std::string& text) {
    throw OptError("'" + text + "' is not a valid floating point value");
}

[[noreturn]] void NotInteger(const std::string& text) {
    throw OptError("'" + text + "' is not a valid integer value");
}

// Copies the digits at text[i..] into out; returns how many there were.
size_t TakeDigits(const std::string& text, size_t& i, std::string& out) {
    const size_t from = i;
    while (i < text.size() && IsDigit(text[i])) out += text[i++];
    return i - from;
}

}  // namespace

float ParseReal(const std::string& text, char separator) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::string plain;  // the number with '.' as separator, for from_chars
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    size_t digits = TakeDigits(text, i, plain);
    if (i < text.size() && text[i] == separator) {
        plain += '.';
        ++i;
        digits += TakeDigits(text, i, plain);
    }
    if (digits == 0) NotReal(text);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        if (TakeDigits(text, i, plain) == 0) NotReal(text);
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size()) NotReal(text);
    double v = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (ec != std::errc() || end != plain.data() + plain.size()) NotReal(text);
    const auto f = static_cast<float>(v);
    if (!std::isfinite(f)) NotReal(text);
    return f;
}

int32_t ParseInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint32_t magnitude = 0;
    if (i < text.size() &&
        (text[i] == '$' || text[i] == 'x' || text[i] == 'X' ||
         (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')))) {
        i += text[i] == '0' ? 2 : 1;
        const size_t from = i;
        for (; i < text.size() && HexDigit(text[i]) >= 0; ++i)
            magnitude = magnitude * 16 + uint32_t(HexDigit(text[i]));
        if (i == from || i - from > 8 || i != text.size()) NotInteger(text);
        return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
    }
    const size_t from = i;
    int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) NotInteger(text);
    }
    if (i == from || i != text.size()) NotInteger(text);
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) NotInteger(text);
    return static_cast<int32_t>(value);
}

std::string GeneralText(float v, char separator) { return FormatGeneral15(v, separator); }

std::string TenDecimalsText(float v, char separator) { return FormatRealUpper(v, 6, 10, separator); }

}  // namespace opt
