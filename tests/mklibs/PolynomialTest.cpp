// Polynomials over the complex rationals: their texts, their factors over Q(i)
// and the approximations of their roots, against values worked out by hand.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "mklibs/PolynomialFactoring.h"
#include "mklibs/RootApproximation.h"
#include "mklibs/mklibs.h"

namespace korvane {
namespace {

// Coefficient texts, highest power first.
Polynomial Poly(std::vector<std::string> highestFirst) {
    std::vector<ComplexFraction> coefficients;
    for (auto it = highestFirst.rbegin(); it != highestFirst.rend(); ++it)
        coefficients.push_back(CpxParse(*it));
    return Polynomial(std::move(coefficients));
}

std::string FactorsText(const std::vector<PolynomialFactor>& factors) {
    std::string text;
    for (const PolynomialFactor& f : factors) {
        text += "(" + PolynomialText(f.factor, "x") + ")";
        if (f.multiplicity > 1) text += "^" + std::to_string(f.multiplicity);
    }
    return text;
}

TEST(PolynomialText, AsWrittenByHand) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "0"},
        {{"-7"}, "-7"},
        {{"1", "-6", "11", "-6"}, "x^3 - 6x^2 + 11x - 6"},
        {{"-1", "0", "1"}, "-x^2 + 1"},
        {{"1", "1+i", "-i/2"}, "x^2 + (1+i)x - i/2"},
        {{"1", "-1+i"}, "x - (1-i)"},
        {{"1/2", "-3/4", "2i"}, "(1/2)x^2 - (3/4)x + 2i"},
        {{"i", "-2i", "0"}, "ix^2 - 2ix"},
    };
    for (const auto& [coefficients, text] : cases)
        EXPECT_EQ(PolynomialText(Poly(coefficients), "x"), text);
}

TEST(PolynomialFactoring, OverGaussianRationals) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"1", "-3"}, "(x - 3)"},
        {{"1", "0", "1"}, "(x + i)(x - i)"},
        {{"1", "0", "-2"}, "(x^2 - 2)"},
        {{"1", "0", "2"}, "(x^2 + 2)"},
        {{"1", "-4", "5", "-2"}, "(x - 1)^2(x - 2)"},
        {{"1", "-2i", "-1"}, "(x - i)^2"},
        {{"1", "0", "0", "0", "4"}, "(x + (1+i))(x + (1-i))(x - (1-i))(x - (1+i))"},
        {{"1", "0", "0", "0", "1"}, "(x^2 - i)(x^2 + i)"},
        {{"1", "0", "-i"}, "(x^2 - i)"},
        {{"1", "-1/2", "0", "0"}, "(x)^2(x - 1/2)"},
        {{"1", "0", "-2", "0", "1"}, "(x + 1)^2(x - 1)^2"},
    };
    for (const auto& [coefficients, text] : cases)
        EXPECT_EQ(FactorsText(FactorOverGaussianRationals(Poly(coefficients))), text)
            << PolynomialText(Poly(coefficients), "x");
}

// Products of random Gaussian-rational linear factors, some repeated, and of
// a quadratic without roots in Q(i): the factors multiply back to the input,
// and the linear ones are exactly the chosen roots with their counts.
TEST(PolynomialFactoring, MultipliesBackAndFindsEveryRoot) {
    std::mt19937 rng(7);
    auto small = [&rng](int bound) {
        return std::uniform_int_distribution<int>(-bound, bound)(rng);
    };
    const char* const irreducible[] = {"2", "3", "-2"};
    for (int round = 0; round < 40; ++round) {
        Polynomial p = Poly({"1", "0", irreducible[round % 3]});
        std::map<std::string, int> expected;
        for (int k = 0; k < 1 + round % 5; ++k) {
            const ComplexFraction root{FracReduce({small(4), 1 + round % 3}), {small(2), 1}};
            for (int t = 0; t < 1 + (k + round) % 3; ++t) {
                p = p * Polynomial::XMinus(root);
                ++expected[CpxText(root)];
            }
        }
        Polynomial product = Polynomial::Constant(CpxParse("1"));
        std::map<std::string, int> found;
        for (const PolynomialFactor& f : FactorOverGaussianRationals(p)) {
            for (int k = 0; k < f.multiplicity; ++k)
                product = product * f.factor;
            if (f.factor.Degree() == 1) found[CpxText(RootOfLinear(f.factor))] = f.multiplicity;
        }
        EXPECT_EQ(product, p);
        EXPECT_EQ(found, expected);
    }
}

TEST(RootApproximation, FifteenSignificantDigits) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"1", "0", "-2"}, {"-1.41421356237310", "1.41421356237310"}},
        {{"1", "0", "2"}, {"-1.41421356237310i", "1.41421356237310i"}},
        {{"1", "1", "1"},
         {"-0.500000000000000 - 0.866025403784439i", "-0.500000000000000 + 0.866025403784439i"}},
        {{"1", "-2", "3"},
         {"1.00000000000000 - 1.41421356237310i", "1.00000000000000 + 1.41421356237310i"}},
        {{"1", "0", "-i"},
         {"-0.707106781186548 - 0.707106781186548i", "0.707106781186548 + 0.707106781186548i"}},
        {{"1", "0", "0", "-2"},
         {"-0.629960524947437 - 1.09112363597172i", "-0.629960524947437 + 1.09112363597172i",
          "1.25992104989487"}},
    };
    for (const auto& [coefficients, roots] : cases)
        EXPECT_EQ(ApproximateRoots(Poly(coefficients), 15), roots);
}

}  // namespace
}  // namespace korvane
