#include "listings/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "listing_test_support.h"

namespace opt {
namespace {

TEST(TextFormat, WorkedInstances) {
    EXPECT_EQ(TextLine().Xyz("X=", 1.5f, "Y=", -2.0f, "Z=", 0.0f).str(),
              "     X=       1.50      Y=      -2.00      Z=       0.00");
    EXPECT_EQ(FormatXyz(12.5, -3.25, 0), "     X=      12.50      Y=      -3.25      Z=       0.00");
    TextLine line;
    line.Int(5, 3).Text(" ").Real(1.5f, 10).Text(" ").Real(-20.25f, 10).Text(" ").Real(300.0f, 10);
    EXPECT_EQ(line.str(), "  5       1.50     -20.25     300.00");
}

TEST(TextFormat, SinglePrecisionValuesPrintExactly) {
    EXPECT_EQ(FormatReal(0.1f, 6, 10), "0.1000000015");
    EXPECT_EQ(FormatReal(1234.0f, 6, 10), "1234.0000000000");
    EXPECT_EQ(FormatRealUpper(1234.0f, 6, 10), "1234.0000000000");
    EXPECT_EQ(FormatReal(1e-7f, 6, 10), "0.0000001000");
    EXPECT_EQ(FormatReal(-0.0f, 6), " -0.00");
    EXPECT_EQ(FormatReal(410.0f / 20.5f, 6, 0), "    20");
}

TEST(TextFormat, FieldsWidenNeverCut) {
    EXPECT_EQ(FormatInt(-123456, 3), "-123456");
    EXPECT_EQ(FormatInt(7, 3), "  7");
    EXPECT_EQ(FormatInt(-7), "-7");
    EXPECT_EQ(FormatText("Vx#", 3), "Vx#");
    EXPECT_EQ(FormatText("longer text", 5), "longer text");
    EXPECT_EQ(FormatText("u", 10), "         u");
    EXPECT_EQ(FormatReal(123456789.0f, 10), "123456792.00");
    EXPECT_EQ(FormatReal(-3.4028235e38f, 10).size(), 43u);  // sign, 39 digits, point, 2 decimals
}

TEST(TextFormat, DecimalSeparatorSetting) {
    EXPECT_EQ(FormatReal(0.1f, 6, 10, ','), "0,1000000015");
    EXPECT_EQ(FormatXyz(1.5, -2, 0, ','), "     X=       1,50      Y=      -2,00      Z=       0,00");
    EXPECT_EQ(TextLine(',').Int(-1234, 8).Real(2.5, 0).str(), "   -12342,50");  // integers carry none
    EXPECT_EQ(FormatReal(2.5, 0), "2.50");
}

TEST(TextFormat, NotANumberAndInfinityFollowPrintf) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatReal(inf, 6), "   inf");
    EXPECT_EQ(FormatReal(-inf, 6), "  -inf");
    EXPECT_EQ(FormatRealUpper(-inf, 6), "  -INF");
    EXPECT_EQ(FormatReal(nan, 6), "   nan");
    EXPECT_EQ(FormatRealUpper(nan, 6), "   NAN");
}

// Every float pattern class, every precision the program uses: the same text as C's printf.
TEST(TextFormat, MatchesPrintfOnRandomFloats) {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<uint32_t> bits;
    const int widths[] = {0, 6, 10};
    const int decimals[] = {0, 2, 10};
    char expected[512];
    for (int i = 0; i < 20000; ++i) {
        uint32_t b = bits(gen);
        if (i % 2 == 0) b = (b & 0x807FFFFFu) | ((100u + b % 60u) << 23);  // near everyday magnitudes
        float f;
        std::memcpy(&f, &b, sizeof f);
        if (!std::isfinite(f)) continue;
        for (int w : widths) {
            for (int d : decimals) {
                std::snprintf(expected, sizeof expected, "%*.*f", w, d, static_cast<double>(f));
                ASSERT_EQ(FormatReal(f, w, d), expected)
                    << "bits " << b << " width " << w << " decimals " << d;
            }
        }
    }
}

TEST(TextFormat, LineSendsAndStartsOver) {
    VectorSink sink;
    TextLine line;
    line.Text("a").Int(1).SendTo(sink);
    line.Text("b").SendTo(sink);
    ASSERT_EQ(sink.lines.size(), 2u);
    EXPECT_EQ(sink.lines[0], "a1");
    EXPECT_EQ(sink.lines[1], "b");
    EXPECT_TRUE(line.str().empty());
}

}  // namespace
}  // namespace opt
