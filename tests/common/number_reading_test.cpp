#include "common/number_reading.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace korvane {
namespace {

TEST(NumberReading, ReadsTheComputerTimeAsWritten) {
    EXPECT_EQ(readNumber(".497"), 0.497);
    EXPECT_EQ(readNumber(".5"), 0.5);
    EXPECT_EQ(readNumber(" .465"), 0.465);
    EXPECT_EQ(readNumber("1.062"), 1.062);
    EXPECT_EQ(readNumber("-.05"), -0.05);
    EXPECT_EQ(readNumber("+3"), 3.0);
}

TEST(NumberReading, ReadsOnlyTheNumberTheTextStartsWith) {
    EXPECT_EQ(readNumber(".3abc"), 0.3);
    EXPECT_EQ(readNumber("12.5.7"), 12.5);
    EXPECT_EQ(readNumber("7e"), 7.0);
    EXPECT_EQ(readNumber("7e+"), 7.0);
    EXPECT_EQ(readNumber("1.5E2x"), 150.0);
    EXPECT_EQ(readNumber("2D-1"), 0.2);
    EXPECT_EQ(readNumber("1 2 3"), 123.0);  // blanks inside are passed over, as typed
    EXPECT_EQ(readNumber("\t\n 4"), 4.0);
}

TEST(NumberReading, TextThatDoesNotStartWithANumberReadsAsZero) {
    for (const char* text : {"", "abc", ".", "-", "+", "-.", "e5", ".e5", "Computer", "Winner"}) {
        EXPECT_EQ(readNumber(text), 0.0) << '"' << text << '"';
    }
    EXPECT_EQ(readNumber("\xC3\xA9\xE2\x82\xAC 5"), 0.0);  // non-ASCII first
    EXPECT_EQ(readNumber("5\xC3\xA9"), 5.0);
}

TEST(NumberReading, HugeTextsNeitherOverflowNorHang) {
    EXPECT_EQ(readNumber(std::string(5000, '9') + "e99999999999999999999"),
              std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("-1e400"), -std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("1e-400"), 0.0);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(readNumber(std::string(100000, '1')), std::numeric_limits<double>::max());
    EXPECT_DOUBLE_EQ(readNumber("0." + std::string(3000, '0') + "1e3005"), 1e4);
    EXPECT_DOUBLE_EQ(readNumber(std::string(300, '0') + "2.5"), 2.5);
}

}  // namespace
}  // namespace korvane
