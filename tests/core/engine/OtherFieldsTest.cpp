// The engine's reduction, kernel, inverse and determinant over fields other
// than Q(i): plain rationals, the integers modulo 7 and the surds a + b√d,
// whose texts and inverses differ from Q(i)'s, so that a Q(i) assumption left
// in the engine shows up in a log.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TestMatrices.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/RationalFunctions.h"
#include "core/engine/ReductionResults.h"
#include "core/engine/RowReductionDefinitions.h"
#include "core/engine/SurdNumbers.h"
#include "core/engine/WorkMatrixDefinitions.h"
#include "mklibs/ParameterReader.h"

namespace korvane {

// Outside an unnamed namespace, so that the explicit instantiations below
// have external linkage and no member counts as unused.
namespace test {

struct Rationals {
    using Number = Fraction;
    static Number Zero() { return {0, 1}; }
    static Number One() { return {1, 1}; }
    static bool IsZero(const Number& x) { return x.num == 0; }
    static bool IsOne(const Number& x) { return x.num == 1 && x.den == 1; }
    static Number Neg(const Number& x) { return {-x.num, x.den}; }
    static Number Add(const Number& a, const Number& b) { return FracAdd(a, b); }
    static Number Sub(const Number& a, const Number& b) { return FracSub(a, b); }
    static Number Mul(const Number& a, const Number& b) { return FracMul(a, b); }
    static Number Inv(const Number& x) { return FracInv(x); }
    static void SubMul(Number& t, const Number& a, const Number& b) { FracSubMul(t, a, b); }
    static void AppendText(std::string& text, const Number& x) { AppendFracText(text, x); }
};

struct IntegersModSeven {
    struct Number {
        int value = 0;
        friend bool operator==(const Number&, const Number&) = default;
    };
    static Number Of(long x) { return {static_cast<int>((x % 7 + 7) % 7)}; }
    static Number Zero() { return {0}; }
    static Number One() { return {1}; }
    static bool IsZero(const Number& x) { return x.value == 0; }
    static bool IsOne(const Number& x) { return x.value == 1; }
    static Number Neg(const Number& x) { return Of(-x.value); }
    static Number Add(const Number& a, const Number& b) { return Of(a.value + b.value); }
    static Number Sub(const Number& a, const Number& b) { return Of(a.value - b.value); }
    static Number Mul(const Number& a, const Number& b) { return Of(a.value * b.value); }
    static Number Inv(const Number& x) {
        for (int y = 1; y < 7; ++y) {
            if (x.value * y % 7 == 1) return {y};
        }
        throw DivisionByZero();
    }
    static void SubMul(Number& t, const Number& a, const Number& b) {
        t = Of(t.value - a.value * b.value);
    }
    static void AppendText(std::string& text, const Number& x) { text += std::to_string(x.value); }
};

static_assert(EngineField<Rationals> && !PreparedOperands<Rationals>);
static_assert(EngineField<IntegersModSeven>);

}  // namespace test

using test::IntegersModSeven;
using test::Rationals;

template class BasicWorkMatrix<Rationals>;
template class BasicRowReduction<Rationals>;
template class BasicWorkMatrix<IntegersModSeven>;
template class BasicRowReduction<IntegersModSeven>;

namespace {

using test::Lines;
using Mod7 = IntegersModSeven;
using Mod7Rows = std::vector<std::vector<int>>;

BasicWorkMatrix<Rationals> RationalMatrix(const std::vector<std::vector<Fraction>>& rows) {
    BasicWorkMatrix<Rationals> m;
    m.Resize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            m.Set(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
    }
    return m;
}

BasicWorkMatrix<Mod7> Mod7Matrix(const Mod7Rows& rows) {
    BasicWorkMatrix<Mod7> m;
    m.Resize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            m.Set(static_cast<int>(c), static_cast<int>(r), Mod7::Of(rows[r][c]));
    }
    return m;
}

Mod7Rows RowsOf(const BasicWorkMatrix<Mod7>& m) {
    Mod7Rows rows(static_cast<std::size_t>(m.LastRow() + 1));
    for (int r = 0; r <= m.LastRow(); ++r) {
        for (int c = 0; c <= m.LastCol(); ++c)
            rows[static_cast<std::size_t>(r)].push_back(m.At(c, r).value);
    }
    return rows;
}

Lines Sentences(const MemoryStepLog& log) {
    Lines sentences;
    for (const std::string& line : log.Lines()) {
        if (!line.starts_with("  ( ")) sentences.push_back(line);
    }
    return sentences;
}

const std::string kDone = "これで、行階段基本形になりました。";

TEST(OtherFields, InverseOverTheRationalsLogsEveryStepAndItsMatrix) {
    BasicWorkMatrix<Rationals> augmented;
    LoadAugmented(augmented, RationalMatrix({{{2, 1}, {1, 1}}, {{1, 1}, {1, 1}}}));
    MemoryStepLog log;
    BasicReductionTally<Rationals> tally;
    ASSERT_TRUE(InvertAugmented(augmented, log, tally, LogStyle{}));
    EXPECT_EQ(log.Lines(),
              (Lines{"  ( 2 1 1 0 )",       "  ( 1 1 0 1 )",
                     "上の行列を行階段基本形にします。",
                     "1行目を1/2倍します。", "  ( 1 1/2 1/2 0 )",
                     "  ( 1 1   0   1 )",   "2行目から1行目の1倍を引きます。",
                     "  ( 1 1/2 1/2  0 )",  "  ( 0 1/2 -1/2 1 )",
                     "2行目を2倍します。",  "  ( 1 1/2 1/2 0 )",
                     "  ( 0 1   -1  2 )",   "1行目から2行目の1/2倍を引きます。",
                     "  ( 1 0 1  -1 )",     "  ( 0 1 -1 2  )",
                     kDone,                 "よって、逆行列は、",
                     "  ( 1  -1 )",         "  ( -1 2  )",
                     "です。"}));
}

// Sentences, tally and determinant over the integers modulo 7: the scaling
// factors are inverses modulo 7, and no factor text carries a sign.
TEST(OtherFields, ReductionAndDeterminantModuloSeven) {
    const struct {
        Mod7Rows rows;
        LogStyle style;
        Lines sentences;
    } cases[] = {
        {{{2, 4}, {1, 3}},
         {},
         {"1行目を4倍します。", "2行目から1行目の1倍を引きます。",
          "1行目から2行目の2倍を引きます。", kDone,
          "以上の操作の中で、行を0回入れ換え、合計4倍しました。", "よって、行列式は、2です。"}},
        {{{0, 1}, {3, 0}},
         {},
         {"1行目と2行目を入れ換えます。", "1行目を5倍します。", kDone,
          "以上の操作の中で、行を1回入れ換え、合計5倍しました。", "よって、行列式は、4です。"}},
        // The opposite of 3 is 4: an addition of 4 times the row, in both
        // the sentence and the notation.
        {{{1, 2}, {3, 4}},
         {true, true},
         {"2行目に1行目の4倍を足します。  R₂ → R₂ + 4R₁", "2行目を3倍します。  R₂ → 3R₂",
          "1行目に2行目の5倍を足します。  R₁ → R₁ + 5R₂", kDone,
          "以上の操作の中で、行を0回入れ換え、合計3倍しました。",
          "行列式は、この合計の逆数に、行を入れ換えた回数だけ-1を掛けたものです。",
          "よって、行列式は、5です。"}},
        {{{1, 2}, {3, 6}},
         {},
         {"2行目から1行目の3倍を引きます。", kDone,
          "これは可逆行列でなかったため、行列式は0です。"}},
    };
    for (const auto& c : cases) {
        BasicWorkMatrix<Mod7> m = Mod7Matrix(c.rows);
        MemoryStepLog log;
        BasicReductionTally<Mod7> tally;
        BasicRowReduction<Mod7>(m, log, tally, c.style).RowReduce(0, 0);
        DeterminantFromReduction(m, tally, log, c.style);
        EXPECT_EQ(Sentences(log), c.sentences) << c.sentences.front();
    }
}

TEST(OtherFields, KernelBasisOverTheRationals) {
    const struct {
        std::vector<std::vector<Fraction>> rows;
        std::string span;
    } cases[] = {
        {{{{1, 1}, {2, 1}, {3, 1}}, {{2, 1}, {4, 1}, {7, 1}}}, "span{(-2,1,0)}"},
        {{{{2, 1}, {1, 1}}, {{4, 1}, {2, 1}}}, "span{(-1/2,1)}"},
        {{{{1, 1}, {0, 1}}, {{0, 1}, {3, 1}}}, "{0}"},
        {{{{0, 1}, {0, 1}}}, "span{(1,0),(0,1)}"},
    };
    for (const auto& c : cases) {
        BasicWorkMatrix<Rationals> m = RationalMatrix(c.rows);
        MemoryStepLog log;
        BasicReductionTally<Rationals> tally;
        BasicRowReduction<Rationals>(m, log, tally).RowReduce(0, 0);
        EXPECT_EQ(SpanText<Rationals>(KernelBasis(m, m.LastCol() + 1)), c.span) << c.span;
    }
}

Surd SurdOf(const char* text) {
    if (text[0] == 'r') return SurdSqrt(Fraction{std::stoi(text + 1), 1});
    return SurdFromCpx(CpxParse(text));
}

// Entries written "3" or "r2" for √2.
BasicWorkMatrix<SurdNumbers> SurdMatrix(const std::vector<std::vector<const char*>>& rows) {
    BasicWorkMatrix<SurdNumbers> m;
    m.Resize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            m.Set(static_cast<int>(c), static_cast<int>(r), SurdOf(rows[r][c]));
    }
    return m;
}

// Columns stay aligned: √ is one character wide though three bytes long.
TEST(OtherFields, InverseWithSquareRoots) {
    BasicWorkMatrix<SurdNumbers> augmented;
    LoadAugmented(augmented, SurdMatrix({{"1", "r2"}, {"r2", "3"}}));
    MemoryStepLog log;
    BasicReductionTally<SurdNumbers> tally;
    ASSERT_TRUE(InvertAugmented(augmented, log, tally, LogStyle{}));
    EXPECT_EQ(log.Lines(),
              (Lines{"  ( 1  √2 1 0 )", "  ( √2 3  0 1 )", "上の行列を行階段基本形にします。",
                     "2行目から1行目の√2倍を引きます。", "  ( 1 √2 1   0 )",
                     "  ( 0 1  -√2 1 )", "1行目から2行目の√2倍を引きます。",
                     "  ( 1 0 3   -√2 )", "  ( 0 1 -√2 1   )", kDone, "よって、逆行列は、",
                     "  ( 3   -√2 )", "  ( -√2 1   )", "です。"}));
}

TEST(OtherFields, DeterminantWithSquareRootsInEachLogStyle) {
    const std::vector<std::vector<const char*>> rows{{"r2", "1"}, {"1", "r2"}};
    const struct {
        LogStyle style;
        Lines sentences;
    } cases[] = {
        {{},
         {"1行目を√2/2倍します。", "2行目から1行目の1倍を引きます。", "2行目を√2倍します。",
          "1行目から2行目の√2/2倍を引きます。", kDone,
          "以上の操作の中で、行を0回入れ換え、合計1倍しました。", "よって、行列式は、1です。"}},
        {{true, true},
         {"1行目を√2/2倍します。  R₁ → (√2/2)R₁", "2行目から1行目の1倍を引きます。  R₂ → R₂ − R₁",
          "2行目を√2倍します。  R₂ → √2R₂",
          "1行目から2行目の√2/2倍を引きます。  R₁ → R₁ − (√2/2)R₂", kDone,
          "以上の操作の中で、行を0回入れ換え、合計1倍しました。",
          "行列式は、この合計の逆数に、行を入れ換えた回数だけ-1を掛けたものです。",
          "よって、行列式は、1です。"}},
    };
    for (const auto& c : cases) {
        BasicWorkMatrix<SurdNumbers> m = SurdMatrix(rows);
        MemoryStepLog log;
        BasicReductionTally<SurdNumbers> tally;
        BasicRowReduction<SurdNumbers>(m, log, tally, c.style).RowReduce(0, 0);
        DeterminantFromReduction(m, tally, log, c.style);
        EXPECT_EQ(Sentences(log), c.sentences) << c.style.notation;
    }
}

// √3 − √2 would need both roots: the reduction stops with
// the clash instead of going on with a wrong entry.
TEST(OtherFields, TwoDifferentRootsEndTheReduction) {
    BasicWorkMatrix<SurdNumbers> m = SurdMatrix({{"1", "r2"}, {"1", "r3"}});
    MemoryStepLog log;
    BasicReductionTally<SurdNumbers> tally;
    EXPECT_THROW(BasicRowReduction<SurdNumbers>(m, log, tally).RowReduce(0, 0), SurdFieldClash);
}

// Over the rational functions in a, a pivot like a - 1 is divided by as a
// number: the generic determinant of the classic exercise, -(a-1)^2(a+2),
// and its texts as the log prints them.
TEST(OtherFields, DeterminantWithAParameter) {
    const char* texts[3][3] = {{"1", "1", "a"}, {"1", "a", "1"}, {"a", "1", "1"}};
    BasicWorkMatrix<RationalFunctions> m;
    m.Resize(3, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m.Set(c, r, ReadParameterExpression(texts[r][c]).value);
    MemoryStepLog log;
    BasicReductionTally<RationalFunctions> tally;
    BasicRowReduction<RationalFunctions>(m, log, tally).RowReduce(0, 0);
    const RationalFunction det = DeterminantFromReduction(m, tally, log, LogStyle{});
    EXPECT_EQ(RfText(det), "-(a-1)^2(a+2)");
    EXPECT_EQ(Sentences(log).back(), "よって、行列式は、-(a-1)^2(a+2)です。");
}

// Laplace expansion modulo 7, independent of the reduction.
int ExpandedDeterminant(const Mod7Rows& m) {
    if (m.size() == 1) return m[0][0];
    int det = 0;
    for (std::size_t j = 0; j < m.size(); ++j) {
        Mod7Rows minor;
        for (std::size_t r = 1; r < m.size(); ++r) {
            minor.emplace_back();
            for (std::size_t c = 0; c < m.size(); ++c) {
                if (c != j) minor.back().push_back(m[r][c]);
            }
        }
        const int term = m[0][j] * ExpandedDeterminant(minor);
        det = (det + (j % 2 == 0 ? term : 7 - term % 7)) % 7;
    }
    return det;
}

Mod7Rows ProductMod7(const Mod7Rows& a, const Mod7Rows& b) {
    Mod7Rows p(a.size(), std::vector<int>(b[0].size(), 0));
    for (std::size_t r = 0; r < a.size(); ++r) {
        for (std::size_t c = 0; c < b[0].size(); ++c) {
            for (std::size_t k = 0; k < b.size(); ++k)
                p[r][c] = (p[r][c] + a[r][k] * b[k][c]) % 7;
        }
    }
    return p;
}

// On random square matrices modulo 7 (many of them singular): the
// determinant read off the reduction is the expanded one, the inverse exists
// exactly when it is nonzero and multiplies back to the identity, and every
// kernel vector is mapped to zero, one for each dimension the rank misses.
TEST(OtherFields, RandomMatricesModuloSevenAgreeWithExpansion) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> entry(0, 6);
    int invertible = 0;
    for (int i = 0; i < 300; ++i) {
        const std::size_t n = 1 + static_cast<std::size_t>(i % 4);
        Mod7Rows a(n, std::vector<int>(n));
        for (auto& row : a) {
            for (int& x : row)
                x = entry(rng) % (i % 3 == 0 ? 2 : 7);
        }
        const BasicWorkMatrix<Mod7> start = Mod7Matrix(a);
        const int expanded = ExpandedDeterminant(a);

        BasicWorkMatrix<Mod7> reduced = start;
        MemoryStepLog log;
        BasicReductionTally<Mod7> tally;
        BasicRowReduction<Mod7>(reduced, log, tally).RowReduce(0, 0);
        ASSERT_EQ(DeterminantFromReduction(reduced, tally, log, LogStyle{}).value, expanded);

        std::size_t rank = 0;
        for (const std::int32_t row : FindPivotRows(reduced))
            rank += row >= 0 ? 1 : 0;
        const auto basis = KernelBasis(reduced, static_cast<std::int32_t>(n));
        ASSERT_EQ(basis.size(), n - rank);
        for (const auto& v : basis) {
            Mod7Rows column;
            for (const Mod7::Number& x : v)
                column.push_back({x.value});
            ASSERT_EQ(ProductMod7(a, column), Mod7Rows(n, std::vector<int>{0}));
        }

        BasicWorkMatrix<Mod7> augmented;
        LoadAugmented(augmented, start);
        BasicReductionTally<Mod7> inverseTally;
        const bool inverted = InvertAugmented(augmented, log, inverseTally, LogStyle{});
        ASSERT_EQ(inverted, expanded != 0);
        if (!inverted) continue;
        ++invertible;
        Mod7Rows identity(n, std::vector<int>(n, 0));
        for (std::size_t k = 0; k < n; ++k)
            identity[k][k] = 1;
        ASSERT_EQ(ProductMod7(a, RowsOf(augmented)), identity);
    }
    EXPECT_GT(invertible, 50);
    EXPECT_LT(invertible, 290);
}

}  // namespace
}  // namespace korvane
