// The Jordan workings: worked examples line by line, refusals, and a stop
// seen at the latest by the next matrix printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "Golden.h"
#include "StoppingLog.h"
#include "TestMatrices.h"
#include "core/StopSignal.h"
#include "core/jordan/JordanCommands.h"
#include "core/jordan/RecurrenceReader.h"
#include "core/jordan/RecurrenceWorking.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;
using test::StoppingLog;

using Command = std::function<bool(const CellGrid&, StepLog&)>;

bool Power(const CellGrid& grid, StepLog& log) {
    return PowerClosedForm(grid, log);
}
bool Exponential(const CellGrid& grid, StepLog& log) {
    return MatrixExponential(grid, std::nullopt, log);
}
bool Recurrence(const char* text, StepLog& log) {
    return LinearRecurrence(ReadRecurrence(text), log);
}

const struct {
    const char* golden;
    Command command;
    std::vector<Lines> rows;
} kExamples[] = {
    {"jordan-3x3.log", JordanNormalForm, {{"3", "1", "-1"}, {"0", "2", "0"}, {"1", "1", "1"}}},
    {"power-2x2.log", Power, {{"1", "1"}, {"-1", "3"}}},
    {"exp-2x2.log", Exponential, {{"1", "-2"}, {"2", "1"}}},
    {"minpoly-3x3.log", MinimalPolynomial, {{"2", "0", "0"}, {"0", "2", "0"}, {"0", "0", "3"}}},
    {"power-2x2-surd.log", Power, {{"2", "1"}, {"1", "1"}}},
};

TEST(Jordan, WorkedExamples) {
    for (const auto& example : kExamples) {
        MemoryStepLog log;
        EXPECT_TRUE(example.command(GridOf(example.rows), log)) << example.golden;
        EXPECT_EQ(log.Lines(), test::GoldenLines(example.golden)) << example.golden;
    }
    MemoryStepLog log;
    EXPECT_TRUE(Recurrence("a(n+2)=4a(n+1)-4a(n); a(0)=1; a(1)=3", log));
    EXPECT_EQ(log.Lines(), test::GoldenLines("recurrence-second-order.log"));
    MemoryStepLog fibonacci;
    EXPECT_TRUE(Recurrence("a(n+2)=a(n+1)+a(n); a(0)=0; a(1)=1", fibonacci));
    EXPECT_EQ(fibonacci.Lines(), test::GoldenLines("recurrence-fibonacci.log"));
}

// Lines a working must hold, beside the golden ones: the block sizes from
// the ranks, a nilpotent part, x(t), a power for one n.
TEST(Jordan, KeyLines) {
    const struct {
        Command command;
        std::vector<Lines> rows;
        std::vector<std::string> lines;
    } cases[] = {
        // One block of size 3 and one of size 1 for λ = 0: ranks 2, 1, 0.
        {JordanNormalForm,
         {{"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "0"}, {"0", "0", "0", "0"}},
         {"大きさ1のジョルダン細胞の個数は、(r₀ - r₁) - (r₁ - r₂) = (4 - 2) - (2 - 1) = 1です。",
          "大きさ3のジョルダン細胞の個数は、(r₂ - r₃) - (r₃ - r₄) = (1 - 0) - (0 - 0) = 1です。",
          "ジョルダン細胞は、J(0, 3), J(0, 1)（J(λ, k) は固有値 λ の大きさ k の細胞）です。",
          "となり、J に一致します。"}},
        {Power,
         {{"0", "1"}, {"0", "0"}},
         {"  ( 0 0 )",
          "です。固有値 0 の細胞の項 C(n,j)0^(n-j) は n ≥ 2 で 0 なので、この式は n ≥ 2 で成り立ちます。",
          "n < 2 では、固有値 0 の細胞の項 C(n,j)0^(n-j)（n = j のとき 1）も加えます。"}},
        {[](const CellGrid& g, StepLog& l) { return MatrixExponential(g, ExactVector{CpxOne(), CpxZero()}, l); },
         {{"0", "-1"}, {"1", "0"}},
         {"x' = Ax, x(0) = (1,0) の解は x(t) = e^(tA)x(0) なので、", "  ( cos(t) )", "  ( sin(t) )"}},
        {[](const CellGrid& g, StepLog& l) { return PowerOfMatrix(g, -2, l); },
         {{"2", "0"}, {"0", "1/2"}},
         {"A^-2 =", "  ( 1/4 0 )", "  ( 0   4 )"}},
        {[](const CellGrid& g, StepLog& l) { return PowerOfMatrix(g, 0, l); },
         {{"5", "7"}, {"1", "2"}},
         {"A^0 = I です。", "  ( 1 0 )", "  ( 0 1 )"}},
        // The factor without roots in Q(i) has its exponent too.
        {MinimalPolynomial,
         {{"0", "2", "0"}, {"1", "0", "0"}, {"0", "0", "1"}},
         {"m(λ) = (λ - 1)(λ^2 - 2) = λ^3 - λ^2 - 2λ + 2", "となり、m(A) = O です。"}},
        // Quadratic eigenvalues: exact roots, blocks of size 2 for ±√2,
        // with a rational eigenvalue beside them.
        {JordanNormalForm,
         {{"0", "2", "1", "0", "0"}, {"1", "0", "0", "1", "0"}, {"0", "0", "0", "2", "0"},
          {"0", "0", "1", "0", "0"}, {"0", "0", "0", "0", "3"}},
         {"λ = √2（代数的重複度2）", "λ = -√2（代数的重複度2）",
          "大きさ2のジョルダン細胞の個数は、(r₁ - r₂) - (r₂ - r₃) = (4 - 3) - (3 - 3) = 1です。",
          "ジョルダン細胞は、J(3, 1), J(√2, 2), J(-√2, 2)（J(λ, k) は固有値 λ の大きさ k の細胞）です。",
          "となり、J に一致します。"}},
        // A real matrix with λ = 1 ± i√2: the cos/sin form stays exact.
        {[](const CellGrid& g, StepLog& l) { return MatrixExponential(g, ExactVector{CpxOne(), CpxZero()}, l); },
         {{"1", "-2"}, {"1", "1"}},
         {"  ( e^t·cos(√2·t)      -√2·e^t·sin(√2·t) )", "  ( √2/2·e^t·sin(√2·t) e^t·cos(√2·t)     )",
          "  ( e^t·cos(√2·t)      )", "  ( √2/2·e^t·sin(√2·t) )"}},
        // The roots of a quadratic over Q(i) that is not real.
        {Power,
         {{"0", "3i"}, {"1", "0"}},
         {"λ = (1+i)√6/2（代数的重複度1）", "λ = -(1+i)√6/2（代数的重複度1）"}},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        EXPECT_TRUE(c.command(GridOf(c.rows), log)) << c.lines.front();
        for (const std::string& line : c.lines) {
            EXPECT_NE(std::find(log.Lines().begin(), log.Lines().end(), line), log.Lines().end())
                << line;
        }
    }
}

TEST(Jordan, Refusals) {
    const std::vector<Lines> wide{{"1", "2", "3"}, {"4", "5", "6"}};
    const std::vector<Lines> irrational{{"0", "0", "2"}, {"1", "0", "0"}, {"0", "1", "0"}};  // λ^3 = 2
    const std::vector<Lines> twoRoots{{"0", "2", "0", "0"}, {"1", "0", "0", "0"}, {"0", "0", "0", "3"},
                                      {"0", "0", "1", "0"}};  // ±√2, ±√3
    const auto x0 = [](const CellGrid& g, StepLog& l) {
        return MatrixExponential(g, ExactVector{CpxOne()}, l);
    };
    const auto huge = [](const CellGrid& g, StepLog& l) { return PowerOfMatrix(g, 1000001, l); };
    const auto singular = [](const CellGrid& g, StepLog& l) { return PowerOfMatrix(g, -1, l); };
    const struct {
        Command command;
        std::vector<Lines> rows;
        const char* reason;
    } cases[] = {
        {JordanNormalForm, wide, "正方行列でないので、ジョルダン標準形はありません。"},
        {Power, wide, "正方行列でないので、A^n を求められません。"},
        {Exponential, wide, "正方行列でないので、e^(tA) を求められません。"},
        {MinimalPolynomial, wide, "正方行列でないので、最小多項式はありません。"},
        {JordanNormalForm, irrational,
         "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、ここではジョルダン標準形を"
         "求められません。"},
        {Power, irrational,
         "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、ここでは A^n "
         "の式を求められません。"},
        {Exponential, irrational,
         "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、ここでは e^(tA) "
         "の式を求められません。"},
        {JordanNormalForm, twoRoots,
         "固有値に √3 と √2 の2つの平方根が現れるので、ここではジョルダン標準形を求められません。"},
        {Exponential, twoRoots, "固有値に √3 と √2 の2つの平方根が現れるので、ここでは e^(tA) の式を求められません。"},
        {x0, irrational, "初期値 x(0) の成分の個数が行列の次数と違うので、x(t) を求められません。"},
        {huge, irrational, "指数の絶対値が1000000を超えるので、計算しません。"},
        {singular, {{"1", "2"}, {"2", "4"}}, "A は正則でないので、A^-1 はありません。"},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        EXPECT_FALSE(c.command(GridOf(c.rows), log)) << c.reason;
        ASSERT_FALSE(log.Lines().empty());
        EXPECT_EQ(log.Lines().back(), c.reason);
    }
    MemoryStepLog log;
    EXPECT_FALSE(Recurrence("a(n+3)=2a(n); a(0)=0; a(1)=1; a(2)=1", log));
    EXPECT_EQ(log.Lines().back(),
              "固有値の中に複素有理数でないもの（近似値で示したもの）があるので、ここでは一般項を"
              "求められません。");
}

TEST(Jordan, StopSeenByTheNextMatrixPrinted) {
    const CellGrid grid = GridOf({{"3", "1", "-1", "0"}, {"0", "2", "0", "1"}, {"1", "1", "1", "0"},
                                  {"0", "0", "0", "2"}});
    const Command commands[] = {JordanNormalForm, Power, Exponential, MinimalPolynomial};
    for (const Command& command : commands) {
        MemoryStepLog whole;
        ASSERT_TRUE(command(grid, whole));
        std::size_t lastMatrix = 0;
        for (std::size_t i = 0; i < whole.Lines().size(); ++i) {
            if (whole.Lines()[i].starts_with("  ( ")) lastMatrix = i;
        }
        for (std::size_t stopAt = 1; stopAt < lastMatrix; stopAt += 7) {
            StopSignal stop;
            const WatchStopSignal watch(stop);
            StoppingLog log(stopAt, stop);
            EXPECT_THROW(command(grid, log), ComputationStopped) << stopAt;
            EXPECT_TRUE(std::equal(log.Lines().begin(), log.Lines().end(), whole.Lines().begin()));
        }
    }
}

}  // namespace
}  // namespace korvane
