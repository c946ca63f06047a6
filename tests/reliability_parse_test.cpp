// The integer reading rule of the configuration file against an independent oracle, over
// random texts built to reach every branch of the rule: white space, signs, digits, the
// 32-bit limits with and without leading zeros, very long digit runs, and bytes of every
// value from 1 to 255.
#include <windows.h>

#include <limits.h>

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "ReliabilitySupport.h"
#include "config/ConfigFile.h"

namespace {

// Random texts: pieces that matter to the rule, glued together, with random bytes between.
class TextMaker {
public:
    explicit TextMaker(uint32_t seed) : random_(seed) {}
    std::string Make() {
        std::string text;
        int pieces = Pick(0, 4);
        for (int p = 0; p < pieces; p++) {
            text += Piece();
        }
        return text;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string Digits(int count) {
        std::string digits;
        for (int i = 0; i < count; i++) {
            digits += (char)('0' + Pick(0, 9));
        }
        return digits;
    }
    std::string Piece() {
        static const char* const kEdges[] = {"2147483647", "2147483648", "2147483646", "2147483649",
                                             "4294967295", "4294967296", "9223372036854775807",
                                             "9223372036854775808", "18446744073709551616", "0"};
        static const char kSpaces[] = " \t\n\v\f\r";
        switch (Pick(0, 11)) {
        case 0:
            return std::string(Pick(1, 3), kSpaces[Pick(0, 5)]);
        case 1:
            return Pick(0, 1) ? "-" : "+";
        case 2:
            return Digits(Pick(1, 9));
        case 3:
            return Digits(Pick(10, 12));
        case 4:
            return Digits(Pick(13, 400));
        case 5:
            return std::string(Pick(0, 30), '0') + kEdges[Pick(0, 9)];
        case 6:
            return Pick(0, 1) ? "." : (Pick(0, 1) ? "e" : "x");
        case 7: // one byte of any value but 0: letters, control characters, Windows-1251 letters
            return std::string(1, (char)Pick(1, 255));
        case 8:
            return std::string(1, (char)Pick(0x80, 0xFF)) + Digits(Pick(0, 3));
        case 9:
            return "\"" + Digits(Pick(1, 4)) + "\"";
        case 10:
            return std::string(1, "+- \t"[Pick(0, 3)]) + std::string(1, "+- \t"[Pick(0, 3)]);
        default:
            return std::string(Pick(1, 3), kSpaces[Pick(0, 5)]) + (Pick(0, 1) ? "-" : "") + Digits(Pick(1, 11));
        }
    }
    std::mt19937 random_;
};

// The oracle itself, on texts whose value is known, so that a fault in it cannot hide one
// in the rule.
TEST(IntegerRuleOracle, KnownTexts) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"3", 3},
        {"0.0", 0},
        {"12abc", 12},
        {"1.5", 1},
        {"-2.7", -2},
        {"", 0},
        {"abc", 0},
        {" \t\n\v\f\r+42", 42},
        {"+-5", 0},
        {"- 5", 0},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483647", -2147483647},
        {"0000000000002147483647", INT_MAX},
        {"-0000000000002147483649", INT_MIN},
        {"-0", 0},
        {"\xA0" "5", 0}, // a no-break space of Windows-1251 is not white space
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(OracleInt(cases[i].text), cases[i].value) << cases[i].text;
        EXPECT_EQ(ParseConfigInt(cases[i].text), cases[i].value) << cases[i].text;
    }
}

TEST(IntegerRule, AgreesWithTheOracleOnRandomTexts) {
    const int count = RunSize(200000, 1000000);
    const uint32_t seed = RunSeed(7001);
    TextMaker maker(seed);
    FaultTally tally("integer rule");
    int clamped = 0;
    for (int i = 0; i < count; i++) {
        std::string text = maker.Make();
        int expected = OracleInt(text);
        int got = ParseConfigInt(text.c_str());
        clamped += expected == INT_MAX || expected == INT_MIN;
        if (got != expected) {
            tally.Begin("text " + std::to_string(i));
            tally.Check(false, "\"" + Escaped(text, 80) + "\" read as " + std::to_string(got) + ", the rule gives " +
                                   std::to_string(expected));
            tally.End();
        }
    }
    PrintFigure("integer-rule", std::to_string(count) + " random texts (" + std::to_string(clamped) +
                                    " at a 32-bit limit), " + std::to_string(tally.Faults()) + " faults, seed " +
                                    std::to_string(seed));
    EXPECT_EQ(tally.Faults(), 0);
}

} // namespace
