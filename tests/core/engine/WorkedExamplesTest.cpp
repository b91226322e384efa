// The worked examples of the engine's documentation, line by line.
#include <gtest/gtest.h>

#include "Golden.h"
#include "TestMatrices.h"
#include "core/engine/Engine.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowReduction.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

const Lines kReductionOf2413{
    "1行目を1/2倍します。",
    "  ( 1 2 )",
    "  ( 1 3 )",
    "2行目から1行目の1倍を引きます。",
    "  ( 1 2 )",
    "  ( 0 1 )",
    "1行目から2行目の2倍を引きます。",
    "  ( 1 0 )",
    "  ( 0 1 )",
    "これで、行階段基本形になりました。",
};

TEST(WorkedExamples, PrintPadsEachColumnToItsWidestText) {
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, GridOf({{"1/2", "-3"}, {"10", "4"}}));
    MemoryStepLog log;
    PrintWorkMatrix(matrix, log);
    EXPECT_EQ(log.Lines(), (Lines{"  ( 1/2 -3 )", "  ( 10  4  )"}));
}

TEST(WorkedExamples, ReductionOfTwoByTwo) {
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, GridOf({{"2", "4"}, {"1", "3"}}));
    MemoryStepLog log;
    ReductionTally tally;
    RowReduction(matrix, log, tally).RowReduce(0, 0);
    EXPECT_EQ(log.Lines(), kReductionOf2413);
    EXPECT_EQ(CpxText(tally.detFactor), "1/2");
    EXPECT_EQ(tally.swapCount, 0);
}

TEST(WorkedExamples, ReductionWithOneExchange) {
    WorkMatrix matrix;
    LoadWorkMatrix(matrix, GridOf({{"0", "1"}, {"1", "0"}}));
    MemoryStepLog log;
    ReductionTally tally;
    RowReduction(matrix, log, tally).RowReduce(0, 0);
    EXPECT_EQ(log.Lines(), (Lines{"1行目と2行目を入れ換えます。", "  ( 1 0 )", "  ( 0 1 )",
                                  "これで、行階段基本形になりました。"}));
    EXPECT_EQ(tally.swapCount, 1);
}

TEST(WorkedExamples, InverseOfTwoByTwo) {
    CellGrid grid = GridOf({{"2", "4"}, {"1", "3"}});
    MemoryStepLog log;
    EXPECT_TRUE(Engine().Inverse(grid, log));
    EXPECT_EQ(log.Lines(), test::GoldenLines("inverse-2x2.log"));
    EXPECT_EQ(grid, GridOf({{"3/2", "-2"}, {"-1/2", "1"}}));
}

TEST(WorkedExamples, DeterminantOfTwoByTwo) {
    MemoryStepLog log;
    Engine().Determinant(GridOf({{"2", "4"}, {"1", "3"}}), log);
    Lines expected{"  ( 2 4 )", "  ( 1 3 )", "上の行列を行階段基本形にします。"};
    expected.insert(expected.end(), kReductionOf2413.begin(), kReductionOf2413.end());
    expected.push_back("以上の操作の中で、行を0回入れ換え、合計1/2倍しました。");
    expected.push_back("よって、行列式は、2です。");
    EXPECT_EQ(log.Lines(), expected);
}

TEST(WorkedExamples, KernelAndImageOfRankOne) {
    const CellGrid grid = GridOf({{"1", "2"}, {"2", "4"}});
    const Lines reduction{
        "  ( 1 2 )",
        "  ( 2 4 )",
        "上の行列を行階段基本形にします。",
        "2行目から1行目の2倍を引きます。",
        "  ( 1 2 )",
        "  ( 0 0 )",
        "これで、行階段基本形になりました。",
    };
    MemoryStepLog log;
    Engine engine;
    engine.Kernel(grid, log);
    Lines expected = reduction;
    expected.insert(expected.end(), {"よってこのベクトルの核は、", "span{(-2,1)}", "です。"});
    EXPECT_EQ(log.Lines(), expected);

    engine.Image(grid, log);
    expected = reduction;
    expected.insert(expected.end(), {"よってこのベクトルの像は、", "span{(1,2)}", "です。"});
    EXPECT_EQ(log.Lines(), expected);
}

TEST(WorkedExamples, KernelAndImageOfReducedTwoByFour) {
    const CellGrid grid = GridOf({{"1", "2", "0", "3"}, {"0", "0", "1", "4"}});
    const Lines head{"  ( 1 2 0 3 )", "  ( 0 0 1 4 )", "上の行列を行階段基本形にします。",
                     "これで、行階段基本形になりました。"};
    MemoryStepLog log;
    Engine engine;
    engine.Kernel(grid, log);
    Lines expected = head;
    expected.insert(expected.end(),
                    {"よってこのベクトルの核は、", "span{(-2,1,0,0),(-3,0,-4,1)}", "です。"});
    EXPECT_EQ(log.Lines(), expected);

    engine.Image(grid, log);
    expected = head;
    expected.insert(expected.end(),
                    {"よってこのベクトルの像は、", "2次元ベクトル空間全体", "です。"});
    EXPECT_EQ(log.Lines(), expected);
}

}  // namespace
}  // namespace korvane
