// The commands on a matrix with a parameter: classic exercises against their
// printed answers, worked examples line by line, and the cases' conditions.
#include <algorithm>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Golden.h"
#include "TestMatrices.h"
#include "core/StopSignal.h"
#include "core/engine/Engine.h"
#include "core/parameter/ParameterCase.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

enum class Command { kRank, kDet, kSolve, kSolveMany, kInverse, kKernel, kImage };

MemoryStepLog Logged(Command command, CellGrid grid) {
    MemoryStepLog log;
    Engine engine;
    switch (command) {
        case Command::kRank: engine.Rank(grid, log); break;
        case Command::kDet: engine.Determinant(grid, log); break;
        case Command::kSolve: engine.Solve(grid, log); break;
        case Command::kSolveMany: engine.Solve(grid, log, RightHandSides::kSeveral); break;
        case Command::kInverse: engine.Inverse(grid, log); break;
        case Command::kKernel: engine.Kernel(grid, log); break;
        case Command::kImage: engine.Image(grid, log); break;
    }
    return log;
}

struct Exercise {
    const char* source;
    Command command;
    std::vector<Lines> rows;
    std::string summary;  // the answer printed with the exercise, as the log sums it up
};

// Each exercise's printed answer, in the summary's words.
const std::vector<Exercise> kExercises = {
    {"imathworks.com, 'For what values of k will these equations have no solution': "
     "x-2y+z=7, x-2y-kz=k, kx-2y+kz=7; answer k=-1 none, k=1 infinitely many, else unique",
     Command::kSolve,
     {{"1", "-2", "1", "7"}, {"1", "-2", "-k", "k"}, {"k", "-2", "k", "7"}},
     "まとめると、k ≠ 1, -1 のときただ一つの解 x = ((k-7)/(k+1),-7/2,-(k-7)/(k+1))、"
     "k = -1 のとき解なし、k = 1 のとき解は無数（自由変数 1 個）。"},
    {"David Austin, Understanding Linear Algebra, 1.4 Exercise 6(a) (read in "
     "github.com/davidaustinm/ula src/exercises/exercises1-4.xml): -x+2y=3, 2x-4y=k; "
     "consistent only when k=-6, and then never unique",
     Command::kSolve,
     {{"-1", "2", "3"}, {"2", "-4", "k"}},
     "まとめると、k ≠ -6 のとき解なし、k = -6 のとき解は無数（自由変数 1 個）。"},
    {"David Austin, Understanding Linear Algebra, 2.1 Exercise 6 (exercises2-1.xml): "
     "(k,-2,5) is a combination of (3,-1,1) and (1,1,2) only for k=10",
     Command::kSolve,
     {{"3", "1", "k"}, {"-1", "1", "-2"}, {"1", "2", "5"}},
     "まとめると、k ≠ 10 のとき解なし、k = 10 のときただ一つの解 x = (3,1)。"},
    {"imathworks.com / math.techqa.club 2479483, '[2 2 0|2; 0 k 1|1; 1 2 k|2]': unique for "
     "k ≠ ±1; k=1 infinitely many, k=-1 none",
     Command::kSolve,
     {{"2", "2", "0", "2"}, {"0", "k", "1", "1"}, {"1", "2", "k", "2"}},
     "まとめると、k ≠ 1, -1 のときただ一つの解 x = (k/(k+1),1/(k+1),1/(k+1))、"
     "k = 1 のとき解は無数（自由変数 1 個）、k = -1 のとき解なし。"},
    {"imathworks.com, x+y-z=-1, 2x-4y-6z=-1, x-y+(k^2-1)z=k: det -6k^2-8 never 0 for real k, "
     "so unique; at its complex zeros ±2i√3/3 the system has no solution",
     Command::kSolve,
     {{"1", "1", "-1", "-1"}, {"2", "-4", "-6", "-1"}, {"1", "-1", "k^2-1", "k"}},
     "まとめると、k ≠ 2i√3/3, -2i√3/3 のときただ一つの解 x = (-5k(k-2)/(2(3k^2+4)),"
     "-(k+2)^2/(2(3k^2+4)),(3k+2)/(3k^2+4))、k = 2i√3/3 のとき解なし、k = -2i√3/3 のとき解なし。"},
    {"x+ay=1, ax+2y=1 (our own): det 2-a^2, no solution at a = ±√2, one elsewhere",
     Command::kSolve,
     {{"1", "a", "1"}, {"a", "2", "1"}},
     "まとめると、a ≠ √2, -√2 のときただ一つの解 x = ((a-2)/(a^2-2),(a-1)/(a^2-2))、"
     "a = √2 のとき解なし、a = -√2 のとき解なし。"},
    {"[[1,a,0],[a,1,a],[0,a,1]] (our own): det 1-2a^2, rank 2 at a = ±√2/2, else 3; the "
     "pivot a splits off a = 0 first",
     Command::kRank,
     {{"1", "a", "0"}, {"a", "1", "a"}, {"0", "a", "1"}},
     "まとめると、a ≠ 0, √2/2, -√2/2 のとき階数 3、a = √2/2 のとき階数 2、a = -√2/2 のとき階数 2、"
     "a = 0 のとき階数 3。"},
    {"[[1,a],[a^2,2]] (our own): det 2-a^3, whose roots need a cube root: named, not followed",
     Command::kRank,
     {{"1", "a"}, {"a^2", "2"}},
     "まとめると、a^3 - 2 ≠ 0 のとき階数 2、a が a^3 - 2 = 0 の解のときは調べていません。"},
    {"[[1,a],[a,1+i]] (our own): det 1+i-a^2, whose roots need a root inside a root",
     Command::kKernel,
     {{"1", "a"}, {"a", "1+i"}},
     "まとめると、a^2 - (1+i) ≠ 0 のとき核の次元 0、a が a^2 - (1+i) = 0 の解のときは調べていません。"},
    {"JEE Main 2025 (cdquestions.com): det [[k,1,1],[1,k,1],[1,1,k]] = (k-1)^2(k+2)",
     Command::kDet,
     {{"k", "1", "1"}, {"1", "k", "1"}, {"1", "1", "k"}},
     "まとめると、すべての k について行列式 (k-1)^2(k+2)。"},
    {"Robert Beezer, A First Course in Linear Algebra, Section DM Exercise M16 (read in "
     "github.com/rbeezer/fcla src/section-DM.xml): det B = 8x-2x^2-x^3 = -x(x-2)(x+4)",
     Command::kDet,
     {{"4-x", "-4", "-4"}, {"2", "-2-x", "-4"}, {"3", "-3", "-4-x"}},
     "まとめると、すべての x について行列式 -x(x-2)(x+4)。"},
    {"David Austin, Understanding Linear Algebra, 2.4 Exercise 9 (exercises2-4.xml): "
     "(2,0,1), (4,-2,-1), (0,2,k) dependent exactly for k=3",
     Command::kRank,
     {{"2", "4", "0"}, {"0", "-2", "2"}, {"1", "-1", "k"}},
     "まとめると、k ≠ 3 のとき階数 3、k = 3 のとき階数 2。"},
    {"the same matrix with its columns reversed, the classic rank question: a=1 rank 1, "
     "a=-2 rank 2, else 3",
     Command::kRank,
     {{"1", "1", "a"}, {"1", "a", "1"}, {"a", "1", "1"}},
     "まとめると、a ≠ 1, -2 のとき階数 3、a = -2 のとき階数 2、a = 1 のとき階数 1。"},
    {"AX = I for A = [[1,a],[a,1]] (our own): X is A's inverse, none where det 1-a^2 is 0",
     Command::kSolveMany,
     {{"1", "a", "1", "0"}, {"a", "1", "0", "1"}},
     "まとめると、a ≠ 1, -1 のときただ一つの解 X、a = 1 のとき解なし、a = -1 のとき解なし。"},
    {"the same family: the inverse exists exactly where the determinant (a-1)^2(a+2) is not 0",
     Command::kInverse,
     {{"a", "1", "1"}, {"1", "a", "1"}, {"1", "1", "a"}},
     "まとめると、a ≠ 1, -2 のとき逆行列あり、a = -2 のとき逆行列なし、a = 1 のとき逆行列なし。"},
    {"[[t,1],[1,t]]: singular at t = ±1, where its kernel is a line",
     Command::kKernel,
     {{"t", "1"}, {"1", "t"}},
     "まとめると、t ≠ 1, -1 のとき核の次元 0、t = 1 のとき核の次元 1、t = -1 のとき核の次元 1。"},
    {"a rank-one family: every row a multiple of (1, 2, a), whatever a is",
     Command::kImage,
     {{"1", "2", "a"}, {"2", "4", "2a"}, {"a", "2a", "a^2"}},
     "まとめると、すべての a について像の次元 1。"},
    {"an entry undefined at a = 1: the value is left out before any case",
     Command::kDet,
     {{"1", "1/(a-1)"}, {"0", "a"}},
     "まとめると、a ≠ 1 のとき行列式 a、a = 1 のとき行列は定まりません。"},
};

TEST(CaseAnalysis, ClassicExercisesGiveTheirPrintedAnswers) {
    for (const Exercise& e : kExercises) {
        const MemoryStepLog log = Logged(e.command, GridOf(e.rows));
        ASSERT_FALSE(log.Lines().empty()) << e.source;
        EXPECT_EQ(log.Lines().back(), e.summary) << e.source;
    }
}

TEST(CaseAnalysis, WorkedExampleOfRank) {
    const MemoryStepLog log =
        Logged(Command::kRank, GridOf({{"1", "1", "a"}, {"1", "a", "1"}, {"a", "1", "1"}}));
    EXPECT_EQ(log.Lines(), test::GoldenLines("parameter-rank-3x3.log"));
}

TEST(CaseAnalysis, WorkedExampleOfSolve) {
    const MemoryStepLog log = Logged(Command::kSolve, GridOf({{"1", "1", "a", "1"},
                                                          {"1", "a", "1", "a"},
                                                          {"a", "1", "1", "a^2"}}));
    EXPECT_EQ(log.Lines(), test::GoldenLines("parameter-solve-3x4.log"));
}

TEST(CaseAnalysis, WorkedExampleOfSolveAtASurd) {
    const MemoryStepLog log =
        Logged(Command::kSolve, GridOf({{"1", "a", "1"}, {"a", "2", "1"}}));
    EXPECT_EQ(log.Lines(), test::GoldenLines("parameter-solve-surd.log"));
}

TEST(CaseAnalysis, WorkedExampleOfDeterminant) {
    const MemoryStepLog log =
        Logged(Command::kDet, GridOf({{"k", "1", "1"}, {"1", "k", "1"}, {"1", "1", "k"}}));
    EXPECT_EQ(log.Lines(), test::GoldenLines("parameter-det-3x3.log"));
}

TEST(CaseAnalysis, AConstantPivotIsBroughtUpBeforeAnySplit) {
    // The first column holds a and 1: the 1 is swapped up, so the split on
    // a comes only where no constant is left.
    const MemoryStepLog log = Logged(Command::kRank, GridOf({{"a", "1"}, {"1", "1"}}));
    EXPECT_EQ(log.Lines()[3], "1行目と2行目を入れ換えます。");
    EXPECT_EQ(log.Lines().back(), "まとめると、a ≠ 1 のとき階数 2、a = 1 のとき階数 1。");
}

TEST(CaseAnalysis, APivotIsSaidNonzeroOnlyWhereTheHeadingHasNotSaidIt) {
    const MemoryStepLog log = Logged(Command::kRank, GridOf({{"a", "0"}, {"0", "a-1"}}));
    const Lines& lines = log.Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "a ≠ 0 なので、a ≠ 0 です。"), 0);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "a ≠ 0, 1 なので、a-1 ≠ 0 です。"), 1);
}

struct RefusalCase {
    Command command;
    std::vector<Lines> rows;
    std::string last;
};

TEST(CaseAnalysis, RefusesWhatItCannotSplit) {
    const std::vector<RefusalCase> cases = {
        {Command::kDet, {{"a", "1", "2"}}, "正方行列でないので、行列式はありません。"},
        {Command::kInverse, {{"a", "1", "2"}}, "正方行列でないので、逆行列はありません。"},
        {Command::kSolve, {{"a"}, {"1"}}, "列が1つだけなので、係数行列と右辺に分けられません。"},
    };
    for (const RefusalCase& c : cases)
        EXPECT_EQ(Logged(c.command, GridOf(c.rows)).Lines().back(), c.last) << c.last;
    MemoryStepLog log;
    EXPECT_FALSE(
        Engine().Solve(GridOf({{"a", "1"}, {"1", "1"}}), log, RightHandSides::kSeveral));
    EXPECT_EQ(log.Lines().back(),
              "列の数が行の数より多くないので、正方行列 A と右辺 B に分けられません。");
}

TEST(CaseAnalysis, AnUnreadableCellIsRefusedBeforeTheLogChanges) {
    MemoryStepLog log;
    log.AppendStepLog("前の計算");
    EXPECT_THROW(Engine().Rank(GridOf({{"a", "1"}, {"2a+", "1"}}), log), Error);
    EXPECT_EQ(log.Lines(), Lines{"前の計算"});
}

struct InverseCase {
    std::vector<Lines> rows;
    bool delivered;
    std::vector<Lines> after;  // the grid afterwards
};

TEST(CaseAnalysis, TheInverseIsWrittenOnlyWhenOneServesEveryValue) {
    const std::vector<InverseCase> cases = {
        {{{"1", "a"}, {"0", "1"}}, true, {{"1", "-a"}, {"0", "1"}}},
        {{{"1", "1/(a-1)"}, {"0", "1"}}, true, {{"1", "-1/(a-1)"}, {"0", "1"}}},
        {{{"a", "1"}, {"1", "a"}}, false, {{"a", "1"}, {"1", "a"}}},
    };
    for (const InverseCase& c : cases) {
        CellGrid grid = GridOf(c.rows);
        MemoryStepLog log;
        EXPECT_EQ(Engine().Inverse(grid, log), c.delivered) << c.rows[0][1];
        EXPECT_EQ(grid, GridOf(c.after)) << c.rows[0][1];
    }
}

TEST(CaseAnalysis, StopsWhenAsked) {
    StopSignal signal;
    signal.Request();
    const WatchStopSignal watch(signal);
    MemoryStepLog log;
    EXPECT_THROW(Engine().Rank(GridOf({{"1", "1", "a"}, {"1", "a", "1"}, {"a", "1", "1"}}), log),
                 ComputationStopped);
}

struct ZerosCase {
    Polynomial p;
    ParameterRoots excluded;
    Polynomial expected;
};

Polynomial Root(int r) { return Polynomial::XMinus(CpxOfInteger(r)); }

TEST(ParameterCase, NewZerosLeaveOutWhatIsExcluded) {
    const Polynomial squareMinusTwo({CpxOfInteger(-2), CpxZero(), CpxOne()});
    const Polynomial one = Polynomial::Constant(CpxOne());
    const std::vector<ZerosCase> cases = {
        {Root(1) * Root(-2), {}, Root(1) * Root(-2)},
        {Root(1) * Root(1) * Root(-2), {{CpxOne()}, {}}, Root(-2)},
        {Scaled(Root(1), CpxOfInteger(3)), {{CpxOne()}, {}}, one},
        {squareMinusTwo * Root(0), {{}, {squareMinusTwo}}, Root(0)},
        {squareMinusTwo * squareMinusTwo, {{}, {squareMinusTwo}}, one},
    };
    for (const ZerosCase& c : cases)
        EXPECT_EQ(NewZeros(c.p, c.excluded), c.expected) << PolynomialText(c.p, "a");
}

TEST(ParameterCase, ConditionsKeepTheOuterExclusionsInTheTeachersOrder) {
    const ParameterRoots outer{{CpxOne()}, {}};
    const ParameterRoots inner{{CpxOfInteger(-2), CpxZero(), CpxOne()}, {}};
    const ParameterCase c = ParameterCase::AllBut('a', Joined(outer, inner));
    EXPECT_EQ(CaseLead(c), "a ≠ 0, 1, -2 のとき");
    EXPECT_EQ(CaseLead(ParameterCase::AllBut('t', {})), "すべての t について");
    EXPECT_EQ(CaseLead(ParameterCase::Value('k', CpxOfInteger(-2))), "k = -2 のとき");
    const Polynomial squareMinusTwo({CpxOfInteger(-2), CpxZero(), CpxOne()});
    const Polynomial cubic({CpxOfInteger(-1), CpxOfInteger(-1), CpxZero(), CpxOne()});
    EXPECT_EQ(CaseLead(ParameterCase::RootOf('a', cubic)), "a が a^3 - a - 1 = 0 の解のとき");
    EXPECT_EQ(CaseLead(ParameterCase::SurdValue('a', SurdNeg(SurdSqrt({2, 1})))), "a = -√2 のとき");
    EXPECT_EQ(ZeroConditionText('a', ParameterRoots{{CpxOne()}, {squareMinusTwo, cubic}}),
              "a = 1, √2, -√2 または a^3 - a - 1 = 0");
}

}  // namespace
}  // namespace korvane
