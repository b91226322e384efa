// Inner products and orthogonality: worked examples line by line, the
// refusals, and a stop seen at the latest by the next matrix printed.
#include <gtest/gtest.h>

#include <functional>

#include "Golden.h"
#include "StoppingLog.h"
#include "TestMatrices.h"
#include "core/StopSignal.h"
#include "core/orthogonality/GramSchmidt.h"
#include "core/orthogonality/InnerProducts.h"
#include "core/orthogonality/OrthogonalDiagonalization.h"
#include "core/orthogonality/Projection.h"
#include "core/orthogonality/QrDecomposition.h"
#include "core/orthogonality/QuadraticForm.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;
using test::StoppingLog;

using Method = std::function<bool(const CellGrid&, StepLog&)>;

bool Inner(const CellGrid& grid, StepLog& log) {
    return InnerProducts(grid, log);
}
bool InnerOfRows(const CellGrid& grid, StepLog& log) {
    return InnerProducts(grid, log, VectorLines::kRows);
}
bool Norm(const CellGrid& grid, StepLog& log) {
    return Norms(grid, log);
}
bool Project(const CellGrid& grid, StepLog& log) {
    return Projection(grid, log);
}
bool Complement(const CellGrid& grid, StepLog& log) {
    return OrthogonalComplement(grid, log);
}
bool Squares(const CellGrid& grid, StepLog& log) {
    return LeastSquares(grid, log);
}
bool Orthogonal(const CellGrid& grid, StepLog& log) {
    return OrthogonalDiagonalization(grid, log);
}
bool Form(const CellGrid& grid, StepLog& log) {
    return QuadraticForm(grid, log);
}

struct Example {
    const char* golden;
    Method method;
    std::vector<Lines> rows;
};

// Textbook exercises whose answers are known: the Gram–Schmidt basis
// (√2/2, √6/6, √3/3 columns), QR of a 3 × 2 matrix, the projection onto a
// plane, the least-squares line through (0,6), (1,0), (2,0) (y = 5 − 3x),
// the symmetric matrix with eigenvalues 1, 1, 4, Fibonacci's matrix with
// (1 ± √5)/2 (nested roots in P), one with 1 ± √3 whose norms denest
// (√(12+6√3) = 3+√3), and x² + 4xy + y².
const Example kExamples[] = {
    {"inner-2x2.log", Inner, {{"1", "2"}, {"3", "4"}}},
    {"norm-complex.log", Norm, {{"1+i", "3"}, {"1", "4"}}},
    {"gram-schmidt-3x3.log", GramSchmidt, {{"1", "1", "0"}, {"1", "0", "1"}, {"0", "1", "1"}}},
    {"qr-3x2.log", QrDecomposition, {{"1", "1"}, {"1", "-1"}, {"0", "1"}}},
    {"project-3x3.log", Project, {{"1", "0", "1"}, {"0", "1", "2"}, {"0", "0", "3"}}},
    {"complement-3x2.log", Complement, {{"1", "0"}, {"1", "1"}, {"0", "1"}}},
    {"least-squares-3x3.log", Squares, {{"1", "0", "6"}, {"1", "1", "0"}, {"1", "2", "0"}}},
    {"orthogonal-diagonalize-3x3.log",
     Orthogonal,
     {{"2", "1", "1"}, {"1", "2", "1"}, {"1", "1", "2"}}},
    {"orthogonal-diagonalize-fibonacci-2x2.log", Orthogonal, {{"1", "1"}, {"1", "0"}}},
    {"orthogonal-diagonalize-surd-3x3.log",
     Orthogonal,
     {{"-1", "0", "1"}, {"0", "0", "-2"}, {"1", "-2", "1"}}},
    {"quadratic-form-2x2.log", Form, {{"1", "2"}, {"2", "1"}}},
};

TEST(Orthogonality, WorkedExamples) {
    for (const Example& example : kExamples) {
        MemoryStepLog log;
        EXPECT_TRUE(example.method(GridOf(example.rows), log)) << example.golden;
        EXPECT_EQ(log.Lines(), test::GoldenLines(example.golden)) << example.golden;
    }
}

// Lines a working must hold: the rows option, the conjugate of a complex
// inner product, a dependent column, a Hermitian matrix's unitary P,
// forms without square terms and of every definiteness.
TEST(Orthogonality, KeyLines) {
    const struct {
        Method method;
        std::vector<Lines> rows;
        const char* line;
    } cases[] = {
        {InnerOfRows, {{"1", "2"}, {"3", "4"}}, "⟨v₁, v₂⟩ = 1·3 + 2·4 = 11"},
        {Inner, {{"i", "1"}, {"1", "i"}}, "⟨v₁, v₂⟩ = i·1 + 1·(-i) = 0"},
        {Inner, {{"i", "1"}, {"1", "i"}}, "v₁ と v₂ は直交します。"},
        {Inner, {{"0", "1"}, {"0", "1"}}, "零ベクトルがあるので、v₁ と v₂ のなす角は定まりません。"},
        {Inner, {{"1", "1"}, {"0", "1"}}, "cos θ = ⟨v₁, v₂⟩/(‖v₁‖‖v₂‖) = √2/2"},
        {Norm, {{"0"}, {"0"}}, "v₁ は零ベクトルなので、単位ベクトルにはできません。"},
        {GramSchmidt,
         {{"1", "2", "0"}, {"1", "2", "1"}},
         "差が0になったので、v₂ は u₁ の一次結合です（それまでのベクトルに一次従属）。v₂ は除き、u₂ "
         "は次のベクトルで作ります。"},
        {GramSchmidt,
         {{"0", "1"}, {"0", "1"}},
         "v₁ は零ベクトルなので除き、u₁ は次のベクトルで作ります。"},
        {GramSchmidt, {{"i", "1"}, {"1", "0"}}, "⟨v₂, u₁⟩ = 1·(-i) + 0·1 = -i"},
        {Orthogonal, {{"1", "i"}, {"-i", "1"}}, "よって、p₁, p₂ を列とするユニタリ行列 P で、PᴴAP = D となります。"},
        {Orthogonal, {{"1", "i"}, {"-i", "1"}}, "となり、D に一致します。"},
        {Squares, {{"1", "2", "1"}, {"2", "4", "1"}}, "x̂ = (3/5,0) + t₁(-2,1)（t₁ は任意の数）"},
        {Project, {{"1", "2"}, {"1", "2"}}, "b - p = 0 なので、b は W に含まれ、p = b です。"},
        {Form, {{"0", "1"}, {"1", "0"}}, "平方の項が残っていないので、x₁x₂ の項から平方を作るために、x₁ = x₁' + x₂ とおきます（x₁' = x₁ - x₂）。"},
        {Form, {{"0", "1"}, {"1", "0"}}, "q = 2(x₂ + (1/2)x₁')² - (1/2)x₁'²"},
        {Form, {{"0", "1"}, {"1", "0"}}, "q = 2u₁² - (1/2)u₂²"},
        {Form, {{"0", "1"}, {"1", "0"}}, "q = -y₁² + y₂²"},
        {Form, {{"2", "1"}, {"1", "2"}}, "よって、この二次形式は正定値です。"},
        {Form, {{"-2", "1"}, {"1", "-2"}}, "首座小行列式の符号が D₁ < 0 から交互に変わるので、シルベスターの判定法により、負定値です。"},
        {Form, {{"1", "1"}, {"1", "1"}}, "よって、この二次形式は半正定値（正定値ではない）です。"},
        {Form, {{"0", "0"}, {"0", "0"}}, "よって、この二次形式はすべての係数が0の二次形式（零形式）です。"},
        {Form, {{"1", "1"}, {"1", "0"}}, "x₁ = ((1+√5)/√(10+2√5))y₁ - ((√5-1)/√(10-2√5))y₂"},
        {Form, {{"1", "1"}, {"1", "0"}}, "q = ((1+√5)/2)y₁² + ((1-√5)/2)y₂²"},
        {Form, {{"-1", "0", "1"}, {"0", "0", "-2"}, {"1", "-2", "1"}}, "q = -2y₁² + (1+√3)y₂² + (1-√3)y₃²"},
        {Form, {{"1", "1", "0"}, {"1", "0", "1"}, {"0", "1", "0"}}, "有理数でない固有値（近似値で示したもの）があるので、その固有ベクトルを正確に書けず、ここでは直交対角化を求めません。"},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        EXPECT_TRUE(c.method(GridOf(c.rows), log)) << c.line;
        EXPECT_NE(std::find(log.Lines().begin(), log.Lines().end(), c.line), log.Lines().end())
            << c.line;
    }
}

TEST(Orthogonality, Refusals) {
    const std::vector<Lines> column{{"1"}, {"2"}};
    const std::vector<Lines> wide{{"1", "2", "3"}, {"4", "5", "6"}};
    const struct {
        Method method;
        std::vector<Lines> rows;
        const char* reason;
    } cases[] = {
        {Project, column, "最後の列を b とすると残る列がないので、射影する先の部分空間がありません。"},
        {Squares, column, "最後の列を b とすると係数行列 A の列が残らないので、最小二乗法は使えません。"},
        {QrDecomposition,
         {{"1", "2"}, {"2", "4"}},
         "A の列が一次独立でない（a₂ がそれまでの列の一次結合）ので、QR 分解（Q の列が正規直交、R "
         "が正則な上三角行列）はできません。"},
        {QrDecomposition,
         {{"0", "1"}, {"0", "1"}},
         "A の列が一次独立でない（a₁ が零ベクトル）ので、QR 分解（Q の列が正規直交、R "
         "が正則な上三角行列）はできません。"},
        {Orthogonal, wide, "正方行列でないので、対角化できません。"},
        {Orthogonal,
         {{"1", "2"}, {"3", "4"}},
         "対称行列ではない（Aᵀ ≠ A）ので、直交行列では対角化できません（実行列を直交行列で対角化"
         "できるのは、対称行列のときだけです）。"},
        {Orthogonal,
         {{"1", "i"}, {"i", "1"}},
         "エルミート行列ではない（Aᴴ ≠ A）ので、ユニタリ行列では対角化できません（ユニタリ行列で"
         "対角化できるのは、正規行列 AᴴA = AAᴴ のときだけです）。"},
        {Orthogonal,
         {{"1", "1", "0"}, {"1", "0", "1"}, {"0", "1", "0"}},
         "有理数でない固有値（近似値で示したもの）があるので、その固有ベクトルを正確に書けず、"
         "ここでは直交対角化を求めません。"},
        {Orthogonal,
         {{"1", "1", "0", "0"}, {"1", "0", "0", "0"}, {"0", "0", "1", "1"}, {"0", "0", "1", "-1"}},
         "固有値に √2 と √5 の2つの平方根が現れるので、ここでは直交対角化を求めません。"},
        {Form, wide, "正方行列でないので、二次形式の行列ではありません。"},
        {Form,
         {{"1", "2"}, {"0", "1"}},
         "対称行列ではない（Aᵀ ≠ A）ので、二次形式の行列として使えません。A の代わりに (A + Aᵀ)/2 "
         "を入力すると、同じ二次形式になります。"},
        {Form, {{"1", "i"}, {"-i", "1"}}, "成分に虚数があるので、実二次形式の行列として使えません。"},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        EXPECT_FALSE(c.method(GridOf(c.rows), log)) << c.reason;
        ASSERT_FALSE(log.Lines().empty());
        EXPECT_EQ(log.Lines().back(), c.reason);
    }
}

TEST(Orthogonality, StopSeenByTheNextMatrixPrinted) {
    const CellGrid square = GridOf({{"4", "1", "0", "2"},
                                    {"1", "3", "1", "0"},
                                    {"0", "1", "5", "1"},
                                    {"2", "0", "1", "6"}});
    const CellGrid symmetric =
        GridOf({{"2", "1", "1"}, {"1", "2", "1"}, {"1", "1", "2"}});
    const std::vector<std::pair<Method, CellGrid>> runs{
        {QrDecomposition, square}, {Squares, square},    {Complement, square},
        {Project, square},         {Orthogonal, symmetric}, {Form, symmetric}};
    for (const auto& [method, grid] : runs) {
        MemoryStepLog whole;
        method(grid, whole);
        std::size_t lastMatrix = 0;
        for (std::size_t i = 0; i < whole.Lines().size(); ++i) {
            if (whole.Lines()[i].starts_with("  ( ")) lastMatrix = i;
        }
        for (std::size_t stopAt = 1; stopAt < lastMatrix; ++stopAt) {
            StopSignal stop;
            const WatchStopSignal watch(stop);
            StoppingLog log(stopAt, stop);
            EXPECT_THROW(method(grid, log), ComputationStopped) << whole.Lines()[1] << stopAt;
            EXPECT_TRUE(std::equal(log.Lines().begin(), log.Lines().end(), whole.Lines().begin()));
        }
    }
}

}  // namespace
}  // namespace korvane
