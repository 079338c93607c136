// Number text: the two readings of text as a number, and whole numbers written back.
#include <gtest/gtest.h>

#include "forms/number_text.h"
#include "forms/runtime_error.h"

using namespace kelo::forms;

TEST(StrictReading, TakesTheWholeTextWithBlanksAround) {
    EXPECT_EQ(strictNumber("7"), 7);
    EXPECT_EQ(strictNumber("  -45 "), -45);
    EXPECT_EQ(strictNumber("+3"), 3);
    EXPECT_EQ(strictNumber("2.5"), 2.5);
    EXPECT_EQ(strictNumber("1e3"), 1000);
}

TEST(StrictReading, FailsOnTextThatIsNotANumber) {
    for (const char* text : {"", " ", "x", "7a", "1 2", "Label6", "-", ".", "1e"}) {
        try {
            strictNumber(text);
            ADD_FAILURE() << '"' << text << "\" should not read as a number";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::TypeMismatch) << text;
        }
    }
}

TEST(LenientReading, TakesTheLeadingNumberOrZero) {
    EXPECT_EQ(lenientNumber("12abc"), 12);
    EXPECT_EQ(lenientNumber("  7"), 7);
    EXPECT_EQ(lenientNumber("abc"), 0);
    EXPECT_EQ(lenientNumber(""), 0);
    EXPECT_EQ(lenientNumber("2026"), 2026);
    EXPECT_EQ(lenientNumber("/2026"), 0);
    EXPECT_EQ(lenientNumber("-3.5x"), -3.5);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(585.64), 586);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_THROW(toInt16(32767.5), RuntimeError);
    EXPECT_THROW(toInt16(-40000), RuntimeError);
}

TEST(WholeText, IsPlainDecimalWithoutBlanks) {
    EXPECT_EQ(wholeText(7), "7");
    EXPECT_EQ(wholeText(-45), "-45");
    EXPECT_EQ(numberText(90.0), "90");
    EXPECT_EQ(numberText(2.5), "2.5");
}
