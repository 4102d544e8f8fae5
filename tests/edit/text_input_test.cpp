// Texts the user supplies: the lookup files of type names, the flag number of FE1 and the numbers
// typed into E.
#include <gtest/gtest.h>

#include <functional>

#include "edit/core/edit_numbers.h"
#include "edit/core/flag_bits.h"
#include "edit/core/lookup_file.h"
#include "listings/text_format.h"
#include "model/errors.h"
#include "tests/render/export_temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const opt::OptError& e) {
        return e.what();
    }
    return "";
}

TEST(LookupFile, LinesEndWithCrLfCrOrLf) {
    EXPECT_EQ(opt::SplitLookupLines("None\r\nRebelLaser\r\n"), (Lines{"None", "RebelLaser"}));
    EXPECT_EQ(opt::SplitLookupLines("None\rRebelLaser\rTorpedo"), (Lines{"None", "RebelLaser", "Torpedo"}));
    EXPECT_EQ(opt::SplitLookupLines("None\nRebelLaser\n"), (Lines{"None", "RebelLaser"}));
    EXPECT_EQ(opt::SplitLookupLines("a\r\n\rb\n\nc"), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(opt::SplitLookupLines(""), Lines{});
}

TEST(LookupFile, IsReadFromDiskEveryTimeAndAMissingOneIsReported) {
    opt::test::TempDir dir;
    const auto path = dir.path() / "HardPoints.txt";
    opt::test::WriteBytes(path, {'A', '\r', '\n', 'B'});
    EXPECT_EQ(opt::ReadLookupFile(path.string()), (Lines{"A", "B"}));
    opt::test::WriteBytes(path, {'C', '\r', 'D', '\n'});
    EXPECT_EQ(opt::ReadLookupFile(path.string()), (Lines{"C", "D"}));
    const auto missing = dir.path() / "MeshType.txt";
    EXPECT_EQ(ErrorOf([&] { opt::ReadLookupFile(missing.string()); }),
              "Cannot open file " + missing.string());
    EXPECT_EQ(ErrorOf([&] { opt::ReadLookupFile(dir.path().string()); }),
              "Cannot open file " + dir.path().string());
}

TEST(LookupFile, TypeCodeIsTheLastMatchBeforeTheLastLine) {
    const Lines lines{"None", "Laser", "Laser", "Cockpit"};
    EXPECT_EQ(opt::LookupTypeCode(lines, "Laser", 9), 2);    // last match wins
    EXPECT_EQ(opt::LookupTypeCode(lines, "Cockpit", 9), 9);  // the last line is never compared
    EXPECT_EQ(opt::LookupTypeCode(lines, "laser", 9), 9);    // case-sensitive
    EXPECT_EQ(opt::LookupTypeCode(lines, "None", 9), 0);
    EXPECT_EQ(ErrorOf([] { opt::LookupTypeCode({"None"}, "None", 0); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf([] { opt::LookupTypeCode({}, "None", 0); }), "List index out of bounds (0)");
}

// The start-up notice asks for Hardpoint.txt: where HardPoints.txt is missing, that one is read.
TEST(LookupFile, HardpointNamesComeFromHardPointsTxtElseFromHardpointTxt) {
    opt::test::TempDir dir;
    const std::string appData = dir.path().string() + "/";
    const auto path = [&] { return opt::LookupFilePath(appData, opt::TypeLookup::kHardpoint); };
    EXPECT_EQ(path(), appData + "HardPoints.txt");  // neither: the name the editors report
    opt::test::WriteBytes(dir.path() / "Hardpoint.txt", {'N', '\n', 'G', 'u', 'n', '\n', 'X'});
    EXPECT_EQ(path(), appData + "Hardpoint.txt");
    EXPECT_EQ(opt::ParseTypeValue("Gun", appData, opt::TypeLookup::kHardpoint), 1);
    opt::test::WriteBytes(dir.path() / "HardPoints.txt", {'A', '\n', 'B'});
    EXPECT_EQ(path(), appData + "HardPoints.txt");
    EXPECT_EQ(opt::LookupFilePath(appData, opt::TypeLookup::kMeshType), appData + "MeshType.txt");
}

TEST(LookupFile, ATypeValueIsACodeOrANameAndAMissingFileSaysWhatToCreate) {
    opt::test::TempDir dir;
    const std::string appData = dir.path().string() + "/";
    const auto hardpoint = opt::TypeLookup::kHardpoint;
    // Codes need no lookup file.
    EXPECT_EQ(opt::ParseTypeValue("4", appData, hardpoint), 4);
    EXPECT_EQ(opt::ParseTypeValue("-1", appData, opt::TypeLookup::kMeshType), -1);
    EXPECT_EQ(ErrorOf([&] { opt::ParseTypeValue("2147483648", appData, hardpoint); }),
              "'2147483648' is not a type code: codes are 32-bit integers");
    EXPECT_EQ(ErrorOf([&] { opt::ParseTypeValue("Laser", appData, hardpoint); }),
              "'Laser' is not a type code, and type names need the lookup file HardPoints.txt, which is "
              "missing: create it in " +
                  appData +
                  " (one type name a line, the first line for code 0), or "
                  "give the type's code");
    EXPECT_NE(ErrorOf([&] {
                  opt::ParseTypeValue("Hull", appData, opt::TypeLookup::kMeshType);
              }).find("lookup file MeshType.txt, which is missing"),
              std::string::npos);
    opt::test::WriteBytes(dir.path() / "HardPoints.txt", {'N', '\n', 'L', '\n', 'C', '\n'});
    EXPECT_EQ(opt::ParseTypeValue("L", appData, hardpoint), 1);
    EXPECT_EQ(opt::ParseTypeValue("7", appData, hardpoint), 7);  // a code, whatever the file holds
    EXPECT_EQ(ErrorOf([&] { opt::ParseTypeValue("C", appData, hardpoint); }),  // the last line: never
              "'C' is neither a type code nor a type name in " + appData +
                  "HardPoints.txt (its last line is never used)");
}

TEST(FlagViewer, ShowsTheBitsOfTheNumber) {
    const auto none = opt::FE1DblClick("0");
    for (bool b : none.Checked) EXPECT_FALSE(b);
    const auto all = opt::FE1DblClick("-1");
    for (bool b : all.Checked) EXPECT_TRUE(b);
    const auto five = opt::FE1DblClick("5");
    for (int i = 0; i < opt::kFlagBits; ++i)
        EXPECT_EQ(five.Checked[static_cast<size_t>(i)], i == 0 || i == 2) << i;
    EXPECT_EQ(five.Captions[0], "Flag 0");
    EXPECT_EQ(five.Captions[2], "Flag 2");
    EXPECT_EQ(five.Captions[31], "Flag 31");
    const auto sign = opt::FE1DblClick("-2147483648");
    EXPECT_TRUE(sign.Checked[31]);
    EXPECT_FALSE(sign.Checked[0]);
}

TEST(FlagViewer, ParsesDecimalAndHexadecimal) {
    EXPECT_EQ(opt::ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(opt::ParseInteger("0x10"), 16);
    EXPECT_EQ(opt::ParseInteger("x1f"), 31);
    EXPECT_EQ(opt::ParseInteger("  -$10"), -16);
    EXPECT_EQ(opt::ParseInteger("+2147483647"), 2147483647);
    EXPECT_EQ(opt::ParseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(opt::ParseInteger("$80000000"), -2147483647 - 1);
}

TEST(FlagViewer, RefusesTextsThatAreNotA32BitInteger) {
    for (const char* text : {"Flags Longint", "", "-", "$", "0x", "2147483648", "-2147483649",
                             "99999999999999999999", "$123456789", "12 ", "1.5", "$FG"}) {
        EXPECT_EQ(ErrorOf([&] { opt::FE1DblClick(text); }),
                  std::string("'") + text + "' is not a valid integer value")
            << text;
    }
}

TEST(EditNumbers, RealsFollowTheDecimalSeparator) {
    EXPECT_EQ(opt::ParseReal(" 12.5 "), 12.5f);
    EXPECT_EQ(opt::ParseReal("-3.25e1"), -32.5f);
    EXPECT_EQ(opt::ParseReal(".5"), 0.5f);
    EXPECT_EQ(opt::ParseReal("0.1"), 0.1f);  // rounded to a 32-bit float
    for (const char* text : {"", "abc", "1,5", "1e", "1e50", "--1", "nan", "1.5x"}) {
        EXPECT_EQ(ErrorOf([&] { opt::ParseReal(text); }),
                  std::string("'") + text + "' is not a valid floating point value")
            << text;
    }
    EXPECT_EQ(opt::ParseReal("1,5", ','), 1.5f);
    EXPECT_EQ(opt::GeneralText(0.1f, ','), "0,100000001490116");
    EXPECT_EQ(opt::TenDecimalsText(1234.0f, ','), "1234,0000000000");
    EXPECT_NE(ErrorOf([] { opt::ParseReal("1.5", ','); }), "");
    EXPECT_EQ(opt::GeneralText(0.1f), "0.100000001490116");
}

}  // namespace
