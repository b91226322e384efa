// One number read strictly, as typed and as a cell of a program's or TeX's
// syntax.
#include <gtest/gtest.h>

#include <random>

#include "core/formats/CellExpression.h"
#include "core/formats/StrictNumber.h"

namespace korvane {
namespace {

using Fault = NumberFault;

// The text of a reading: the value's canonical text, or the fault's name.
std::string Outcome(const NumberReading& reading) {
    if (reading.value) return CpxText(*reading.value);
    switch (reading.fault) {
        case Fault::kNotANumber:
            return "not a number";
        case Fault::kDivisionByZero:
            return "division by zero";
        case Fault::kExponentTooLarge:
            return "exponent too large";
    }
    return "";
}

TEST(StrictNumber, TypedNumbers) {
    const struct {
        std::string text;
        std::string outcome;
    } cases[] = {
        {"3", "3"},
        {" +3 ", "3"},
        {"2/4", "1/2"},
        {"-0.25", "-1/4"},
        {".5", "1/2"},
        {"5.", "5"},
        {"1e5", "100000"},
        {"2.500000000000000000e+01", "25"},
        {"1E-3", "1/1000"},
        {"-4.2e-2", "-21/500"},
        {"1e007", "10000000"},
        {"i", "i"},
        {"-i/4", "-i/4"},
        {"3i/4", "3i/4"},
        {"3/4i", "-3i/4"},  // 3/(4i), as MATLAB and Python read it
        {"1/2+3i/4", "1/2+3i/4"},
        {"2 - i/2", "2-i/2"},
        {"2i+1", "1+2i"},
        {"1+2j", "1+2i"},
        {"3j", "3i"},
        {"(1-2j)", "1-2i"},
        {"１／２", "1/2"},
        {"−3", "-3"},
        {"2 − 3i", "2-3i"},
        {"½", "1/2"},
        {"−¾i", "-3i/4"},
        {"", "not a number"},
        {"abc", "not a number"},
        {"x", "not a number"},
        {"inf", "not a number"},
        {"NaN", "not a number"},
        {"I", "not a number"},
        {"2I", "not a number"},
        {"1.2.3", "not a number"},
        {"2e1.5", "not a number"},
        {"1e", "not a number"},
        {"1e5x", "not a number"},
        {"2i3", "not a number"},
        {"i i", "not a number"},
        {"1 2", "not a number"},
        {"1 000", "not a number"},
        {"1,5", "not a number"},
        {"1_000", "not a number"},
        {"0x10", "not a number"},
        {"--3", "not a number"},
        {"1+2", "not a number"},
        {"2i+3i", "not a number"},
        {"/2", "not a number"},
        {"2/", "not a number"},
        {"1/2/3", "not a number"},
        {"i/2i", "not a number"},
        {"1½", "not a number"},
        {"(1+2j", "not a number"},
        {"1\xff", "not a number"},
        {"1/0", "division by zero"},
        {"0/0", "division by zero"},
        {"3i/0", "division by zero"},
        {"1e10001", "exponent too large"},
        {"1e-10001", "exponent too large"},
        {"1e0000000000099999", "exponent too large"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(ReadStrictNumber(c.text)), c.outcome) << c.text;
}

TEST(StrictNumber, CellExpressions) {
    const struct {
        std::string text;
        ExpressionSyntax syntax;
        std::string outcome;
    } cases[] = {
        {"2 I", ExpressionSyntax::kProgram, "2i"},
        {"2 I", ExpressionSyntax::kTex, "not a number"},
        {"2I + 3J", ExpressionSyntax::kProgram, "5i"},
        {"J", ExpressionSyntax::kProgram, "not a number"},
        {"(3*I)/4", ExpressionSyntax::kProgram, "3i/4"},
        {"2⋅ⅈ", ExpressionSyntax::kProgram, "2i"},
        {"-\\frac{3}{4}i", ExpressionSyntax::kTex, "-3i/4"},
        {"\\frac{3}{4} \\mathrm{i}", ExpressionSyntax::kTex, "3i/4"},
        {"\\left(\\frac{1+i}{2}\\right)", ExpressionSyntax::kTex, "1/2+i/2"},
        {"2 − 3i", ExpressionSyntax::kTex, "2-3i"},
        {"Rational(1, 2) + Rational(3, 4)*I", ExpressionSyntax::kProgram, "1/2+3i/4"},
        {"1e5000*1e5000", ExpressionSyntax::kProgram, "1" + std::string(10000, '0')},
        {"i\\frac12", ExpressionSyntax::kTex, "not a number"},
        {"2\\frac12", ExpressionSyntax::kTex, "not a number"},
        {"1 2", ExpressionSyntax::kProgram, "not a number"},
        {"1\\,000", ExpressionSyntax::kTex, "not a number"},
        {"i i", ExpressionSyntax::kTex, "not a number"},
        {"2i I", ExpressionSyntax::kProgram, "not a number"},
        {"2(3)", ExpressionSyntax::kProgram, "not a number"},
        {"1.2.3", ExpressionSyntax::kProgram, "not a number"},
        {"1//2", ExpressionSyntax::kProgram, "not a number"},
        {"\\frac{1}{0}", ExpressionSyntax::kTex, "division by zero"},
        {"1e6000*1e6000", ExpressionSyntax::kProgram, "exponent too large"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(ReadCellExpression(c.text, c.syntax)), c.outcome) << c.text;
}

// A random decimal in scientific notation, spelt in the ways programs and
// people write it, against its value built from the integers it stands for.
TEST(StrictNumber, ScientificNotationAgainstItsDigits) {
    std::mt19937 rng(18);
    std::uniform_int_distribution<int> digit(0, 9), length(1, 30), exponent(-60, 60), coin(0, 1);
    for (int n = 0; n < 500; ++n) {
        std::string whole, places;
        for (int k = length(rng); k > 0; --k)
            whole += static_cast<char>('0' + digit(rng));
        for (int k = length(rng) - 1; k > 0; --k)
            places += static_cast<char>('0' + digit(rng));
        const int e = exponent(rng);
        const bool negative = coin(rng) == 1;
        // value = ±(whole places) · 10^(e − |places|)
        const int shift = e - static_cast<int>(places.size());
        Integer scale = 1;
        for (int k = 0; k < (shift < 0 ? -shift : shift); ++k)
            scale = scale * Integer(10);
        Integer digits = Integer::FromDecimal(whole + places);
        if (negative) digits = -digits;
        const Fraction expected =
            FracReduce(shift < 0 ? Fraction{digits, scale} : Fraction{digits * scale, 1});
        std::string text = (negative ? (coin(rng) ? "-" : "\u2212") : "") + whole;
        if (!places.empty()) text += "." + places;
        text += coin(rng) ? "e" : "E";
        text += e < 0 ? "-" + std::to_string(-e) : (coin(rng) ? "+" : "") + std::to_string(e);
        const NumberReading typed = ReadStrictNumber(text);
        ASSERT_TRUE(typed.value) << text;
        EXPECT_EQ(typed.value->re, expected) << text;
        const NumberReading imaginary = ReadCellExpression(text + "j", ExpressionSyntax::kProgram);
        ASSERT_TRUE(imaginary.value) << text;
        EXPECT_EQ(imaginary.value->im, expected) << text;
    }
}

}  // namespace
}  // namespace korvane
