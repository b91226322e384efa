// The closed forms: how a sum of modes is written in n and in t, and the
// values and shift the checks of the workings rest on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/jordan/ModeSum.h"
#include "core/jordan/ModeText.h"
#include "mklibs/Polynomial.h"
#include "mklibs/SurdReading.h"

namespace korvane {
namespace {

struct Term {
    const char* eigenvalue;
    int order;
    const char* coefficient;
};

ModeSum SumOf(const std::vector<Term>& terms) {
    ModeSum sum;
    for (const Term& t : terms)
        sum.Add(CpxParse(t.eigenvalue), t.order, CpxParse(t.coefficient));
    return sum;
}

TEST(ClosedForm, Texts) {
    const struct {
        std::vector<Term> terms;
        const char* power;
        const char* exponential;
    } cases[] = {
        {{}, "0", "0"},
        {{{"2", 0, "1"}}, "2^n", "e^(2t)"},
        {{{"2", 1, "3"}, {"2", 0, "1"}}, "2^n+3n·2^(n-1)", "e^(2t)+3t·e^(2t)"},
        {{{"-2", 0, "-1"}}, "-(-2)^n", "-e^(-2t)"},
        {{{"1/2", 2, "4"}}, "4C(n,2)·(1/2)^(n-2)", "2t^2·e^((1/2)t)"},
        {{{"1", 0, "5"}, {"1", 1, "-1"}}, "5-n", "5e^t-t·e^t"},
        {{{"1+i", 0, "i"}}, "i·(1+i)^n", "i·e^((1+i)t)"},
        {{{"-i", 1, "4i"}}, "4i·n·(-i)^(n-1)", "4i·t·e^(-it)"},
        {{{"3", 0, "1/2"}}, "(1/2)·3^n", "(1/2)e^(3t)"},
        {{{"3", 0, "2-i"}}, "(2-i)·3^n", "(2-i)e^(3t)"},
        // A constant with a real and an imaginary part keeps its own signs.
        {{{"1", 0, "-5+i"}, {"2", 0, "1"}}, "-5+i+2^n", "-(5-i)e^t+e^(2t)"},
        {{{"2", 0, "1"}, {"1", 0, "-5+i"}}, "2^n-5+i", "e^(2t)-(5-i)e^t"},
        {{{"0", 0, "-1-i"}, {"2", 0, "1"}}, "2^n", "-1-i+e^(2t)"},
        // The modes of 0 vanish from n = j + 1 on; in t they are powers of t.
        {{{"0", 0, "1"}, {"0", 3, "6"}, {"5", 0, "1"}}, "5^n", "1+t^3+e^(5t)"},
    };
    for (const auto& c : cases) {
        const ModeSum sum = SumOf(c.terms);
        EXPECT_EQ(PowerText(sum), c.power);
        EXPECT_EQ(ExponentialText(sum), c.exponential);
    }
}

// A real matrix's conjugate modes joined into cos and sin.
TEST(ClosedForm, RealTexts) {
    const struct {
        std::vector<Term> terms;
        const char* text;
    } cases[] = {
        {{{"i", 0, "1/2"}, {"-i", 0, "1/2"}}, "cos(t)"},
        {{{"i", 0, "-i/2"}, {"-i", 0, "i/2"}}, "sin(t)"},
        {{{"1+2i", 0, "1/2+i"}, {"1-2i", 0, "1/2-i"}}, "e^t·(cos(2t)-2sin(2t))"},
        {{{"-1+i", 1, "-1"}, {"-1-i", 1, "-1"}}, "-2t·e^(-t)·cos(t)"},
        {{{"3", 0, "2"}, {"2i", 0, "i"}, {"-2i", 0, "-i"}}, "2e^(3t)-2sin(2t)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RealExponentialText(SumOf(c.terms)), c.text);
}

using SurdModes = BasicModeSum<SurdNumbers>;

SurdModes SurdSumOf(const std::vector<Term>& terms) {
    SurdModes sum;
    for (const Term& t : terms)
        sum.Add(*ReadSurd(t.eigenvalue).value, t.order, *ReadSurd(t.coefficient).value);
    return sum;
}

// Quadratic eigenvalues: the base of a power and a coefficient with a root
// in brackets or joined by "·", so that no root reaches over what follows.
TEST(ClosedForm, SurdTexts) {
    const struct {
        std::vector<Term> terms;
        const char* power;
        const char* exponential;
    } cases[] = {
        {{{"(1+√5)/2", 0, "√5/5"}, {"(1-√5)/2", 0, "-√5/5"}},
         "√5/5·((1+√5)/2)^n-√5/5·((1-√5)/2)^n",
         "√5/5·e^(((1+√5)/2)·t)-√5/5·e^(((1-√5)/2)·t)"},
        {{{"√2", 1, "2"}}, "2n·(√2)^(n-1)", "2t·e^(√2·t)"},
        {{{"-√3", 0, "1+√3"}}, "(1+√3)·(-√3)^n", "(1+√3)·e^(-√3·t)"},
        {{{"√2", 1, "√2"}}, "√2·n·(√2)^(n-1)", "√2·t·e^(√2·t)"},
        {{{"2", 0, "(5+√5)/10"}}, "((5+√5)/10)·2^n", "((5+√5)/10)·e^(2t)"},
        {{{"1+i√2", 2, "2"}}, "2C(n,2)·(1+i√2)^(n-2)", "t^2·e^((1+i√2)·t)"},
    };
    for (const auto& c : cases) {
        const SurdModes sum = SurdSumOf(c.terms);
        EXPECT_EQ(PowerText(sum), c.power);
        EXPECT_EQ(ExponentialText(sum), c.exponential);
    }
}

TEST(ClosedForm, SurdRealTexts) {
    const struct {
        std::vector<Term> terms;
        const char* text;
    } cases[] = {
        {{{"1+i√2", 0, "1/2"}, {"1-i√2", 0, "1/2"}}, "e^t·cos(√2·t)"},
        {{{"1+i√2", 0, "-i√2/4"}, {"1-i√2", 0, "i√2/4"}}, "√2/2·e^t·sin(√2·t)"},
        {{{"i√3", 0, "(1+i)/2"}, {"-i√3", 0, "(1-i)/2"}}, "cos(√3·t)-sin(√3·t)"},
        // Real surd eigenvalues stay exponentials.
        {{{"√5", 0, "1"}, {"-√5", 0, "1"}}, "e^(√5·t)+e^(-√5·t)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RealExponentialText(SurdSumOf(c.terms)), c.text);
}

// The values the check compares with repeated multiplication: the Fibonacci
// numbers from Binet's formula, exactly.
TEST(ClosedForm, SurdPowerValues) {
    const SurdModes binet = SurdSumOf({{"(1+√5)/2", 0, "√5/5"}, {"(1-√5)/2", 0, "-√5/5"}});
    const char* fibonacci[] = {"0", "1", "1", "2", "3", "5", "8", "13", "21", "34", "55"};
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(SurdText(binet.PowerValue(n)), fibonacci[n]) << n;
    // n·λ^(n-1) is the derivative's shift partner: shifting λ^n gives λ·λ^n.
    const SurdModes block = SurdSumOf({{"√2", 0, "1"}});
    EXPECT_TRUE(block.Shifted() == SurdSumOf({{"√2", 0, "√2"}}));
    EXPECT_EQ(SurdText(SurdSumOf({{"√2", 2, "1"}}).PowerValue(4)), "12");  // C(4,2)·√2^2
}

TEST(ClosedForm, AddingMergesAndCancels) {
    ModeSum sum = SumOf({{"2", 1, "1"}, {"3", 0, "1"}, {"2", 0, "1"}});
    EXPECT_EQ(PowerText(sum), "2^n+n·2^(n-1)+3^n") << "grouped by eigenvalue, by order within";
    sum.Add(CpxParse("2"), 1, CpxParse("-1"));
    EXPECT_EQ(PowerText(sum), "2^n+3^n");
    sum.AddScaled(SumOf({{"2", 0, "1"}, {"3", 0, "1"}}), CpxParse("-1"));
    EXPECT_TRUE(sum.IsZero());
}

// C(n,j)·λ^(n-j) against the power of a Jordan block multiplied out.
TEST(ClosedForm, PowerValuesAreTheBlockPowers) {
    for (const char* eigenvalue : {"2", "0", "-1/3", "1+i"}) {
        const ComplexFraction lambda = CpxParse(eigenvalue);
        // The first row of J(λ, 4)^n, multiplied out row by row.
        std::vector<ComplexFraction> row{CpxOne(), CpxZero(), CpxZero(), CpxZero()};
        for (int n = 0; n <= 9; ++n) {
            for (int j = 0; j < 4; ++j) {
                ModeSum mode;
                mode.Add(lambda, j, CpxOne());
                EXPECT_EQ(mode.PowerValue(n), row[static_cast<std::size_t>(j)])
                    << eigenvalue << " n=" << n << " j=" << j;
            }
            std::vector<ComplexFraction> next(4);
            for (int j = 0; j < 4; ++j)
                next[static_cast<std::size_t>(j)] =
                    CpxSum(CpxMul(row[static_cast<std::size_t>(j)], lambda),
                           j > 0 ? row[static_cast<std::size_t>(j - 1)] : CpxZero());
            row = next;
        }
    }
}

TEST(ClosedForm, ShiftIsTheDerivativeAndPascalsRule) {
    const ModeSum sum = SumOf({{"2", 2, "3"}, {"-1", 0, "1"}});
    // d/dt (3·t²/2·e^(2t) + e^(-t)) = 3t·e^(2t) + 3t²·e^(2t) - e^(-t)
    EXPECT_EQ(ExponentialText(sum.Shifted()), "3t·e^(2t)+3t^2·e^(2t)-e^(-t)");
    for (int n = 0; n <= 8; ++n)
        EXPECT_EQ(sum.Shifted().PowerValue(n), sum.PowerValue(n + 1)) << n;
    EXPECT_EQ(sum.ValueAtZero(), CpxOne());
}

TEST(ClosedForm, Binomials) {
    const struct {
        std::int64_t n;
        int k;
        const char* value;
    } cases[] = {{0, 0, "1"}, {5, 2, "10"}, {2, 5, "0"}, {10, 10, "1"}, {40, 20, "137846528820"}};
    for (const auto& c : cases)
        EXPECT_EQ(CpxText(Binomial(c.n, c.k)), c.value) << c.n << " " << c.k;
    EXPECT_EQ(CpxText(CpxPower(CpxParse("1+i"), 8)), "16");
}

}  // namespace
}  // namespace korvane
