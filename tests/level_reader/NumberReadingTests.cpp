// Numbers in level files must come out exactly as "%f" reads them, whichever
// path the reader takes for a spelling: a position that differs in its last
// bit moves a collision line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "LevelText.h"

namespace {

using leveltext::FieldReader;

void expectSameAsStrtof(const std::string& text) {
    SCOPED_TRACE(text);
    float read = 0;
    FieldReader reader(text);
    ASSERT_TRUE(reader.readFloat(read));
    const float expected = std::strtof(text.c_str(), nullptr);
    EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << read << " vs " << expected;
}

TEST(NumberReading, RandomDecimalsRoundAsStrtofDoes) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> digitCount(0, 12), digit(0, 9), sign(0, 2);
    for (int i = 0; i < 200000; ++i) {
        std::string text = sign(random) == 0 ? "-" : sign(random) == 0 ? "+" : "";
        const int integerDigits = digitCount(random), fractionDigits = digitCount(random);
        for (int d = 0; d < integerDigits; ++d)
            text += static_cast<char>('0' + digit(random));
        text += '.';
        for (int d = 0; d < fractionDigits; ++d)
            text += static_cast<char>('0' + digit(random));
        if (integerDigits + fractionDigits > 0)
            expectSameAsStrtof(text);
    }
}

TEST(NumberReading, OtherSpellingsReadAsStrtofDoes) {
    for (const char* text : {"1e10", "-2.5E-3", "0x1.8p3", "inf", "-nan", "16777217",
                             "0.1234567890123", "3.4e39", "1e-50", "000012.5000", "7."})
        expectSameAsStrtof(text);
}

// A number ends at white space or any other character; signs alone are none.
TEST(NumberReading, NumberEndsAtAnyOtherCharacterAndSignsAloneAreNoNumber) {
    FieldReader reader("  1.5\t-2/3");
    float a = 0, b = 0;
    ASSERT_TRUE(reader.readFloat(a) && reader.readFloat(b));
    EXPECT_EQ(std::vector<float>({a, b}), std::vector<float>({1.5f, -2.0f}));
    EXPECT_TRUE(reader.readLiteral('/'));
    for (const char* text : {"-", "+", "+-1", "- 1", ".", "e5", ""})
        EXPECT_FALSE(FieldReader(text).readFloat(a)) << text;
}

} // namespace
