#include <gtest/gtest.h>

#include <algorithm>

#include "StoppingLog.h"
#include "TestMatrices.h"
#include "core/StopSignal.h"
#include "core/engine/Engine.h"
#include "core/engine/ResultTexts.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;
using test::StoppingLog;

enum class Op {
    kRref,
    kInverse,
    kTranspose,
    kKernel,
    kImage,
    kDet,
    kSolve,
    kSolveMany,
    kRank,
    kCharpoly,
    kEigenvalues,
    kEigenvectors,
    kDiagonalize,
};

// Runs one computation on a copy of the grid and returns the log, the grid
// afterwards and whether it reported a change.
struct Outcome {
    Lines log;
    CellGrid grid;
    bool changed = false;
};

Outcome RunOp(Op op, const CellGrid& start) {
    Engine engine;
    MemoryStepLog log;
    Outcome out{{}, start, false};
    switch (op) {
        case Op::kRref:
            out.changed = engine.ReducedRowEchelonForm(out.grid, log);
            break;
        case Op::kInverse:
            out.changed = engine.Inverse(out.grid, log);
            break;
        case Op::kTranspose:
            out.changed = engine.Transpose(out.grid, log);
            break;
        case Op::kKernel:
            engine.Kernel(out.grid, log);
            break;
        case Op::kImage:
            engine.Image(out.grid, log);
            break;
        case Op::kDet:
            engine.Determinant(out.grid, log);
            break;
        case Op::kSolve:
            engine.Solve(out.grid, log);
            break;
        case Op::kSolveMany:
            engine.Solve(out.grid, log, RightHandSides::kSeveral);
            break;
        case Op::kRank:
            engine.Rank(out.grid, log);
            break;
        case Op::kCharpoly:
            engine.CharacteristicPolynomial(out.grid, log);
            break;
        case Op::kEigenvalues:
            engine.Eigenvalues(out.grid, log);
            break;
        case Op::kEigenvectors:
            engine.Eigenvectors(out.grid, log);
            break;
        case Op::kDiagonalize:
            engine.Diagonalize(out.grid, log);
            break;
    }
    out.log = log.Lines();
    return out;
}

Lines Tail(const Lines& lines, std::size_t n) {
    return Lines(lines.end() - static_cast<std::ptrdiff_t>(n), lines.end());
}

// The closing lines of a computation on a small matrix.
TEST(Computations, ResultLines) {
    const struct {
        Op op;
        std::vector<Lines> rows;
        Lines tail;
    } cases[] = {
        {Op::kInverse, {{"0"}}, {"よって、この行列は非可逆です。"}},
        {Op::kDet, {{"0"}}, {"これは可逆行列でなかったため、行列式は0です。"}},
        {Op::kKernel, {{"0"}}, {"よってこのベクトルの核は、", "1次元ベクトル空間全体", "です。"}},
        {Op::kDet,
         {{"5"}},
         {"以上の操作の中で、行を0回入れ換え、合計1/5倍しました。", "よって、行列式は、5です。"}},
        {Op::kDet,
         {{"0", "1"}, {"1", "0"}},
         {"以上の操作の中で、行を1回入れ換え、合計1倍しました。", "よって、行列式は、-1です。"}},
        {Op::kDet,
         {{"0", "2i"}, {"1+i", "3"}},
         {"以上の操作の中で、行を1回入れ換え、合計-1/4-i/4倍しました。",
          "よって、行列式は、2-2iです。"}},
        {Op::kKernel,
         {{"0", "0", "0"}, {"0", "0", "0"}},
         {"よってこのベクトルの核は、", "3次元ベクトル空間全体", "です。"}},
        {Op::kKernel, {{"2", "1"}, {"1", "1"}}, {"よってこのベクトルの核は、", "{0}", "です。"}},
        {Op::kImage,
         {{"2", "1"}, {"1", "1"}},
         {"よってこのベクトルの像は、", "2次元ベクトル空間全体", "です。"}},
        {Op::kImage,
         {{"0", "0", "5"}},
         {"よってこのベクトルの像は、", "1次元ベクトル空間全体", "です。"}},
        // The image repeats the grid's own texts; the kernel is canonical.
        {Op::kImage,
         {{"2/4", "1"}, {"1", "3"}, {"", "0"}},
         {"よってこのベクトルの像は、", "span{(2/4,1,0),(1,3,0)}", "です。"}},
        {Op::kKernel,
         {{"2/4", "1"}, {"1", "2"}},
         {"よってこのベクトルの核は、", "span{(-2,1)}", "です。"}},
        {Op::kSolve,
         {{"1", "2", "1"}, {"2", "4", "3"}},
         {"2行目は 0 = 1 を表し、成り立たないので、", "解はありません。"}},
        // Only b's column holds a pivot: the ranks differ by it.
        {Op::kSolve,
         {{"0", "0", "1"}, {"0", "0", "0"}},
         {"係数行列 A の階数は0、拡大係数行列 (A | b) の階数は1、未知数の個数は2です。",
          "1行目は 0 = 1 を表し、成り立たないので、", "解はありません。"}},
        {Op::kSolve,
         {{"i", "1+i"}},
         {"x = (1-i)", "です。",
          "検算：x = (1-i) を代入すると、Ax = (1+i) となり、b に一致します。"}},
        {Op::kSolve,
         {{"0", "0", "0"}},
         {"x = (0,0) + t1(1,0) + t2(0,1)", "です。",
          "すなわち、解の全体は (0,0) + span{(1,0),(0,1)} です。",
          "検算：t1 = t2 = 0 とした解 x = (0,0) を代入すると、Ax = (0) となり、b に一致します。",
          "また、span{(1,0),(0,1)} を張るベクトルを代入すると、", "A(1,0) = (0)", "A(0,1) = (0)",
          "となり、どれも 0 なので、span{(1,0),(0,1)} の各ベクトル v は Av = 0 を満たします。"}},
        // Each right-hand side on its own, then X when every one is unique.
        {Op::kSolveMany,
         {{"2", "0", "2", "4"}, {"0", "4", "4", "8"}},
         {"よって、AX = B の解は、", "  ( 1 2 )", "  ( 1 2 )", "です。"}},
        {Op::kSolveMany,
         {{"1", "1", "1", "2"}, {"1", "1", "2", "2"}},
         {"2行目は 0 = 1 を表し、成り立たないので、", "解はありません。",
          "B の2列目を b2 として、Ax = b2 を解きます。拡大係数行列 (A | b2) の階数は1です。",
          "階数がどちらも1で、未知数の個数2より小さいので、", "解は無数にあります。",
          "自由変数 x2 を t1（任意の数）とおくと、解は、", "x = (2,0) + t1(-1,1)", "です。",
          "すなわち、解の全体は (2,0) + span{(-1,1)} です。",
          "検算：t1 = 0 とした解 x = (2,0) を代入すると、Ax = (2,2) となり、b2 に一致します。",
          "また、span{(-1,1)} を張るベクトルを代入すると、", "A(-1,1) = (0,0)",
          "となり、どれも 0 なので、span{(-1,1)} の各ベクトル v は Av = 0 を満たします。",
          "よって、b1 について解がないので、AX = B の解 X はありません。"}},
        {Op::kSolveMany,
         {{"1", "1", "2", "3"}, {"1", "1", "2", "3"}},
         {"よって、どの列にも解があり、その解が無数にあるので、AX = B の解 X は無数にあります。X "
          "の各列は上で求めたその列の解で、任意の数 t1 は列ごとに別々にとります。"}},
        {Op::kRank,
         {{"0", "0", "0"}},
         {"先頭の1はどこにもありません。", "よって、階数は、0です。",
          "列の数は3なので、核の次元（退化次数）は、3 - 0 = 3です。",
          "次元定理のとおり、階数と退化次数の和は列の数に等しくなります（0 + 3 = 3）。"}},
        {Op::kRank,
         {{"1", "2", "0"}, {"0", "0", "i"}},
         {"先頭の1は、1列目、3列目の2か所にあります。", "よって、階数は、2です。",
          "列の数は3なので、核の次元（退化次数）は、3 - 2 = 1です。",
          "次元定理のとおり、階数と退化次数の和は列の数に等しくなります（2 + 1 = 3）。"}},
        {Op::kCharpoly,
         {{"5"}},
         {"p₁(λ) = (λ - 5)p₀(λ) = λ - 5", "よって、固有多項式は、", "det(λI - A) = λ - 5",
          "です。"}},
        // Terms whose product of entries is zero are left out.
        {Op::kCharpoly,
         {{"1", "2", "3"}, {"0", "4", "5"}, {"6", "0", "7"}},
         {"p₃(λ) = (λ - 4)p₂(λ) - 60p₀(λ) = λ^3 - 12λ^2 + 21λ - 16", "よって、固有多項式は、",
          "det(λI - A) = λ^3 - 12λ^2 + 21λ - 16", "です。"}},
        {Op::kCharpoly,
         {{"1/2", "i"}, {"i", "0"}},
         {"p₂(λ) = λp₁(λ) + p₀(λ) = λ^2 - (1/2)λ + 1", "よって、固有多項式は、",
          "det(λI - A) = λ^2 - (1/2)λ + 1", "です。"}},
        {Op::kEigenvalues,
         {{"0", "-1"}, {"1", "0"}},
         {"det(λI - A) = (λ + i)(λ - i)", "です。", "よって、固有値は、", "λ = -i（代数的重複度1）",
          "λ = i（代数的重複度1）", "です。"}},
        {Op::kEigenvalues,
         {{"2", "0", "0"}, {"0", "0", "-3"}, {"0", "1", "0"}},
         {"det(λI - A) = (λ - 2)(λ^2 + 3)", "です。", "よって、複素有理数の固有値は、",
          "λ = 2（代数的重複度1）", "です。",
          "因数 λ^2 + 3 は複素有理数の範囲ではこれ以上因数分解できないので、λ^2 + 3 = 0 "
          "を解の公式で解くと、",
          "λ = i√3（代数的重複度1）", "λ = -i√3（代数的重複度1）", "です。"}},
        // An irreducible cubic stays approximate.
        {Op::kEigenvalues,
         {{"0", "0", "1"}, {"1", "0", "0"}, {"0", "1", "1"}},
         {"複素有理数の固有値はありません。",
          "因数 λ^3 - λ^2 - 1 は複素有理数の範囲ではこれ以上因数分解できないので、その根である"
          "固有値は近似値（有効数字15桁）で示します。",
          "λ ≈ -0.232785615938384 - 0.792551992515448i（近似値、代数的重複度1）",
          "λ ≈ -0.232785615938384 + 0.792551992515448i（近似値、代数的重複度1）",
          "λ ≈ 1.46557123187677（近似値、代数的重複度1）"}},
        // A quadratic over Q(i) whose discriminant 24i has the root 2(1+i)√3.
        {Op::kEigenvalues,
         {{"0", "6i"}, {"1", "0"}},
         {"λ = (1+i)√3（代数的重複度1）", "λ = -(1+i)√3（代数的重複度1）", "です。"}},
        // √(1+i) needs a root inside a root: approximated.
        {Op::kEigenvalues,
         {{"0", "1+i"}, {"1", "0"}},
         {"λ ≈ -1.09868411346781 - 0.455089860562227i（近似値、代数的重複度1）",
          "λ ≈ 1.09868411346781 + 0.455089860562227i（近似値、代数的重複度1）"}},
        {Op::kEigenvectors,
         {{"0", "0"}, {"0", "0"}},
         {"よって、A の核は、", "2次元ベクトル空間全体", "です。",
          "固有値 λ = 0 の固有ベクトルは、この核の 0 "
          "でないベクトルです。幾何的重複度（固有空間の次元）は2です。"}},
        {Op::kDiagonalize,
         {{"3", "1"}, {"0", "3"}},
         {"固有値 λ = 3 の幾何的重複度1が代数的重複度2より小さいので、",
          "この行列は対角化できません。"}},
        // ±i√2: P and D with surds, checked by P⁻¹AP.
        {Op::kDiagonalize,
         {{"0", "-2"}, {"1", "0"}},
         {"P の逆行列は、", "  ( -i√2/4 1/2 )", "  ( i√2/4  1/2 )", "です。",
          "検算として P^-1AP を計算すると、", "  ( i√2 0    )", "  ( 0   -i√2 )",
          "となり、D に一致します。"}},
        // (x² − 2)² with a single Jordan-like coupling: each root's eigenspace too small.
        {Op::kDiagonalize,
         {{"0", "2", "1", "0"}, {"1", "0", "0", "1"}, {"0", "0", "0", "2"}, {"0", "0", "1", "0"}},
         {"固有値 λ = √2 の幾何的重複度1が代数的重複度2より小さいので、",
          "この行列は対角化できません。"}},
        // The cube roots of 2: diagonalisable over C only.
        {Op::kDiagonalize,
         {{"0", "0", "2"}, {"1", "0", "0"}, {"0", "1", "0"}},
         {"固有値の中に複素有理数でないもの（近似値で示したもの）があるので、",
          "この行列は、複素有理数の範囲では対角化できません。",
          "なお、固有多項式の相異なる既約因数をすべて掛けた多項式を s(λ) とすると、",
          "s(λ) = λ^3 - 2", "です。A が複素数の範囲で対角化できるのは、s(A) = O となるとき、"
          "かつそのときに限ります。", "s(A) を計算すると、", "  ( 0 0 0 )", "  ( 0 0 0 )",
          "  ( 0 0 0 )", "となり、s(A) = O なので、この行列は複素数の範囲では対角化できます。"}},
        // (x³ − 2)² with a coupling between its two companion blocks: not even over C.
        {Op::kDiagonalize,
         {{"0", "0", "2", "0", "0", "1"},
          {"1", "0", "0", "0", "0", "0"},
          {"0", "1", "0", "0", "0", "0"},
          {"0", "0", "0", "0", "0", "2"},
          {"0", "0", "0", "1", "0", "0"},
          {"0", "0", "0", "0", "1", "0"}},
         {"s(λ) = λ^3 - 2", "です。A が複素数の範囲で対角化できるのは、s(A) = O となるとき、"
          "かつそのときに限ります。", "s(A) を計算すると、", "  ( 0 0 0 1 0 0 )",
          "  ( 0 0 0 0 1 0 )", "  ( 0 0 0 0 0 1 )", "  ( 0 0 0 0 0 0 )", "  ( 0 0 0 0 0 0 )",
          "  ( 0 0 0 0 0 0 )",
          "となり、(1,4)成分が0でないので s(A) ≠ O です。よって、この行列は複素数の範囲でも対角化"
          "できません。"}},
        // √2 and √3 at once: P⁻¹ needs both, so AP = PD column by column.
        {Op::kDiagonalize,
         {{"0", "2", "0", "0"}, {"1", "0", "0", "0"}, {"0", "0", "0", "3"}, {"0", "0", "1", "0"}},
         {"となり、AP = PD です。P の列は異なる固有値の固有空間の基底を並べたもので一次独立なので、"
          "P は正則で、P^-1AP = D が成り立ちます。"}},
    };
    for (const auto& c : cases) {
        const Outcome out = RunOp(c.op, GridOf(c.rows));
        ASSERT_GE(out.log.size(), c.tail.size());
        EXPECT_EQ(Tail(out.log, c.tail.size()), c.tail) << c.tail.back();
    }
}

TEST(Computations, ZeroMatrixImageTakesTheShortcut) {
    const Outcome out = RunOp(Op::kImage, GridOf({{"0", "0", "0"}, {"0", "0", "0"}}));
    EXPECT_EQ(out.log, (Lines{"  ( 0 0 0 )", "  ( 0 0 0 )", "この行列は零行列です。",
                              "よってこのベクトルの像は、", "{0}", "です。"}));
}

TEST(Computations, RrefHasNoIntroduction) {
    const Outcome out = RunOp(Op::kRref, GridOf({{"1", "0"}, {"0", "1"}}));
    EXPECT_EQ(out.log, (Lines{"  ( 1 0 )", "  ( 0 1 )", "これで、行階段基本形になりました。"}));
    EXPECT_TRUE(out.changed);
}

TEST(Computations, RefusalsLeaveTheGridAlone) {
    const CellGrid wide = GridOf({{"1", "2", "3"}, {"4", "5", "6"}});
    const CellGrid singular = GridOf({{"1", "2"}, {"2", "4"}});

    Outcome out = RunOp(Op::kInverse, wide);
    EXPECT_EQ(out.log, (Lines{"正方行列でないので、逆行列はありません。"}));
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(out.grid, wide);

    out = RunOp(Op::kInverse, singular);
    EXPECT_EQ(out.log.back(), "よって、この行列は非可逆です。");
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(out.grid, singular);
}

// The later commands change no grid, and refuse shapes they cannot use
// with one sentence.
TEST(Computations, LaterCommandsRefuseAndNeverChangeTheGrid) {
    const CellGrid wide = GridOf({{"1", "2", "3"}, {"4", "5", "6"}});
    const CellGrid column = GridOf({{"1"}, {"2"}});
    const struct {
        Op op;
        const CellGrid& grid;
        const char* refusal;
    } cases[] = {
        {Op::kSolve, column, "列が1つだけなので、係数行列と右辺に分けられません。"},
        {Op::kSolveMany, column,
         "列の数が行の数より多くないので、正方行列 A と右辺 B に分けられません。"},
        {Op::kCharpoly, wide, "正方行列でないので、固有多項式はありません。"},
        {Op::kEigenvalues, wide, "正方行列でないので、固有値はありません。"},
        {Op::kEigenvectors, wide, "正方行列でないので、固有ベクトルはありません。"},
        {Op::kDiagonalize, wide, "正方行列でないので、対角化できません。"},
    };
    for (const auto& c : cases) {
        const Outcome out = RunOp(c.op, c.grid);
        EXPECT_EQ(out.log, (Lines{c.refusal}));
        EXPECT_EQ(out.grid, c.grid);
    }
    for (Op op : {Op::kSolve, Op::kSolveMany, Op::kRank, Op::kDiagonalize}) {
        const CellGrid square = GridOf({{"2", "1"}, {"1", "2"}});
        EXPECT_EQ(RunOp(op, square).grid, square);
    }
}

TEST(Computations, NonSquareDeterminantAddsBelowThePreviousLog) {
    Engine engine;
    MemoryStepLog log;
    CellGrid grid = GridOf({{"1", "2", "3"}});
    engine.Transpose(grid, log);  // now 3 rows, 1 column
    const std::size_t before = log.Lines().size();
    engine.Determinant(grid, log);
    ASSERT_EQ(log.Lines().size(), before + 1);
    EXPECT_EQ(log.Lines().back(), "正方行列でないので、行列式はありません。");
}

// The window keeps one engine and one log for every command it runs.
TEST(Computations, OneEngineAndLogServeCommandAfterCommand) {
    Engine engine;
    MemoryStepLog log;
    const CellGrid two = GridOf({{"2"}});
    for (int run = 0; run < 2; ++run) {
        engine.Determinant(two, log);
        EXPECT_EQ(log.Lines().back(), "よって、行列式は、2です。") << "run " << run;
    }
    CellGrid grid = GridOf({{"1", "2"}});
    engine.Transpose(grid, log);
    EXPECT_EQ(log.Lines(), (Lines{"  ( 1 2 )", "この行列を転置します。", "  ( 1 )", "  ( 2 )"}));
}

TEST(Computations, TransposeTurnsTheShapeAndCanonicalisesTexts) {
    const Outcome out = RunOp(Op::kTranspose, GridOf({{"2/4", "i2", "3"}, {"4", "5", "6/1"}}));
    EXPECT_TRUE(out.changed);
    EXPECT_EQ(out.log[2], "この行列を転置します。");
    CellGrid expected = GridOf({{"1/2", "4"}, {"2i", "5"}, {"3", "6"}});
    expected.SetCell(2, 0, "3");  // outside the new size: the old text stays
    expected.SetCell(2, 1, "6/1");
    EXPECT_EQ(out.grid, expected);
}

TEST(Computations, ExactBeyondSixtyFourBits) {
    const Outcome out = RunOp(Op::kDet, GridOf({{"4294967296", "1"}, {"1", "4294967296"}}));
    EXPECT_EQ(out.log.back(), "よって、行列式は、18446744073709551615です。");
}

// A log that fails part-way, as a full disk or a closed pane might.
class FailingLog : public MemoryStepLog {
  public:
    explicit FailingLog(std::size_t failAt) : failAt_(failAt) {}
    void AppendStepLog(std::string_view line) override {
        if (Lines().size() == failAt_) throw Error("log failed");
        MemoryStepLog::AppendStepLog(line);
    }

  private:
    std::size_t failAt_;
};

TEST(Computations, FailureMidwayLeavesTheGridAsItWas) {
    const CellGrid start = GridOf({{"2", "4", "1"}, {"1", "3", "0"}, {"5", "0", "1"}});
    for (std::size_t failAt = 0; failAt < 30; ++failAt) {
        for (Op op : {Op::kRref, Op::kInverse, Op::kTranspose}) {
            Engine engine;
            FailingLog log(failAt);
            CellGrid grid = start;
            bool threw = false;
            try {
                if (op == Op::kRref) engine.ReducedRowEchelonForm(grid, log);
                if (op == Op::kInverse) engine.Inverse(grid, log);
                if (op == Op::kTranspose) engine.Transpose(grid, log);
            } catch (const Error&) {
                threw = true;
            }
            if (threw) {
                EXPECT_EQ(grid, start);
                EXPECT_EQ(log.Lines().size(), failAt);
            }
        }
    }
}

// A stop during the reduction ends the command with the grid untouched and the
// log a prefix of the whole; one after the last step may let it finish, but
// then whole.
TEST(Computations, StopAtAnyPointLeavesNoHalfWrittenGrid) {
    const CellGrid start = GridOf({{"2", "4", "1"}, {"1", "3", "0"}, {"5", "0", "1"}});
    for (Op op : {Op::kRref, Op::kInverse, Op::kDet}) {
        const Outcome whole = RunOp(op, start);
        const auto closing =
            std::find(whole.log.begin(), whole.log.end(), "これで、行階段基本形になりました。");
        for (std::size_t stopAt = 1; stopAt <= whole.log.size(); ++stopAt) {
            StopSignal stop;
            const WatchStopSignal watch(stop);
            StoppingLog log(stopAt, stop);
            Outcome out{{}, start, false};
            Engine engine;
            bool stopped = false;
            try {
                if (op == Op::kRref) out.changed = engine.ReducedRowEchelonForm(out.grid, log);
                if (op == Op::kInverse) out.changed = engine.Inverse(out.grid, log);
                if (op == Op::kDet) engine.Determinant(out.grid, log);
            } catch (const ComputationStopped&) {
                stopped = true;
            }
            out.log = log.Lines();
            if (stopAt < static_cast<std::size_t>(closing - whole.log.begin())) {
                EXPECT_TRUE(stopped) << stopAt;
            }
            if (stopped) {
                EXPECT_EQ(out.grid, start);
                ASSERT_LT(out.log.size(), whole.log.size());
                EXPECT_TRUE(std::equal(out.log.begin(), out.log.end(), whole.log.begin()));
            } else {
                EXPECT_EQ(out.grid, whole.grid);
                EXPECT_EQ(out.log, whole.log);
            }
        }
    }
}

TEST(ResultTextsTest, ParitySign) {
    EXPECT_EQ(ParitySign(0), (ComplexFraction{{1, 1}, {0, 1}}));
    EXPECT_EQ(ParitySign(3), (ComplexFraction{{-1, 1}, {0, 1}}));
    EXPECT_EQ(ParitySign(-1), (ComplexFraction{{-1, 1}, {0, 1}}));
    EXPECT_EQ(ParitySign(10), (ComplexFraction{{1, 1}, {0, 1}}));
}

}  // namespace
}  // namespace korvane
