#include <gtest/gtest.h>

#include "TestMatrices.h"
#include "core/engine/Engine.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowOperationText.h"
#include "core/engine/RowReduction.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

// The sentences a reduction logs, without the matrices printed after them.
struct Reduced {
    Lines sentences;
    ReductionTally tally;
    WorkMatrix matrix;
};

Reduced Reduce(const std::vector<Lines>& rows) {
    Reduced result;
    LoadWorkMatrix(result.matrix, GridOf(rows));
    MemoryStepLog log;
    RowReduction(result.matrix, log, result.tally).RowReduce(0, 0);
    for (const std::string& line : log.Lines()) {
        if (!line.starts_with("  ( ")) result.sentences.push_back(line);
    }
    return result;
}

TEST(RowReduce, SentencesInOrder) {
    const std::string done = "これで、行階段基本形になりました。";
    const struct {
        std::vector<Lines> rows;
        Lines sentences;
    } cases[] = {
        {{{"0", "0", "0"}, {"0", "0", "0"}}, {done}},
        {{{"5"}}, {"1行目を1/5倍します。", done}},
        {{{"-1"}}, {"1行目を-1倍します。", done}},
        {{{"i", "1"}}, {"1行目を-i倍します。", done}},
        // A column without a pivot keeps the row: the second column's pivot
        // is sought in row 1 again.
        {{{"0", "2"}, {"0", "4"}},
         {"1行目を1/2倍します。", "2行目から1行目の4倍を引きます。", done}},
        // Rows above the pivot row are cleared too, top row first.
        {{{"1", "2", "3"}, {"0", "1", "4"}, {"0", "3", "5"}},
         {"1行目から2行目の2倍を引きます。", "3行目から2行目の3倍を引きます。",
          "3行目を-1/7倍します。", "1行目から3行目の-5倍を引きます。",
          "2行目から3行目の4倍を引きます。", done}},
        // The exchange partner is the first nonzero row below, not the largest.
        {{{"0", "1"}, {"2", "0"}, {"7", "0"}},
         {"1行目と2行目を入れ換えます。", "1行目を1/2倍します。", "3行目から1行目の7倍を引きます。",
          done}},
        // More columns than rows: it stops when the rows run out.
        {{{"1", "2", "3"}}, {done}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Reduce(c.rows).sentences, c.sentences) << c.sentences.front();
    }
}

// The two wording choices on the reduction whose fourth step subtracts a
// negative multiple.
TEST(RowReduce, LinesInEachLogStyle) {
    const std::vector<Lines> rows{{"1", "2", "3"}, {"0", "1", "4"}, {"0", "3", "5"}};
    const struct {
        LogStyle style;
        Lines operations;
    } cases[] = {
        {{true, false},
         {"1行目から2行目の2倍を引きます。  R₁ → R₁ − 2R₂",
          "3行目から2行目の3倍を引きます。  R₃ → R₃ − 3R₂", "3行目を-1/7倍します。  R₃ → −(1/7)R₃",
          "1行目から3行目の-5倍を引きます。  R₁ → R₁ + 5R₃",
          "2行目から3行目の4倍を引きます。  R₂ → R₂ − 4R₃"}},
        {{false, true},
         {"1行目から2行目の2倍を引きます。", "3行目から2行目の3倍を引きます。",
          "3行目を-1/7倍します。", "1行目に3行目の5倍を足します。",
          "2行目から3行目の4倍を引きます。"}},
        {{true, true},
         {"1行目から2行目の2倍を引きます。  R₁ → R₁ − 2R₂",
          "3行目から2行目の3倍を引きます。  R₃ → R₃ − 3R₂", "3行目を-1/7倍します。  R₃ → −(1/7)R₃",
          "1行目に3行目の5倍を足します。  R₁ → R₁ + 5R₃",
          "2行目から3行目の4倍を引きます。  R₂ → R₂ − 4R₃"}},
    };
    for (const auto& c : cases) {
        WorkMatrix matrix;
        LoadWorkMatrix(matrix, GridOf(rows));
        MemoryStepLog log;
        ReductionTally tally;
        RowReduction(matrix, log, tally, c.style).RowReduce(0, 0);
        Lines operations;
        for (const std::string& line : log.Lines()) {
            if (line.find("行目") != std::string::npos) operations.push_back(line);
        }
        EXPECT_EQ(operations, c.operations);
    }
    CellGrid grid = GridOf({{"0", "2i"}, {"1+i", "3"}});
    MemoryStepLog log;
    Engine(LogStyle{false, true}).Determinant(grid, log);
    EXPECT_EQ(log.Lines()[log.Lines().size() - 2],
              "行列式は、この合計の逆数に、行を入れ換えた回数だけ-1を掛けたものです。");
}

TEST(RowReduce, TallyRecordsScalingsAndExchanges) {
    const Reduced r = Reduce({{"0", "3", "1"}, {"0", "0", "2"}, {"4", "0", "0"}});
    EXPECT_EQ(r.tally.swapCount, 2);
    EXPECT_EQ(CpxText(r.tally.detFactor), "1/24");
}

TEST(RowReduce, TallMatrixEndsWithZeroRows) {
    const Reduced r = Reduce({{"1", "2"}, {"3", "4"}, {"5", "6"}, {"7", "9"}});
    for (int row = 2; row <= 3; ++row) {
        for (int col = 0; col <= 1; ++col)
            EXPECT_TRUE(CpxIsZero(r.matrix.At(col, row)));
    }
    EXPECT_TRUE(IsIdentity(r.matrix));
}

TEST(RowOperations, FactorIsTakenBeforeTheRowChanges) {
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, GridOf({{"1", "2"}, {"3", "4"}}));
    MemoryStepLog log;
    ReductionTally tally;
    RowReduction reduction(matrix, log, tally);
    reduction.SubtractRowMultiple(1, 0, matrix.At(0, 1));
    EXPECT_EQ(log.Lines(), (Lines{"2行目から1行目の3倍を引きます。", "  ( 1 2  )", "  ( 0 -2 )"}));
    EXPECT_EQ(reduction.FindNonzeroBelow(0, 1), 0);
    EXPECT_EQ(reduction.FindNonzeroBelow(1, 1), 1);
}

// The in-place kernels must give exactly what a product and a difference give.
TEST(RowArithmetic, InPlaceSubMulMatchesProductThenDifference) {
    std::mt19937 rng(11);
    const test::EntryKind kinds[] = {test::EntryKind::kSmallInteger, test::EntryKind::kFraction,
                                     test::EntryKind::kGaussianRational,
                                     test::EntryKind::kLargeInteger};
    for (const test::EntryKind kind : kinds) {
        for (int i = 0; i < 300; ++i) {
            test::Matrix m = test::RandomMatrix(rng, 3, 3, kind);
            // Feed results back in so that sizes grow past one word.
            for (int round = 0; round < 4; ++round) {
                const ComplexFraction expected = CpxSub(m[0][0], CpxMul(m[1][1], m[2][2]));
                ComplexFraction overCommon = m[0][0];
                CpxSubMulCommon(overCommon, ToCommonDenominator(m[1][1]),
                                ToCommonDenominator(m[2][2]));
                CpxSubMul(m[0][0], m[1][1], m[2][2]);
                ASSERT_EQ(m[0][0], expected);
                ASSERT_EQ(overCommon, expected);
                std::swap(m[0][0], m[2][2]);
            }
        }
    }
}

TEST(RowOperationText, AdditionReadsAsASubtractionOfTheOppositeWhenNegative) {
    const struct {
        const char* added;
        const char* sentence;
    } cases[] = {
        {"3", "2行目に1行目の3倍を足します。"},
        {"-3", "2行目から1行目の3倍を引きます。"},
        {"-i/2", "2行目から1行目のi/2倍を引きます。"},
        {"1-2i", "2行目に1行目の1-2i倍を足します。"},
        {"-1+2i", "2行目から1行目の1-2i倍を引きます。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowAdditionSentence(1, 0, CpxParse(c.added)), c.sentence) << c.added;
}

}  // namespace
}  // namespace korvane
