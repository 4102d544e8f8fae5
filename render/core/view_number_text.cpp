#include "render/core/view_number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace opt {

namespace {

constexpr int kSignificantDigits = 15;
constexpr double kSmallestFixed = 0.00001;

void UseSeparator(std::string& s, char decimalSeparator) {
    for (char& c : s)
        if (c == '.') c = decimalSeparator;
}

}  // namespace

std::string FormatFixed(double v, int width, int decimals, char decimalSeparator) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, v);
    std::string s(buf);
    UseSeparator(s, decimalSeparator);
    return s;
}

std::string FormatGeneral15(double v, char decimalSeparator) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0.0) return "0";

    // 15 significant digits, rounded once: d.dddddddddddddde+XX.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", kSignificantDigits - 1, std::fabs(v));
    std::string digits;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = v < 0 ? "-" : "";
    const std::string sep(1, decimalSeparator);
    if (exponent >= kSignificantDigits || std::fabs(v) < kSmallestFixed) {
        out += digits[0];
        if (digits.size() > 1) out += sep + digits.substr(1);
        out += "E";
        if (exponent < 0) out += "-";
        out += std::to_string(std::abs(exponent));
        return out;
    }
    if (exponent < 0) {
        out += "0" + sep + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        return out;
    }
    const size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
        out += digits + std::string(intDigits - digits.size(), '0');
    } else {
        out += digits.substr(0, intDigits) + sep + digits.substr(intDigits);
    }
    return out;
}

}  // namespace opt
