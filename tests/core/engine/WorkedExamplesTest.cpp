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

const Lines kExpansionRule{
    "左上の k 行 k 列の部分について det(λI - H) を pₖ(λ) とし（p₀(λ) = 1）、最後の列で展開して順に"
    "求めます。h(r,c) を r 行 c 列の成分とすると、",
    "pₖ(λ) = (λ - h(k,k))pₖ₋₁(λ) - h(k-1,k)h(k,k-1)pₖ₋₂(λ) - h(k-2,k)h(k,k-1)h(k-1,k-2)pₖ₋₃(λ) "
    "- …",
    "です。",
};

Lines CharacteristicHead(const Lines& matrix, const Lines& steps) {
    Lines lines = matrix;
    lines.insert(
        lines.end(),
        {"上の行列 A の固有多項式 det(λI - A) を求めます。",
         "行の操作と、それを打ち消す列の操作を組にした相似変換で、対角線の1つ下より下の成分"
         "を0にします（上ヘッセンベルク形）。相似変換で固有多項式は変わりません。"});
    lines.insert(lines.end(), steps.begin(), steps.end());
    lines.insert(lines.end(), kExpansionRule.begin(), kExpansionRule.end());
    return lines;
}

TEST(WorkedExamples, SolveWithOneSolution) {
    MemoryStepLog log;
    Engine().Solve(GridOf({{"1", "2", "3"}, {"4", "5", "6"}}), log);
    EXPECT_EQ(log.Lines(),
              (Lines{
                  "  ( 1 2 3 )",
                  "  ( 4 5 6 )",
                  "この行列を拡大係数行列 (A | b) として、連立一次方程式 Ax = b を解きます。",
                  "上の行列を行階段基本形にします。",
                  "2行目から1行目の4倍を引きます。",
                  "  ( 1 2  3  )",
                  "  ( 0 -3 -6 )",
                  "2行目を-1/3倍します。",
                  "  ( 1 2 3 )",
                  "  ( 0 1 2 )",
                  "1行目から2行目の2倍を引きます。",
                  "  ( 1 0 -1 )",
                  "  ( 0 1 2  )",
                  "これで、行階段基本形になりました。",
                  "係数行列 A の階数は2、拡大係数行列 (A | b) の階数は2、未知数の個数は2です。",
                  "階数がどちらも未知数の個数2に等しいので、",
                  "解はただ一つです。",
                  "よって、解は、",
                  "x = (-1,2)",
                  "です。",
                  "検算：x = (-1,2) を代入すると、Ax = (3,6) となり、b に一致します。",
              }));
}

TEST(WorkedExamples, RankOfRankOne) {
    MemoryStepLog log;
    Engine().Rank(GridOf({{"1", "2"}, {"2", "4"}}), log);
    EXPECT_EQ(log.Lines(),
              (Lines{
                  "  ( 1 2 )",
                  "  ( 2 4 )",
                  "上の行列を行階段基本形にします。",
                  "2行目から1行目の2倍を引きます。",
                  "  ( 1 2 )",
                  "  ( 0 0 )",
                  "これで、行階段基本形になりました。",
                  "先頭の1は、1列目の1か所にあります。",
                  "よって、階数は、1です。",
                  "列の数は2なので、核の次元（退化次数）は、2 - 1 = 1です。",
                  "次元定理のとおり、階数と退化次数の和は列の数に等しくなります（1 + 1 "
                  "= 2）。",
              }));
}

TEST(WorkedExamples, CharacteristicPolynomialWithExchangeAndBothWordings) {
    MemoryStepLog log;
    Engine().CharacteristicPolynomial(GridOf({{"2", "1", "0", "1"},
                                              {"0", "1", "1", "0"},
                                              {"1", "0", "2", "0"},
                                              {"2", "1", "0", "1"}}),
                                      log);
    Lines expected =
        CharacteristicHead({"  ( 2 1 0 1 )", "  ( 0 1 1 0 )", "  ( 1 0 2 0 )", "  ( 2 1 0 1 )"},
                           {
                               "2行目と3行目を入れ換え、2列目と3列目も入れ換えます。",
                               "  ( 2 0 1 1 )",
                               "  ( 1 2 0 0 )",
                               "  ( 0 1 1 0 )",
                               "  ( 2 0 1 1 )",
                               "4行目から2行目の2倍を引き、2列目に4列目の2倍を足します。",
                               "  ( 2 2  1 1 )",
                               "  ( 1 2  0 0 )",
                               "  ( 0 1  1 0 )",
                               "  ( 0 -2 1 1 )",
                               "4行目に3行目の2倍を足し、3列目から4列目の2倍を引きます。",
                               "  ( 2 2 -1 1 )",
                               "  ( 1 2 0  0 )",
                               "  ( 0 1 1  0 )",
                               "  ( 0 0 1  1 )",
                               "これで、上ヘッセンベルク形になりました。この行列を H とします。",
                           });
    expected.insert(expected.end(), {
                                        "p₁(λ) = (λ - 2)p₀(λ) = λ - 2",
                                        "p₂(λ) = (λ - 2)p₁(λ) - 2p₀(λ) = λ^2 - 4λ + 2",
                                        "p₃(λ) = (λ - 1)p₂(λ) + p₀(λ) = λ^3 - 5λ^2 + 6λ - 1",
                                        "p₄(λ) = (λ - 1)p₃(λ) - p₀(λ) = λ^4 - 6λ^3 + 11λ^2 - 7λ",
                                        "よって、固有多項式は、",
                                        "det(λI - A) = λ^4 - 6λ^3 + 11λ^2 - 7λ",
                                        "です。",
                                    });
    EXPECT_EQ(log.Lines(), expected);
}

TEST(WorkedExamples, EigenvaluesExactAndByTheQuadraticFormula) {
    MemoryStepLog log;
    Engine().Eigenvalues(GridOf({{"1", "0", "0"}, {"0", "0", "2"}, {"0", "1", "0"}}), log);
    Lines expected =
        CharacteristicHead({"  ( 1 0 0 )", "  ( 0 0 2 )", "  ( 0 1 0 )"},
                           {"この行列はすでに上ヘッセンベルク形です。この行列を H とします。"});
    expected.insert(
        expected.end(),
        {
            "p₁(λ) = (λ - 1)p₀(λ) = λ - 1",
            "p₂(λ) = λp₁(λ) = λ^2 - λ",
            "p₃(λ) = λp₂(λ) - 2p₁(λ) = λ^3 - λ^2 - 2λ + 2",
            "よって、固有多項式は、",
            "det(λI - A) = λ^3 - λ^2 - 2λ + 2",
            "です。",
            "固有多項式を、係数が複素有理数の範囲で因数分解すると、",
            "det(λI - A) = (λ - 1)(λ^2 - 2)",
            "です。",
            "よって、複素有理数の固有値は、",
            "λ = 1（代数的重複度1）",
            "です。",
            "因数 λ^2 - 2 は複素有理数の範囲ではこれ以上因数分解できないので、λ^2 - 2 = 0 を"
            "解の公式で解くと、",
            "λ = √2（代数的重複度1）",
            "λ = -√2（代数的重複度1）",
            "です。",
        });
    EXPECT_EQ(log.Lines(), expected);
}

TEST(WorkedExamples, EigenvectorsThenDiagonalisation) {
    const CellGrid grid = GridOf({{"2", "1"}, {"1", "2"}});
    Lines expected =
        CharacteristicHead({"  ( 2 1 )", "  ( 1 2 )"},
                           {"この行列はすでに上ヘッセンベルク形です。この行列を H とします。"});
    expected.insert(expected.end(),
                    {
                        "p₁(λ) = (λ - 2)p₀(λ) = λ - 2",
                        "p₂(λ) = (λ - 2)p₁(λ) - p₀(λ) = λ^2 - 4λ + 3",
                        "よって、固有多項式は、",
                        "det(λI - A) = λ^2 - 4λ + 3",
                        "です。",
                        "固有多項式を、係数が複素有理数の範囲で因数分解すると、",
                        "det(λI - A) = (λ - 1)(λ - 3)",
                        "です。",
                        "よって、固有値は、",
                        "λ = 1（代数的重複度1）",
                        "λ = 3（代数的重複度1）",
                        "です。",
                        "固有値 λ = 1 の固有ベクトルを求めるため、A - I の核を求めます。",
                        "  ( 1 1 )",
                        "  ( 1 1 )",
                        "上の行列を行階段基本形にします。",
                        "2行目から1行目の1倍を引きます。",
                        "  ( 1 1 )",
                        "  ( 0 0 )",
                        "これで、行階段基本形になりました。",
                        "よって、A - I の核は、",
                        "span{(-1,1)}",
                        "です。",
                        "固有値 λ = 1 の固有ベクトルは、この核の 0 でないベクトルです。"
                        "幾何的重複度（固有空間の次元）は1です。",
                        "固有値 λ = 3 の固有ベクトルを求めるため、A - 3I の核を求めます。",
                        "  ( -1 1  )",
                        "  ( 1  -1 )",
                        "上の行列を行階段基本形にします。",
                        "1行目を-1倍します。",
                        "  ( 1 -1 )",
                        "  ( 1 -1 )",
                        "2行目から1行目の1倍を引きます。",
                        "  ( 1 -1 )",
                        "  ( 0 0  )",
                        "これで、行階段基本形になりました。",
                        "よって、A - 3I の核は、",
                        "span{(1,1)}",
                        "です。",
                        "固有値 λ = 3 の固有ベクトルは、この核の 0 でないベクトルです。"
                        "幾何的重複度（固有空間の次元）は1です。",
                    });
    MemoryStepLog log;
    Engine engine;
    engine.Eigenvectors(grid, log);
    EXPECT_EQ(log.Lines(), expected);

    expected.insert(expected.end(),
                    {
                        "どの固有値も幾何的重複度が代数的重複度に等しく、その和は行列の"
                        "次数2に等しいので、この行列は対角化できます。",
                        "固有空間の基底を列に並べた行列を P、対応する固有値を対角線に"
                        "並べた行列を D とすると、",
                        "P =",
                        "  ( -1 1 )",
                        "  ( 1  1 )",
                        "D =",
                        "  ( 1 0 )",
                        "  ( 0 3 )",
                        "です。",
                        "P の逆行列は、",
                        "  ( -1/2 1/2 )",
                        "  ( 1/2  1/2 )",
                        "です。",
                        "検算として P^-1AP を計算すると、",
                        "  ( 1 0 )",
                        "  ( 0 3 )",
                        "となり、D に一致します。",
                    });
    engine.Diagonalize(grid, log);
    EXPECT_EQ(log.Lines(), expected);
}

}  // namespace
}  // namespace korvane
