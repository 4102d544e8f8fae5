// The list box's line store: lines kept whole in one CR LF text, and the widest line found while
// appending.
#include "model/line_store.h"

#include <gtest/gtest.h>

#include <string>

namespace opt {
namespace {

// One pixel per character, wider for 'W' and for a character past 127 (read as unsigned).
LineStore::Advances TestAdvances() {
    LineStore::Advances a;
    a.fill(1);
    a['W'] = 5;
    a[0xE9] = 9;
    return a;
}

std::string VertexLine(size_t i) { return std::to_string(i % 1000) + " " + std::to_string(i * 7) + ".25"; }

TEST(LineStoreTest, AMillionLinesAreKeptCountedAndTheWidestFound) {
    constexpr size_t kLines = 1000000, kWide = 654321;
    const std::string wide = "W\xE9 wide";  // fewer characters than most lines, but the widest
    LineStore store;
    store.MeasureWith(TestAdvances());
    size_t bytes = 0;
    for (size_t i = 0; i < kLines; ++i) {
        const std::string line = i == kWide || i == kWide + 1 ? wide : VertexLine(i);
        store.AddLine(line);
        bytes += line.size() + 2;
    }
    ASSERT_EQ(store.Count(), kLines);
    EXPECT_EQ(store.Text().size(), bytes);
    EXPECT_EQ(store.Line(0), VertexLine(0));
    EXPECT_EQ(store.Line(kWide), wide);
    EXPECT_EQ(store.Line(kLines - 1), VertexLine(kLines - 1));
    EXPECT_EQ(store.Text().substr(store.Text().size() - 2), "\r\n");
    EXPECT_EQ(store.WidestLine(), kWide);  // the first of two equally wide lines
    EXPECT_EQ(store.WidestWidth(), 5 + 9 + 5);
}

TEST(LineStoreTest, LinesHeldBeforeMeasuringAreMeasuredWhenAdvancesArrive) {
    LineStore store;
    store.Append("");
    store.Append("abc");
    store.Append("");
    EXPECT_EQ(store.WidestLine(), LineStore::kNone);
    EXPECT_EQ(store.Text(), "\r\nabc\r\n\r\n");
    EXPECT_EQ(store.Line(2), "");
    store.MeasureWith(TestAdvances());
    EXPECT_EQ(store.WidestLine(), 1u);
    // A copy keeps measuring; other advances measure every line again.
    LineStore copy = store;
    copy.Append("WW");
    EXPECT_EQ(copy.WidestLine(), 3u);
    LineStore::Advances wideA = TestAdvances();
    wideA['a'] = 20;
    copy.MeasureWith(wideA);
    EXPECT_EQ(copy.WidestLine(), 1u);
    EXPECT_EQ(copy.WidestWidth(), 22);
}

}  // namespace
}  // namespace opt
