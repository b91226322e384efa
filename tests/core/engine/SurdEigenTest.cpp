// Eigenvalues from the quadratic formula, their eigenspaces over the surds,
// diagonalisation with surds, and how a surd multiplier is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Golden.h"
#include "TestMatrices.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/Engine.h"
#include "core/engine/RowOperationText.h"
#include "core/engine/SurdNumbers.h"
#include "mklibs/SurdReading.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

Surd S(const char* text) {
    return ReadSurd(text).value.value();
}

TEST(SurdEigen, MultiplierBeforeAName) {
    const struct {
        const char* multiplier;
        const char* written;
    } cases[] = {
        // Q(i) multipliers as before.
        {"1", "R₁"},
        {"3", "3R₁"},
        {"1/2", "(1/2)R₁"},
        {"1+i", "(1+i)R₁"},
        {"(1+i)/2", "((1+i)/2)R₁"},
        // Surds: one pair of brackets only.
        {"√2", "√2R₁"},
        {"2√3", "2√3R₁"},
        {"√2/2", "(√2/2)R₁"},
        {"3-2√3", "(3-2√3)R₁"},
        {"(1+√5)/2", "(1+√5)R₁/2"},
        {"(-1-√5)/2", "(-1-√5)R₁/2"},
        {"(1+i√3)/12", "(1+i√3)R₁/12"},
        {"(1+(2+i)√3)/2", "(1+(2+i)√3)R₁/2"},
        {"-(1-i)√2/2", "(-(1-i)√2/2)R₁"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MultipliedName(c.multiplier, "R₁"), c.written) << c.multiplier;
}

TEST(SurdEigen, RowOperationNotationWithSurds) {
    using Op = BasicRowOperation<SurdNumbers>;
    const struct {
        Op operation;
        const char* notation;
    } cases[] = {
        {{RowOperationKind::kScale, 0, 0, S("(1+√5)/2")}, "R₁ → (1+√5)R₁/2"},
        {{RowOperationKind::kScale, 1, 1, S("-√2/2")}, "R₂ → −(√2/2)R₂"},
        {{RowOperationKind::kAdd, 1, 0, S("-(1+√5)/2")}, "R₂ → R₂ − (1+√5)R₁/2"},
        {{RowOperationKind::kAdd, 1, 0, S("(3-√5)/2")}, "R₂ → R₂ + (3-√5)R₁/2"},
        // Its text reads negative, so it is subtracted as (1-√5)/2.
        {{RowOperationKind::kAdd, 1, 0, S("(-1+√5)/2")}, "R₂ → R₂ − (1-√5)R₁/2"},
        {{RowOperationKind::kAdd, 2, 0, S("-√3")}, "R₃ → R₃ − √3R₁"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowOperationNotation(c.operation), c.notation) << c.notation;
}

TEST(SurdEigen, NamesOfTheShiftedMatrix) {
    const struct {
        const char* value;
        const char* name;
    } cases[] = {
        {"√2", "A - √2I"},
        {"-√2", "A + √2I"},
        {"(1+√5)/2", "A - (1+√5)I/2"},
        {"(1-√5)/2", "A - (1-√5)I/2"},
        {"-i√3", "A + i√3I"},
        {"3/2", "A - (3/2)I"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MinusEigenvalueName(S(c.value)), c.name) << c.value;
}

// Which factors are solved exactly and which stay approximate, with the
// roots as the log prints them.
TEST(SurdEigen, FindingsSplitByFactor) {
    const struct {
        std::vector<Lines> rows;
        std::vector<std::string> quadratic;
        std::size_t exact, others;
    } cases[] = {
        {{{"1", "1"}, {"1", "0"}}, {"(1+√5)/2", "(1-√5)/2"}, 0, 0},
        {{{"0", "-3"}, {"1", "0"}}, {"i√3", "-i√3"}, 0, 0},
        {{{"0", "6i"}, {"1", "0"}}, {"(1+i)√3", "-(1+i)√3"}, 0, 0},
        {{{"0", "1+i"}, {"1", "0"}}, {}, 0, 1},
        {{{"2", "0", "0"}, {"0", "1", "1"}, {"0", "1", "0"}}, {"(1+√5)/2", "(1-√5)/2"}, 1, 0},
        {{{"0", "0", "1"}, {"1", "0", "0"}, {"0", "1", "1"}}, {}, 0, 1},
        // (λ² − 2)²: both roots twice.
        {{{"0", "2", "1", "0"}, {"1", "0", "0", "1"}, {"0", "0", "0", "2"}, {"0", "0", "1", "0"}},
         {"√2", "-√2"},
         0,
         0},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        ASSERT_TRUE(Engine().Eigenvalues(GridOf(c.rows), log));
        const std::string text = log.Text();
        for (const std::string& root : c.quadratic) {
            EXPECT_NE(text.find("λ = " + root + "（代数的重複度"), std::string::npos) << root;
        }
        EXPECT_EQ(text.find("解の公式") != std::string::npos, !c.quadratic.empty()) << text;
        EXPECT_EQ(text.find("近似値（有効数字15桁）") != std::string::npos, c.others > 0) << text;
    }
}

TEST(SurdEigen, DiagonalisationIsCheckedInItsField) {
    const struct {
        std::vector<Lines> rows;
        const char* closing;
    } cases[] = {
        {{{"1", "1"}, {"1", "0"}}, "となり、D に一致します。"},
        {{{"2", "1"}, {"1", "-2"}}, "となり、D に一致します。"},
        {{{"1", "0", "0"}, {"0", "0", "3"}, {"0", "1", "2"}}, "となり、D に一致します。"},
        {{{"0", "2", "0", "0"}, {"1", "0", "0", "0"}, {"0", "0", "0", "3"}, {"0", "0", "1", "0"}},
         "となり、AP = PD です。P の列は異なる固有値の固有空間の基底を並べたもので一次独立なので、"
         "P は正則で、P^-1AP = D が成り立ちます。"},
        {{{"0", "2", "1", "0"}, {"1", "0", "0", "1"}, {"0", "0", "0", "2"}, {"0", "0", "1", "0"}},
         "この行列は対角化できません。"},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        ASSERT_TRUE(Engine().Diagonalize(GridOf(c.rows), log));
        EXPECT_EQ(log.Lines().back(), c.closing);
    }
}

// Exercises with their printed answers: the eigenvalues and a basis vector
// of each eigenspace as the source gives them, compared with the log.
TEST(SurdEigen, TextbookAnswers) {
    const struct {
        const char* source;
        std::vector<Lines> rows;
        Lines eigenvalues;
        Lines eigenspaces;
    } cases[] = {
        {"Jim Hefferon, Linear Algebra (CC BY-SA), Topic: Linear Recurrences, the Fibonacci "
         "matrix diagonalised with P's columns ((1+√5)/2, 1), ((1-√5)/2, 1); read on Wikibooks, "
         "https://en.wikibooks.org/wiki/Linear_Algebra/Topic%3A_Linear_Recurrences",
         {{"1", "1"}, {"1", "0"}},
         {"λ = (1+√5)/2（代数的重複度1）", "λ = (1-√5)/2（代数的重複度1）"},
         {"span{((1+√5)/2,1)}", "span{((1-√5)/2,1)}"}},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        ASSERT_TRUE(Engine().Eigenvectors(GridOf(c.rows), log)) << c.source;
        const Lines& lines = log.Lines();
        for (const auto* expected : {&c.eigenvalues, &c.eigenspaces}) {
            for (const std::string& line : *expected)
                EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
                    << c.source << ": " << line;
        }
    }
}

TEST(SurdEigen, GoldenDiagonalisationOfTheFibonacciMatrix) {
    MemoryStepLog log;
    ASSERT_TRUE(Engine().Diagonalize(GridOf({{"1", "1"}, {"1", "0"}}), log));
    EXPECT_EQ(log.Lines(), test::GoldenLines("diagonalize-fibonacci-2x2.log"));
}

TEST(SurdEigen, GoldenEigenvectorsWithNotation) {
    MemoryStepLog log;
    ASSERT_TRUE(
        Engine(LogStyle{true, true})
            .Eigenvectors(GridOf({{"2", "0", "0"}, {"0", "1", "1"}, {"0", "1", "0"}}), log));
    EXPECT_EQ(log.Lines(), test::GoldenLines("eigenvectors-surd-3x3.log"));
}

}  // namespace
}  // namespace korvane
